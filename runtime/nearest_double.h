#pragma once

#include <optional>
#include <string>

namespace quillmark::runtime {

// The double nearest to `number`, a text of decimal digits, "e" and a signed decimal
// exponent ("12345e-3"), rounded to nearest even. Empty when the number lies beyond the
// double range or too close to zero to be told from it. Chosen at build time:
// std::from_chars where the standard library reads floating point, strtod elsewhere.
std::optional<double> NearestDouble(const std::string& number);

}  // namespace quillmark::runtime

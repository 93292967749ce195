#pragma once

#include <string>

namespace quillmark::runtime {

// `value` (finite, not negative) in scientific notation with `decimals` digits after the
// point, correctly rounded: "1.5000e+01". With enough decimals this is the exact decimal
// expansion of the double. Chosen at build time: std::to_chars where the standard library
// writes floating point, snprintf elsewhere.
std::string ScientificDigits(double value, int decimals);

}  // namespace quillmark::runtime

#include <charconv>

#include "runtime/nearest_double.h"

namespace quillmark::runtime {

std::optional<double> NearestDouble(const std::string& number) {
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range)
    return std::nullopt;
  return value;
}

}  // namespace quillmark::runtime

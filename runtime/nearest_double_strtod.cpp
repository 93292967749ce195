#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "runtime/nearest_double.h"

namespace quillmark::runtime {

// For a standard library whose std::from_chars reads no floating point. The text holds no
// decimal point, so the locale's, which strtod would follow, never comes into it. strtod
// reports ERANGE for a result that is not a normal double; a subnormal one is still the
// nearest value, only an infinity or a zero in its place means the number was out of range.
std::optional<double> NearestDouble(const std::string& number) {
  const int saved_errno = errno;
  errno = 0;
  const double value = std::strtod(number.c_str(), nullptr);
  const bool out_of_range = errno == ERANGE && (std::isinf(value) || value == 0.0);
  errno = saved_errno;
  if (out_of_range)
    return std::nullopt;
  return value;
}

}  // namespace quillmark::runtime

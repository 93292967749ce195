#include <charconv>

#include "runtime/scientific_digits.h"

namespace quillmark::runtime {

std::string ScientificDigits(double value, int decimals) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, decimals);
  return std::string(buffer, result.ptr);
}

}  // namespace quillmark::runtime

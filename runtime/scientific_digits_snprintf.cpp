#include <cstdio>

#include "runtime/scientific_digits.h"

namespace quillmark::runtime {

// For a standard library whose std::to_chars writes no floating point. "%e" has no locale in
// it but the decimal point, which the C locale that a program starts in keeps as ".".
std::string ScientificDigits(double value, int decimals) {
  char buffer[400];
  const int length = std::snprintf(buffer, sizeof buffer, "%.*e", decimals, value);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace quillmark::runtime

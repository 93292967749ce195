#include "runtime/single.h"

#include <cmath>
#include <limits>

namespace quillmark::runtime {
namespace {

// Halfway between the largest single and 2^128: from here on, round-to-nearest gives an
// infinity. Converting such a double with a cast would be undefined behaviour in C++.
constexpr double kSingleOverflowThreshold = 0x1.ffffffp127;

}  // namespace

float ToSingle(double value) {
  if (std::isnan(value))
    return std::numeric_limits<float>::quiet_NaN();
  if (std::fabs(value) >= kSingleOverflowThreshold) {
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    return value > 0 ? kInfinity : -kInfinity;
  }
  return static_cast<float>(value);
}

ArithmeticError::ArithmeticError() : std::overflow_error("Overflow") {}

float CheckedQuotient(double numerator, double denominator) {
  if (denominator == 0.0)
    throw ArithmeticError();
  const double quotient = numerator / denominator;
  if (std::isnan(quotient))
    throw ArithmeticError();
  const float stored = ToSingle(quotient);
  if (std::isinf(stored) && std::isfinite(quotient))
    throw ArithmeticError();
  return stored;
}

}  // namespace quillmark::runtime

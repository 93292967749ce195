#pragma once

#include <stdexcept>

namespace quillmark::runtime {

// The calculator keeps its values in IEEE single precision; inputs and intermediate results
// are doubles that are rounded when they are stored.

// Rounds to the nearest single. Beyond the single range the result is an infinity of the
// value's sign: storing a parsed input never fails.
float ToSingle(double value);

// The runtime's arithmetic error: a computed result could not be stored.
class ArithmeticError : public std::overflow_error {
 public:
  ArithmeticError();
};

// Forms numerator / denominator in double precision and stores it as a single, the one
// checked store of the procedures. It throws ArithmeticError when the division is by zero,
// when it is invalid (an infinity over an infinity) or when a finite quotient is too large
// for a single. An infinite numerator over a finite denominator stores an infinity without
// error: the infinity came in with the input, it was not made by this step.
float CheckedQuotient(double numerator, double denominator);

}  // namespace quillmark::runtime

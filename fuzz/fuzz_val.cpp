// Any text reads as a number and never fails; blanks never matter, the sign only flips the
// magnitude, and a text that does not begin with a number reads 0.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/check.h"
#include "runtime/val.h"

namespace {

using quillmark::runtime::Val;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (!IsBlank(c))
      kept += c;
  }
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = Val(text);
  CHECK(!std::isnan(value), "Val gave NaN");

  const std::string compact = WithoutBlanks(text);
  CHECK(Val(compact) == value, "blanks changed %g to %g", value, Val(compact));

  const char first = compact.empty() ? '\0' : compact.front();
  const bool starts_unsigned = (first >= '0' && first <= '9') || first == '.';
  if (!starts_unsigned && first != '+' && first != '-' && first != '&')
    CHECK(value == 0.0, "a text led by '%c' (byte %d) read %g", first, first, value);
  if (starts_unsigned) {
    const double negated = Val("-" + compact);
    CHECK(negated == -value, "the sign turned %g into %g", value, negated);
  }
  if (first == '&')
    CHECK(std::trunc(value) == value, "a hex or octal text read %g", value);
  return 0;
}

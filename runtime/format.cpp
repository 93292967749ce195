#include "runtime/format.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "runtime/scientific_digits.h"

namespace quillmark::runtime {
namespace {

constexpr int kSignificantDigits = 7;

struct Pattern {
  int min_integer_digits = 0;  // "0"s before the point
  int fixed_decimals = 0;      // "0"s after the point
  int decimals = 0;            // all placeholders after the point
};

Pattern ParsePattern(std::string_view text) {
  Pattern pattern;
  bool after_point = false;
  for (char c : text) {
    if (c == '.') {
      after_point = true;
    } else if (after_point && (c == '0' || c == '#')) {
      ++pattern.decimals;
      if (c == '0')
        pattern.fixed_decimals = pattern.decimals;
    } else if (c == '0') {
      ++pattern.min_integer_digits;
    }
  }
  return pattern;
}

// A non-negative decimal: `digits` with the decimal point after the first `point` of them
// (a `point` below zero or beyond the digits stands for zeros).
struct Decimal {
  std::string digits;
  int point = 0;
};

// Rounds half away from zero so that `keep` digits remain. Whatever is cut is exact decimal
// text, so a first cut digit of 5 or more means at least half way.
void RoundAt(Decimal& number, int keep) {
  if (keep >= static_cast<int>(number.digits.size()))
    return;
  if (keep < 0) {
    number = Decimal{};
    return;
  }
  const bool up = number.digits[keep] >= '5';
  number.digits.resize(keep);
  if (!up)
    return;
  int i = keep - 1;
  for (; i >= 0 && number.digits[i] == '9'; --i)
    number.digits[i] = '0';
  if (i >= 0) {
    ++number.digits[i];
  } else {
    number.digits.insert(number.digits.begin(), '1');
    ++number.point;
  }
}

// The exact decimal expansion of |value|: a single has at most a few dozen significant
// digits, well within the precision asked for here.
Decimal ExactDecimal(float value) {
  const std::string digits = ScientificDigits(std::fabs(double{value}), 160);
  const std::string_view text(digits);
  const auto e = text.find('e');
  Decimal number;
  for (char c : text.substr(0, e)) {
    if (c != '.')
      number.digits += c;
  }
  number.point = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
  return number;
}

std::string DigitsFrom(const Decimal& number, int from, int to) {
  std::string out;
  for (int i = from; i < to; ++i) {
    const bool inside = i >= 0 && i < static_cast<int>(number.digits.size());
    out += inside ? number.digits[i] : '0';
  }
  return out;
}

std::string Layout(const Decimal& number, const Pattern& pattern) {
  // No leading zero: a number's first digit is never 0, and an empty one has no digits.
  std::string integer = DigitsFrom(number, 0, number.point);
  if (static_cast<int>(integer.size()) < pattern.min_integer_digits) {
    integer.insert(0, pattern.min_integer_digits - integer.size(), '0');
  }
  std::string fraction = DigitsFrom(number, number.point, number.point + pattern.decimals);
  while (static_cast<int>(fraction.size()) > pattern.fixed_decimals && fraction.back() == '0') {
    fraction.pop_back();
  }
  return fraction.empty() ? integer : integer + '.' + fraction;
}

}  // namespace

std::string Format(float value, std::string_view pattern_text) {
  if (std::isnan(value))
    return "NaN";
  if (std::isinf(value))
    return value > 0 ? "Inf" : "-Inf";
  const Pattern pattern = ParsePattern(pattern_text);
  Decimal number;
  if (value != 0.0f) {
    number = ExactDecimal(value);
    RoundAt(number, kSignificantDigits);
    RoundAt(number, number.point + pattern.decimals);
  }
  std::string text = value < 0.0f ? "-" : "";
  text += Layout(number, pattern);
  return text;
}

}  // namespace quillmark::runtime

#include "runtime/val.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "runtime/nearest_double.h"

namespace quillmark::runtime {
namespace {

// Walks the text one significant character at a time, passing over blanks wherever they
// stand.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) { SkipBlanks(); }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Advance() {
    ++pos_;
    SkipBlanks();
  }
  // Takes `c` if it comes next; a letter in either case.
  bool Take(char c) {
    const bool letter = c >= 'A' && c <= 'Z';
    if (AtEnd() || (Peek() != c && !(letter && Peek() == c - 'A' + 'a')))
      return false;
    Advance();
    return true;
  }

 private:
  void SkipBlanks() {
    while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
      ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int DigitValue(char c, int radix) {
  int value = -1;
  if (IsDigit(c)) {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value < radix ? value : -1;
}

double ReadRadix(Cursor& cursor, int radix) {
  constexpr std::uint64_t kSaturated = std::uint64_t{1} << 60;
  std::uint64_t value = 0;
  for (int digit; (digit = DigitValue(cursor.Peek(), radix)) >= 0; cursor.Advance()) {
    value = value >= kSaturated ? value : value * static_cast<std::uint64_t>(radix) + digit;
  }
  if (value <= 0xFFFF)
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  if (value <= 0xFFFFFFFF)
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  return static_cast<double>(value);
}

// Collects the decimal digits into a compact "d...de<exp>" text; blanks never reach it.
double ReadDecimal(Cursor& cursor) {
  std::string digits;
  long long exponent = 0;  // power of ten applied to the integer formed by `digits`
  for (; IsDigit(cursor.Peek()); cursor.Advance())
    digits += cursor.Peek();
  if (cursor.Peek() == '.') {
    cursor.Advance();
    for (; IsDigit(cursor.Peek()); cursor.Advance()) {
      digits += cursor.Peek();
      --exponent;
    }
  }
  if (digits.empty())
    return 0.0;
  if (cursor.Take('E') || cursor.Take('D')) {
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
      negative = cursor.Peek() == '-';
      cursor.Advance();
    }
    long long written = 0;
    constexpr long long kFarBeyondAnyDouble = 1'000'000'000;
    for (; IsDigit(cursor.Peek()); cursor.Advance()) {
      if (written < kFarBeyondAnyDouble)
        written = written * 10 + (cursor.Peek() - '0');
    }
    exponent += negative ? -written : written;
  }
  const std::string number = digits + 'e' + std::to_string(exponent);
  const std::optional<double> value = NearestDouble(number);
  if (!value) {
    // Out of range either way: too large for a double, or too small to be told from zero.
    // A zero is never out of range, so a digit other than 0 is there; leading zeros do not
    // count towards the number's size.
    const long long magnitude =
        exponent + static_cast<long long>(digits.size() - digits.find_first_not_of('0'));
    return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return *value;
}

}  // namespace

double Val(std::string_view text) {
  Cursor cursor(text);
  if (cursor.Take('&')) {
    if (cursor.Take('H'))
      return ReadRadix(cursor, 16);
    cursor.Take('O');
    return ReadRadix(cursor, 8);
  }
  bool negative = false;
  if (cursor.Peek() == '+' || cursor.Peek() == '-') {
    negative = cursor.Peek() == '-';
    cursor.Advance();
  }
  const double magnitude = ReadDecimal(cursor);
  return negative && magnitude != 0.0 ? -magnitude : magnitude;  // "-0" reads a plain 0
}

}  // namespace quillmark::runtime

// Every single writes under each display pattern: the text has the pattern's shape and reads
// back as the value within the two roundings Format applies. Each 4 bytes of the input are one
// bit pattern, NaNs, infinities and denormals included.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/check.h"
#include "runtime/format.h"
#include "runtime/val.h"

namespace {

using quillmark::runtime::Format;
using quillmark::runtime::Val;

struct Pattern {
  std::string_view text;
  int decimals;
};
constexpr Pattern kPatterns[] = {{"#####0.0", 1}, {"0.00", 2}, {"####0", 0}};

void CheckFinite(float value, const Pattern& pattern, const std::string& shown) {
  CHECK(!shown.empty() && (value < 0.0f) == (shown.front() == '-'), "%a shows as \"%s\"",
        double{value}, shown.c_str());
  const std::string_view unsigned_part = std::string_view(shown).substr(value < 0.0f ? 1 : 0);
  const std::size_t point = unsigned_part.find('.');
  const std::string_view integer = unsigned_part.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? "" : unsigned_part.substr(point + 1);
  const auto all_digits = [](std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  CHECK(!integer.empty() && all_digits(integer) && all_digits(fraction) &&
            (integer == "0" || integer.front() != '0'),
        "%a shows as \"%s\"", double{value}, shown.c_str());
  CHECK(static_cast<int>(fraction.size()) == pattern.decimals &&
            (pattern.decimals > 0) == (point != std::string_view::npos),
        "%a shows as \"%s\" under \"%s\"", double{value}, shown.c_str(), pattern.text.data());

  // Half a unit of the pattern's last decimal, plus half a unit of the seventh significant
  // digit (at most 5e-7 of the value), plus reading the text back into a double.
  const double magnitude = std::fabs(double{value});
  const double allowed = 0.5 * std::pow(10.0, -pattern.decimals) + magnitude * (5e-7 + 1e-12);
  const double read = Val(shown);
  CHECK(std::fabs(read - double{value}) <= allowed, "%a shows as \"%s\", which reads %.17g",
        double{value}, shown.c_str(), read);
}

void CheckAllPatterns(float value) {
  for (const Pattern& pattern : kPatterns) {
    const std::string shown = Format(value, pattern.text);
    if (std::isinf(value)) {
      CHECK(shown == (value > 0 ? "Inf" : "-Inf"), "an infinity shows as \"%s\"", shown.c_str());
    } else if (!std::isnan(value)) {
      CheckFinite(value, pattern, shown);
      if (value < 0.0f)
        CHECK(shown == "-" + Format(-value, pattern.text), "%a and its negation differ",
              double{value});
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (std::size_t at = 0; at < size; at += sizeof(float)) {
    std::uint8_t bytes[sizeof(float)] = {};
    std::memcpy(bytes, data + at, std::min(sizeof(float), size - at));
    CheckAllPatterns(std::bit_cast<float>(bytes));
  }
  return 0;
}

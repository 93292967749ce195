#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/controls.h"
#include "runtime/single.h"

namespace quillmark::runtime {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr float kMaxSingle = std::numeric_limits<float>::max();
constexpr double kOverflowsSingle = 0x1.ffffffp127;  // the first double that rounds to infinity

TEST(ToSingle, RoundsToNearestAndSaturatesToInfinity) {
  const std::pair<double, float> rows[] = {
      {0.1, 0.1f},
      {kMaxSingle, kMaxSingle},
      {std::nextafter(kOverflowsSingle, 0.0), kMaxSingle},
      {kOverflowsSingle, std::numeric_limits<float>::infinity()},
      {-1e39, -std::numeric_limits<float>::infinity()},
      {1e-50, 0.0f},
  };
  for (auto [in, out] : rows)
    EXPECT_EQ(ToSingle(in), out) << in;
  EXPECT_TRUE(std::isnan(ToSingle(std::numeric_limits<double>::quiet_NaN())));
}

TEST(CheckedQuotient, RaisesOnlyForOverflowInvalidOrZeroDivision) {
  // clang-format off
  const struct {
    const char* name;
    double numerator, denominator;
    bool raises;
  } rows[] = {
      {"Ordinary", 100000.0, 554.24, false}, {"LargestSingle", kMaxSingle, 1.0, false},
      {"JustBelowOverflow", std::nextafter(kOverflowsSingle, 0.0), 1.0, false},
      {"FiniteQuotientOverflows", 1e39, 1.732, true},
      {"RoundsUpToInfinity", kOverflowsSingle, 1.0, true}, {"NegativeOverflow", -1e39, 1.0, true},
      {"InfiniteNumerator", kInf, 692.8, false}, {"NegativeInfiniteNumerator", -kInf, 692.8, false},
      {"InfinityOverInfinity", kInf, kInf, true}, {"NegativeInfinityOverInfinity", -kInf, kInf, true},
      {"FiniteOverInfinity", 1e5, kInf, false}, {"DivisionByZero", 1.0, 0.0, true},
      {"ZeroOverZero", 0.0, 0.0, true}, {"Underflow", 1e-40, 1e10, false},
  };
  // clang-format on
  for (const auto& row : rows) {
    if (row.raises) {
      EXPECT_THROW(CheckedQuotient(row.numerator, row.denominator), ArithmeticError) << row.name;
    } else {
      EXPECT_NO_THROW(CheckedQuotient(row.numerator, row.denominator)) << row.name;
    }
  }
  EXPECT_EQ(CheckedQuotient(kInf, 2.0), std::numeric_limits<float>::infinity());
}

TEST(TextBox, WrittenTextIsCutToMaximumLength) {
  const struct {
    std::size_t max_length;
    const char *in, *out;
  } rows[] = {
      {8, "1443418000.0", "14434180"},
      {4, "-0.50", "-0.5"},
      {5, "12345", "12345"},
      {2, "\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9"},  // cut between characters, not bytes
      {0, "unlimited", "unlimited"},
  };
  for (const auto& row : rows) {
    TextBox box(row.max_length);
    box.SetText(row.in);
    EXPECT_EQ(box.text, row.out);
  }
}

}  // namespace
}  // namespace quillmark::runtime

#include "runtime/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>
#include <string>

#include "runtime/val.h"

namespace quillmark::runtime {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

struct FormatCase {
  const char* name;
  float value;
  const char *pattern, *expected;
};

// The result, power-factor (rounded twice: to a 7-digit decimal, then half away) and voltage
// patterns, and placeholders in general.
// clang-format off
const FormatCase kCases[] = {
    {"ResultAllIntegerDigits", 1234567.0f, "#####0.0", "1234567.0"},
    {"ResultBeyondSevenDigits", 1443417984.0f, "#####0.0", "1443418000.0"},
    {"ResultLargestSingle", std::numeric_limits<float>::max(), "#####0.0", "340282300000000000000000000000000000000.0"},
    {"ResultNegativeRoundsToZeroKeepsSign", -0.04f, "#####0.0", "-0.0"},
    {"ResultNegativeZero", -0.0f, "#####0.0", "0.0"},
    {"ResultTieAwayFromZero", 0.25f, "#####0.0", "0.3"}, {"ResultTiny", 1e-10f, "#####0.0", "0.0"},
    {"ResultTenth", 0.1f, "#####0.0", "0.1"},
    {"NotANumber", std::numeric_limits<float>::quiet_NaN(), "#####0.0", "NaN"},
    {"Infinity", kInf, "#####0.0", "Inf"}, {"NegativeInfinity", -kInf, "0.00", "-Inf"},
    {"PowerFactorJustBelowHalfHundredth", 0.005f, "0.00", "0.01"},
    {"PowerFactorBelowHalfHundredth", 0.004f, "0.00", "0.00"},
    {"PowerFactorZeroSubstitute", 1e-7f, "0.00", "0.00"},
    {"PowerFactorSevenDigitsThenHalfAway", 12.345f, "0.00", "12.35"},
    {"PowerFactorCarryIntoUnits", 0.995f, "0.00", "1.00"},
    {"VoltsTieAwayFromZero", 2.5f, "####0", "3"}, {"VoltsNegativeTie", -2.5f, "####0", "-3"},
    {"VoltsSixDigits", 123456.0f, "####0", "123456"}, {"OptionalIntegerDigit", 0.5f, "#.##", ".5"},
    {"PaddedIntegerDigits", 5.0f, "00.0", "05.0"}, {"ThreeDecimals", 1.2345f, "0.000", "1.235"},
    {"OptionalDecimalsDropped", 3.0f, "0.##", "3"},
};
// clang-format on

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesThePattern) {
  EXPECT_EQ(Format(GetParam().value, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Decimal comma and a point between thousands, as German writes numbers. The C++ library's
// named locales differ between platforms (MinGW's knows only "C"), so the C++ side is built
// here; the C runtime's German locale is named as that runtime knows it.
struct GermanPunctuation : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

// Val reads and Format writes a decimal point, and no thousands separator, whatever the locale
// says; a comma ends the number.
TEST(Locale, ValAndFormatKeepThePointUnderADecimalCommaLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, QUILLMARK_GERMAN_LOCALE), nullptr)
      << QUILLMARK_GERMAN_LOCALE << " is not installed";
  std::locale::global(std::locale(std::locale::classic(), new GermanPunctuation));
  EXPECT_EQ(Val("1.5"), 1.5);
  EXPECT_EQ(Val("1,5"), 1);
  EXPECT_EQ(Val("1E-2"), 0.01);
  EXPECT_EQ(Format(180.42725f, "#####0.0"), "180.4");
  EXPECT_EQ(Format(1234567.0f, "#####0.0"), "1234567.0");
  std::setlocale(LC_ALL, "C");
  std::locale::global(std::locale::classic());
}

}  // namespace
}  // namespace quillmark::runtime

#include "runtime/val.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "locale_guard.h"

namespace quillmark::runtime {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ValCase {
  const char* name;
  std::string text;
  double expected;
};

const ValCase kCases[] = {
    {"Empty", "", 0},
    {"Integer", "400", 400},
    {"Decimal", "1.5", 1.5},
    {"LeadingPoint", ".005", 0.005},
    {"Negative", "-0.5", -0.5},
    {"PlusSign", "+5", 5},
    {"NegativeZeroReadsZero", "-0", 0},
    {"CommaEndsNumber", "1,5", 1},
    {"SecondPointEndsNumber", "1.2.3", 1.2},
    {"LettersEndNumber", "12abc", 12},
    {"NotANumber", "abc", 0},
    {"HexLikeCReadsZero", "0x10", 0},
    {"InfIsNoNumber", "inf", 0},
    {"NegativeInfIsNoNumber", "-inf", 0},
    {"NanIsNoNumber", "nan", 0},
    {"InfinityIsNoNumber", "infinity", 0},
    {"SignAloneIsNoNumber", "-", 0},
    {"PointAloneIsNoNumber", ".", 0},
    {"DoubleSignIsNoNumber", "--5", 0},
    {"BlanksSkippedAnywhere", " 2 45 7", 2457},
    {"TabsAndLineFeedsSkipped", "\t1\n2", 12},
    {"BlankAfterSign", "- 5", -5},
    {"ExponentE", "1E-2", 0.01},
    {"ExponentLowerD", "1d2", 100},
    {"ExponentWithoutDigits", "7e", 7},
    {"ExponentWithBlanks", "1 e 2", 100},
    {"Hex", "&H10", 16},
    {"HexLowerCase", "&hff", 255},
    {"Hex16BitTwosComplement", "&HFFFF", -1},
    {"Hex32Bit", "&H10000", 65536},
    {"Hex32BitTwosComplement", "&HFFFFFFFF", -1},
    {"Octal", "&O17", 15},
    {"OctalWithoutLetter", "&17", 15},
    {"OctalStopsAtEight", "&O78", 7},
    {"HexWithoutDigits", "&H", 0},
    {"LetterFIsNoPrefix", "F17", 0},
    {"BeyondDoubleRange", "1e400", kInf},
    {"NegativeBeyondDoubleRange", "-1e400", -kInf},
    {"HugeDigitRun", std::string(400, '9'), kInf},
    {"HugeExponent", "1e99999999999999999999", kInf},
    {"BelowDoubleRange", "1e-400", 0},
    {"ZeroWithHugeExponent", "0e99999", 0},
    {"BeyondSingleStillDouble", "1E36", 1e36},
};

void PrintTo(const ValCase& row, std::ostream* os) {
  *os << row.name;
}

class ValTest : public ::testing::TestWithParam<std::tuple<const char*, ValCase>> {};

TEST_P(ValTest, ReadsTheNumberAtTheStart) {
  const auto& [locale, row] = GetParam();
  test_support::LocaleGuard guard(locale);
  ASSERT_TRUE(guard.ok()) << "locale " << locale << " is not installed";
  EXPECT_EQ(Val(row.text), row.expected) << '"' << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Locales, ValTest,
                         ::testing::Combine(::testing::ValuesIn(test_support::kLocales),
                                            ::testing::ValuesIn(kCases)),
                         test_support::LocaleRowName<ValCase>);

}  // namespace
}  // namespace quillmark::runtime

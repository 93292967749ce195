#include "runtime/val.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace quillmark::runtime {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kNines(400, '9');
const std::string kTinyFraction = "0." + std::string(400, '0') + "1";

struct ValCase {
  const char* name;
  std::string_view text;
  double expected;
};

// clang-format off
const ValCase kCases[] = {
    {"Empty", "", 0}, {"EndsWithItsView", std::string_view("27").substr(0, 1), 2},
    {"BlankAfterItsView", std::string_view("1 5").substr(0, 2), 1}, {"PlusSign", "+5", 5},
    {"NegativeZeroReadsZero", "-0", 0}, {"CommaEndsNumber", "1,5", 1},
    {"SecondPointEndsNumber", "1.2.3", 1.2}, {"LettersEndNumber", "12abc", 12},
    {"NotANumber", "abc", 0}, {"HexLikeCReadsZero", "0x10", 0}, {"InfIsNoNumber", "inf", 0},
    {"NegativeInfIsNoNumber", "-inf", 0}, {"NanIsNoNumber", "nan", 0},
    {"InfinityIsNoNumber", "infinity", 0}, {"SignAloneIsNoNumber", "-", 0},
    {"PointAloneIsNoNumber", ".", 0}, {"DoubleSignIsNoNumber", "--5", 0},
    {"BlanksSkippedAnywhere", " 2 45 7", 2457}, {"TabsAndLineFeedsSkipped", "\t1\n2", 12},
    {"BlankAfterSign", "- 5", -5}, {"ExponentLowerD", "1d2", 100}, {"ExponentWithoutDigits", "7e", 7},
    {"ExponentWithBlanks", "1 e 2", 100}, {"Hex", "&H10", 16}, {"HexLowerCase", "&hff", 255},
    {"HexUpperLetters", "&HABC", 2748}, {"HexLowerLetters", "&habc", 2748},
    {"Hex16BitTwosComplement", "&HFFFF", -1}, {"Hex32Bit", "&H10000", 65536},
    {"Hex32BitTwosComplement", "&HFFFFFFFF", -1}, {"HexBeyond32Bits", "&H100000000", 4294967296.0},
    {"HexStopsGrowingAt2To60", "&H10000000000000000", 0x1p60}, {"Octal", "&O17", 15},
    {"OctalWithoutLetter", "&17", 15}, {"OctalStopsAtEight", "&O78", 7},
    {"HexWithoutDigits", "&H", 0}, {"LetterFIsNoPrefix", "F17", 0},
    {"BeyondDoubleRange", "1e400", kInf}, {"NegativeBeyondDoubleRange", "-1e400", -kInf},
    {"HugeDigitRun", kNines, kInf}, {"HugeExponent", "1e99999999999999999999", kInf},
    {"BelowDoubleRange", "1e-400", 0}, {"ZeroWithHugeExponent", "0e99999", 0},
    {"LeadingZerosBelowDoubleRange", kTinyFraction, 0},
    {"BeyondSingleStillDouble", "1E36", 1e36},
};
// clang-format on

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheNumberAtTheStart) {
  const ValCase& row = GetParam();
  const double value = Val(row.text);
  EXPECT_EQ(value, row.expected) << '"' << row.text << '"';
  EXPECT_EQ(std::signbit(value), std::signbit(row.expected)) << "a zero reads without a sign";
}

INSTANTIATE_TEST_SUITE_P(Rows, ValTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmark::runtime

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "recording_box.h"
#include "runtime/single.h"

namespace quillmark::calc {
namespace {

// Texts a person could type: digits, signs, points, exponent and radix letters, blanks, and
// the odd stray character, each no longer than its box takes.
std::string RandomText(std::mt19937& rng, std::size_t max_length) {
  static constexpr std::string_view kAlphabet = "0123456789012345678.-+eEdD&HhOo ,x\t9";
  std::uniform_int_distribution<std::size_t> length(0, max_length);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::string text(length(rng), ' ');
  for (char& c : text)
    c = kAlphabet[pick(rng)];
  return text;
}

bool FitsItsBox(const runtime::TextBox& box) {
  return box.text.size() <= box.max_length;
}

class RandomInputTest : public ::testing::TestWithParam<WindowClass> {};

TEST_P(RandomInputTest, OnlyTheArithmeticErrorEverEscapes) {
  std::mt19937 rng(20261205);
  CalculatorWindow w(GetParam());
  RecordingBox box(w);
  int overflows = 0;
  for (int i = 0; i < 20000; ++i) {
    Type(w, RandomText(rng, kKvaBoxLength).c_str(), RandomText(rng, kVoltsBoxLength).c_str(),
         RandomText(rng, kPowerFactorBoxLength).c_str());
    try {
      w.cmdSolve_Click(box);
    } catch (const runtime::ArithmeticError&) {
      ++overflows;
    }
    ASSERT_TRUE(FitsItsBox(w.controls.txtAmps) && FitsItsBox(w.controls.txtVolts) &&
                FitsItsBox(w.controls.txtPF))
        << "after kVA \"" << w.controls.txtKVA.text << '"';
    ASSERT_LE(box.prompts.size(), 2u);
    box.prompts.clear();
    if (i % 7 == 0)
      w.cmdClear_Click();
  }
  EXPECT_GT(overflows, 0) << "the alphabet should reach the overflow now and then";
}

INSTANTIATE_TEST_SUITE_P(Windows, RandomInputTest, ::testing::ValuesIn(kWindowClasses),
                         [](const auto& info) { return std::string(ClassName(info.param)); });

}  // namespace
}  // namespace quillmark::calc

#include <gtest/gtest.h>

#include "recording_box.h"

namespace quillmark::calc {
namespace {

namespace colours = runtime::colours;

class ClearTest : public ::testing::TestWithParam<WindowClass> {};

TEST_P(ClearTest, MarksAreStickyUntilClear) {
  CalculatorWindow w(GetParam());
  RecordingBox box(w);
  const bool pf = HasPowerFactor(GetParam());
  Type(w, "999999", "1", pf ? ".005" : nullptr);  // every mark: a refused PF, a result too large
  w.cmdSolve_Click(box);
  const std::string too_large = w.controls.txtAmps.text;
  Type(w, "5", "230", pf ? "1" : nullptr);
  w.cmdSolve_Click(box);
  EXPECT_NE(w.controls.txtAmps.text, too_large) << "the valid Solve writes its result";
  EXPECT_EQ(w.controls.lblMsg.caption, "exceeded 9.99x10^5 Amps");
  EXPECT_EQ(w.controls.txtAmps.back_colour, colours::kWindowText);
  if (pf) {
    EXPECT_EQ(w.controls.lbl8.caption, " Invalid PF value");
    EXPECT_EQ(w.controls.txtPF.back_colour, colours::kWindowText);
  }

  const Values before = w.values;
  w.controls.focus = Focusable::txtVolts;
  w.cmdClear_Click();
  const Controls& c = w.controls;
  for (const auto* box : {&c.txtKVA, &c.txtVolts, &c.txtPF, &c.txtAmps})
    EXPECT_EQ(box->text, "");
  EXPECT_EQ(c.lbl8.caption, "");
  EXPECT_EQ(c.lblMsg.caption, "");
  EXPECT_EQ(c.txtAmps.back_colour, colours::kWindowBackground);
  EXPECT_EQ(c.txtPF.back_colour, colours::kWindowBackground);
  EXPECT_EQ(c.lbl8.back_colour, colours::kMenuBackground);
  EXPECT_EQ(w.controls.focus, Focusable::txtVolts) << "Clear does not move the focus";
  EXPECT_EQ(w.values.Amps, before.Amps) << "Clear keeps the values";
  EXPECT_EQ(w.values.Volts, before.Volts);
}

INSTANTIATE_TEST_SUITE_P(Windows, ClearTest, ::testing::ValuesIn(kWindowClasses),
                         [](const auto& info) { return std::string(ClassName(info.param)); });

}  // namespace
}  // namespace quillmark::calc

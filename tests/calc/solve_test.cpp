#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/calculator.h"
#include "runtime/single.h"

namespace quillmark::calc {
namespace {

// Stands in for the person closing each message box.
struct RecordingBox : runtime::MessageBox {
  void Show(std::string_view prompt) override { prompts.emplace_back(prompt); }
  std::vector<std::string> prompts;
};

// Types the texts into a window's boxes (nullptr leaves a box as it is).
void Type(CalculatorWindow& w, const char* kva, const char* volts, const char* pf) {
  for (auto [box, text] : {std::pair{&w.controls.txtKVA, kva},
                           {&w.controls.txtVolts, volts},
                           {&w.controls.txtPF, pf}}) {
    if (text)
      box->SetText(text);
  }
}

namespace colours = runtime::colours;
using W = WindowClass;
constexpr auto kNormal = colours::kWindowBackground;
constexpr auto kMarked = colours::kWindowText;
constexpr auto kRest = colours::kMenuBackground;
constexpr auto kGrey = colours::kGrey;
constexpr const char* kPfPrompt = "PF value should be between 0.01 and 1.00 ";

// One Solve on a freshly cleared window: what is typed, and everything the window shows after.
struct SolveCase {
  const char* name;
  W window;
  const char *kva, *volts, *pf, *amps_text, *volts_text, *pf_text, *lbl8;
  runtime::Colour lbl8_colour;
  const char* lbl_msg;
  runtime::Colour amps_colour, pf_colour;
  int message_boxes;
};

// clang-format off
const SolveCase kCases[] = {
    // name, window, typed kVA/V/PF, shown A/V/PF, lbl8 and colour, lblMsg, txtAmps, txtPF, boxes
    {"LineToLine", W::frmKVAtoAmps3PhLL, "100", "400", "0.8", "180.4", "400", "0.80", "", kRest, "", kNormal, kNormal, 0},
    {"LineToNeutral", W::frmKVAtoAmps3PhLN, "100", "400", "0.8", "104.2", "400", "0.80", "", kRest, "", kNormal, kNormal, 0},
    {"SinglePhaseKva", W::frmKWtoAmps1PhLN, "100", "230", "0.8", "543.5", "230", "0.80", "", kRest, "", kNormal, kNormal, 0},
    {"AllEmpty", W::frmKVAtoAmps3PhLL, "", "", "", "0.0", "0", "0.00", "Invalid Voltage value", kGrey, "", kMarked, kNormal, 1},
    {"PowerFactorZero", W::frmKVAtoAmps3PhLL, "100", "400", "0", "14434180", "400", "0.00", " Invalid PF value", kGrey, "exceeded 9.99x10^5 Amps", kMarked, kNormal, 1},
    {"PowerFactorOneIsValid", W::frmKVAtoAmps3PhLL, "100", "400", "1", "144.3", "400", "1.00", "", kRest, "", kNormal, kNormal, 0},
    {"PowerFactorJustAboveOne", W::frmKVAtoAmps3PhLL, "100", "400", "1.01", "142.9", "400", "1.01", " Invalid PF value", kGrey, "", kMarked, kNormal, 1},
    {"PowerFactorRoundsToOne", W::frmKVAtoAmps3PhLL, "100", "400", "1.004", "144.3", "400", "1.00", "", kRest, "", kNormal, kNormal, 0},
    {"PowerFactorRefusedByValue", W::frmKVAtoAmps3PhLL, "100", "400", ".005", "28868.4", "400", "0.01", " Invalid PF value", kGrey, "", kMarked, kMarked, 1},
    {"PowerFactorRefusedExponent", W::frmKVAtoAmps3PhLN, "100", "400", "9E-3", "9259.3", "400", "0.01", " Invalid PF value", kGrey, "", kMarked, kMarked, 1},
    {"PowerFactorShowsAsZero", W::frmKWtoAmps1PhLN, "1", "230", ".004", "1087.0", "230", "0.00", " Invalid PF value", kGrey, "", kMarked, kNormal, 1},
    {"PowerFactorSmallestValid", W::frmKVAtoAmps3PhLL, "1", "400", ".01", "144.3", "400", "0.01", "", kRest, "", kNormal, kNormal, 0},
    {"PowerFactorNegative", W::frmKVAtoAmps3PhLL, "100", "400", "-0.5", "-288.7", "400", "-0.5", " Invalid PF value", kGrey, "", kMarked, kMarked, 1},
    {"VoltageZero", W::frmKVAtoAmps3PhLL, "100", "0", "0.8", "72170900", "0", "0.80", "Invalid Voltage value", kGrey, "exceeded 9.99x10^5 Amps", kMarked, kNormal, 0},
    {"VoltageShowsAsZero", W::frmKVAtoAmps3PhLL, "1", "0.4", "1", "1443.4", "0", "1.00", "Invalid Voltage value", kGrey, "", kNormal, kNormal, 0},
    {"VoltageShowsAsMinusZero", W::frmKVAtoAmps3PhLL, "1", "-0.4", "1", "-1443.4", "-0", "1.00", "Invalid Voltage value", kGrey, "", kMarked, kNormal, 0},
    {"VoltageRoundsToMinusOne", W::frmKVAtoAmps3PhLN, "-1", "-0.9", "1", "370.4", "-1", "1.00", "Invalid Voltage value", kGrey, "", kMarked, kNormal, 0},
    {"KvaMinusOneBeatsVoltage", W::frmKVAtoAmps3PhLN, "-1", "-0.4", "1", "833.3", "-0", "1.00", "Invalid kVA value", kGrey, "", kMarked, kNormal, 0},
    {"KvaNegative", W::frmKVAtoAmps3PhLL, "-100", "400", "0.8", "-180.4", "400", "0.80", "Invalid kVA value", kGrey, "", kMarked, kNormal, 0},
    {"KvaJustNegative", W::frmKVAtoAmps3PhLL, "-0.5", "400", "0.8", "-0.9", "400", "0.80", " Invalid kVA value", kGrey, "", kMarked, kNormal, 0},
    {"KvaZero", W::frmKWtoAmps1PhLN, "0", "230", "1", "0.0", "230", "1.00", " Invalid kVA value", kGrey, "", kMarked, kNormal, 0},
    {"KvaLarge", W::frmKVAtoAmps3PhLL, "999999", "400", "0.8", "1804271.", "400", "0.80", "", kRest, "exceeded 9.99x10^5 Amps", kMarked, kNormal, 0},
    {"InfiniteKvaShowsInf", W::frmKVAtoAmps3PhLL, "4E38", "400", "1", "Inf", "400", "1.00", "", kRest, "", kNormal, kNormal, 0},
    {"InfiniteVoltageIsFlagged", W::frmKVAtoAmps3PhLL, "100", "1E39", "1", "0.0", "Inf", "1.00", "Invalid Voltage value", kGrey, "", kNormal, kNormal, 0},
    {"InfinitePowerFactorIsFlagged", W::frmKWtoAmps1PhLN, "100", "230", "1E39", "0.0", "230", "Inf", " Invalid PF value", kGrey, "", kMarked, kNormal, 1},
    {"KwVoltsRewritten", W::frmKVAtoAmps1PhLN, "5", "230.6", nullptr, "21.7", "231", "", "", kRest, "", kNormal, kNormal, 0},
    {"KwAllEmpty", W::frmKVAtoAmps1PhLN, "", "", nullptr, "0.0", "0", "", "Invalid Voltage value", kGrey, "", kMarked, kNormal, 0},
    {"KwVoltageShowsAsZero", W::frmKVAtoAmps1PhLN, "1", "0.4", nullptr, "2500.0", "0", "", "Invalid Voltage value", kGrey, "", kNormal, kNormal, 0},
    {"KwJustNegative", W::frmKVAtoAmps1PhLN, "-0.5", "230", nullptr, "-2.2", "230", "", "Invalid kW value", kGrey, "", kMarked, kNormal, 0},
    {"KwNegativeVoltage", W::frmKVAtoAmps1PhLN, "5", "-230", nullptr, "-21.7", "-230", "", "Invalid Voltage value", kGrey, "", kMarked, kNormal, 0},
    {"KwResultAtLimit", W::frmKVAtoAmps1PhLN, "999.99", "1", nullptr, "999990.0", "1", "", "", kRest, "", kNormal, kNormal, 0},
    {"KwResultJustAboveLimit", W::frmKVAtoAmps1PhLN, "9999.9", "10", nullptr, "999990.1", "10", "", "", kRest, "exceeded 9.99x10^5 Amps", kMarked, kNormal, 0},
    {"KwResultMinusOne", W::frmKVAtoAmps1PhLN, "1", "-1000", nullptr, "-1.0", "-1000", "", "Invalid Voltage value", kGrey, "", kMarked, kNormal, 0},
    {"KwSmallPowerIsValid", W::frmKVAtoAmps1PhLN, ".1", "230", nullptr, "0.4", "230", "", "", kRest, "", kNormal, kNormal, 0},
};
// clang-format on

void PrintTo(const SolveCase& row, std::ostream* os) {
  *os << row.name;
}

class SolveTest : public ::testing::TestWithParam<SolveCase> {};

TEST_P(SolveTest, ShowsResultMessagesAndMarks) {
  const SolveCase& row = GetParam();
  CalculatorWindow w(row.window);
  w.cmdClear_Click();
  Type(w, row.kva, row.volts, row.pf);
  RecordingBox box;
  w.cmdSolve_Click(box);
  const Controls& c = w.controls;
  EXPECT_EQ(c.txtAmps.text, row.amps_text);
  EXPECT_EQ(c.txtVolts.text, row.volts_text);
  EXPECT_EQ(c.txtPF.text, row.pf_text);
  EXPECT_EQ(c.txtKVA.text, row.kva) << "the power box keeps its typed text";
  EXPECT_EQ(c.lbl8.caption, row.lbl8);
  EXPECT_EQ(c.lbl8.back_colour, row.lbl8_colour);
  EXPECT_EQ(c.lblMsg.caption, row.lbl_msg);
  EXPECT_EQ(c.txtAmps.back_colour, row.amps_colour);
  EXPECT_EQ(c.txtPF.back_colour, row.pf_colour);
  EXPECT_EQ(c.focus, Focusable::cmdClear);
  EXPECT_EQ(box.prompts, std::vector<std::string>(row.message_boxes, kPfPrompt));
}

INSTANTIATE_TEST_SUITE_P(Figures, SolveTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Solve, RefusesTheFiveSmallPowerFactorsByExactValueOnly) {
  // Set straight into the model, so that a text longer than the box can come near.
  for (auto [pf, refused] : {std::pair{".006", true},
                             {".007", true},
                             {".008", true},
                             {".009", true},
                             {"5D-3", true},
                             {"0.0050001", false}}) {
    CalculatorWindow w(W::frmKVAtoAmps3PhLL);
    Type(w, "1", "400", nullptr);
    w.controls.txtPF.text = pf;
    RecordingBox box;
    w.cmdSolve_Click(box);
    EXPECT_EQ(w.controls.txtPF.back_colour == kMarked, refused) << pf;
  }
}

TEST(Solve, ArithmeticErrorEndsTheProcedureKeepingWhatCameBefore) {
  const struct {
    W window;
    const char *kva, *volts, *pf;
    runtime::Colour amps_colour;
  } rows[] = {{W::frmKVAtoAmps3PhLL, "1E36", "1", "1", kNormal},
              {W::frmKVAtoAmps3PhLN, "1E36", "", "1", kMarked},
              {W::frmKVAtoAmps3PhLL, "1E36", "1", "0", kMarked},
              {W::frmKWtoAmps1PhLN, "1E39", "1E39", "1", kNormal},
              {W::frmKVAtoAmps1PhLN, "1e36", "1", nullptr, kNormal},
              {W::frmKVAtoAmps1PhLN, "-1E39", "-1E39", nullptr, kNormal}};
  for (const auto& row : rows) {
    CalculatorWindow w(row.window);
    Type(w, row.kva, row.volts, row.pf);
    w.controls.txtAmps.SetText("earlier");
    RecordingBox box;
    EXPECT_THROW(w.cmdSolve_Click(box), runtime::ArithmeticError) << ClassName(row.window);
    EXPECT_EQ(w.controls.txtAmps.text, "earlier") << "no box is rewritten";
    EXPECT_EQ(w.controls.txtAmps.back_colour, row.amps_colour) << "a zero guard's mark stays";
    EXPECT_TRUE(box.prompts.empty());
  }
}

class ClearTest : public ::testing::TestWithParam<WindowClass> {};

TEST_P(ClearTest, MarksAreStickyUntilClear) {
  CalculatorWindow w(GetParam());
  RecordingBox box;
  const bool pf = HasPowerFactor(GetParam());
  Type(w, "999999", "1", pf ? ".005" : nullptr);  // every mark: a refused PF, a result too large
  w.cmdSolve_Click(box);
  Type(w, "5", "230", pf ? "1" : nullptr);
  w.cmdSolve_Click(box);
  EXPECT_EQ(w.controls.lblMsg.caption, "exceeded 9.99x10^5 Amps");
  EXPECT_EQ(w.controls.txtAmps.back_colour, kMarked);
  if (pf) {
    EXPECT_EQ(w.controls.lbl8.caption, " Invalid PF value");
    EXPECT_EQ(w.controls.txtPF.back_colour, kMarked);
  }

  w.cmdClear_Click();
  const Controls& c = w.controls;
  for (const auto* box : {&c.txtKVA, &c.txtVolts, &c.txtPF, &c.txtAmps})
    EXPECT_EQ(box->text, "");
  EXPECT_EQ(c.lbl8.caption, "");
  EXPECT_EQ(c.lblMsg.caption, "");
  EXPECT_EQ(c.txtAmps.back_colour, kNormal);
  EXPECT_EQ(c.txtPF.back_colour, kNormal);
  EXPECT_EQ(c.lbl8.back_colour, kRest);
}

INSTANTIATE_TEST_SUITE_P(Windows, ClearTest, ::testing::ValuesIn(kWindowClasses),
                         [](const auto& info) { return std::string(ClassName(info.param)); });

}  // namespace
}  // namespace quillmark::calc

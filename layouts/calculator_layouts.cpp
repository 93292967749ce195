#include "layouts/calculator_layouts.h"

#include <array>

namespace quillmark::layouts {
namespace {

namespace colours = runtime::colours;
using namespace fonts;  // the stored fonts, named by their use

constexpr runtime::Colour kFrameCaption = 0x000080FF;  // orange

// clang-format off
// name, kind, container, text, font, left, top, width, height, fore, back, alignment,
// maximum length, tab index
constexpr ControlLayout k3PhLLControls[] = {
    {"Label1", Kind::kLabel, "", "Convert  kVA to Amps in 3 Phase Circuits with  L- L Voltage", kTitleFont, 120, 352, 9555, 375, 0x00808080, kStandardColour, Align::kCentre, 0, 21},
    {"Frame2", Kind::kFrame, "", "Input Values", kFrameFont, 243, 1200, 10095, 2055, kFrameCaption, kStandardColour, Align::kLeft, 0, 11},
    {"lblKVA2", Kind::kLabel, "Frame2", "kVA", kHeadingFont, 960, 405, 975, 375, kStandardColour, kStandardColour, Align::kCentre, 0, 19},
    {"txtKVA", Kind::kTextBox, "Frame2", "", kBoxFont, 2040, 360, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kKvaBoxLength, 0},
    {"lblKVA3", Kind::kLabel, "Frame2", "kVA", kUnitFont, 3240, 480, 615, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 18},
    {"lblVoltage", Kind::kLabel, "Frame2", "Voltage L- L", kHeadingFont, 4920, 405, 1575, 375, kStandardColour, kStandardColour, Align::kLeft, 0, 17},
    {"txtVolts", Kind::kTextBox, "Frame2", "", kBoxFont, 6600, 360, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kVoltsBoxLength, 1},
    {"lblVolts", Kind::kLabel, "Frame2", "Volts", kUnitFont, 7800, 480, 735, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 16},
    {"lblPF", Kind::kLabel, "Frame2", "Power Factor", kHeadingFont, 120, 1200, 1695, 375, kStandardColour, kStandardColour, Align::kLeft, 0, 15},
    {"txtPF", Kind::kTextBox, "Frame2", "", kBoxFont, 2040, 1200, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kPowerFactorBoxLength, 2},
    {"lblPF4", Kind::kLabel, "Frame2", "PF", kUnitFont, 3120, 1320, 375, 255, kStandardColour, kStandardColour, Align::kCentre, 0, 12},
    {"Label7", Kind::kLabel, "Frame2", "Valid PF  Values  0.01  to 1.00", kUnitBoldFont, 3600, 1320, 3135, 495, 0x00808080, kStandardColour, Align::kCentre, 0, 14},
    {"lbl8", Kind::kLabel, "Frame2", "", kTitleFont, 6840, 1200, 3015, 500, 0x00FFFFFF, colours::kMenuBackground, Align::kCentre, 0, 13},
    {"Frame1", Kind::kFrame, "", "Result", kFrameFont, 360, 3480, 6900, 3135, kFrameCaption, kStandardColour, Align::kLeft, 0, 5},
    {"lblMsg", Kind::kLabel, "Frame1", "", kTitleFont, 1200, 240, 5295, 375, 0x00404040, kStandardColour, Align::kCentre, 0, 22},
    {"lblAmps2", Kind::kLabel, "Frame1", "Current  =", kCurrentFont, 1560, 960, 1575, 375, kStandardColour, kStandardColour, Align::kCentre, 0, 9},
    {"txtAmps", Kind::kTextBox, "Frame1", "", kBoxFont, 3360, 840, 1200, 500, kStandardColour, kStandardColour, Align::kLeft, calc::kAmpsBoxLength, 7},
    {"lblAmps3", Kind::kLabel, "Frame1", "Amps", kUnitBoldFont, 4620, 960, 735, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 8},
    {"lblPowerEq", Kind::kLabel, "Frame1", " Current (I ) = kVA  x 1000 / 1.732  x  Voltage (L-L) x  Power Factor", kEquationFont, 120, 1920, 6615, 250, kStandardColour, colours::kInactiveBorder, Align::kCentre, 0, 10},
    {"cmdSolve", Kind::kButton, "", "&Solve", kButtonFont, 7920, 3840, 1455, 495, kStandardColour, kStandardColour, Align::kLeft, 0, 3},
    {"cmdClear", Kind::kButton, "", "&Clear", kButtonFont, 7920, 4680, 1455, 495, kStandardColour, kStandardColour, Align::kLeft, 0, 4},
    {"cmdBackMainPage", Kind::kButton, "", "&Back to Main Page", kButtonFont, 7680, 5400, 2175, 615, kStandardColour, kStandardColour, Align::kLeft, 0, 6},
    {"lblInfo1", Kind::kLabel, "", "www.norvanta.example", kCreditFont, 7560, 6360, 2775, 375, 0x00C0C0C0, kStandardColour, Align::kCentre, 0, 20},
};

constexpr ControlLayout k3PhLNControls[] = {
    {"Label1", Kind::kLabel, "", "Convert  kVA to Amps in 3 Phase Circuits with  L- N Voltage", kTitleFont, 120, 345, 9555, 375, 0x00808080, kStandardColour, Align::kCentre, 0, 21},
    {"Frame2", Kind::kFrame, "", "Input Values", kFrameFont, 240, 1175, 10095, 2055, kFrameCaption, kStandardColour, Align::kLeft, 0, 11},
    {"lblKVA2", Kind::kLabel, "Frame2", "kVA", kHeadingFont, 960, 405, 975, 375, kStandardColour, kStandardColour, Align::kCentre, 0, 19},
    {"txtKVA", Kind::kTextBox, "Frame2", "", kBoxFont, 2040, 360, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kKvaBoxLength, 0},
    {"lblKVA3", Kind::kLabel, "Frame2", "kVA", kUnitFont, 3360, 480, 615, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 18},
    {"lblVoltage", Kind::kLabel, "Frame2", "Voltage L-N", kHeadingFont, 4920, 405, 1575, 375, kStandardColour, kStandardColour, Align::kLeft, 0, 17},
    {"txtVolts", Kind::kTextBox, "Frame2", "", kBoxFont, 6600, 360, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kVoltsBoxLength, 1},
    {"lblVolts", Kind::kLabel, "Frame2", "Volts", kUnitFont, 7920, 480, 735, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 16},
    {"lblPF", Kind::kLabel, "Frame2", "Power Factor", kHeadingFont, 120, 1200, 1695, 375, kStandardColour, kStandardColour, Align::kLeft, 0, 15},
    {"txtPF", Kind::kTextBox, "Frame2", "", kBoxFont, 2040, 1200, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kPowerFactorBoxLength, 2},
    {"lblPF4", Kind::kLabel, "Frame2", "PF", kUnitFont, 3240, 1320, 375, 255, kStandardColour, kStandardColour, Align::kCentre, 0, 12},
    {"Label7", Kind::kLabel, "Frame2", "Valid PF  Values  0.01  to 1.00", kUnitBoldFont, 3600, 1320, 3135, 495, 0x00808080, kStandardColour, Align::kCentre, 0, 14},
    {"lbl8", Kind::kLabel, "Frame2", "", kTitleFont, 6840, 1200, 3015, 500, 0x00FFFFFF, colours::kButtonFace, Align::kLeft, 0, 13},
    {"Frame1", Kind::kFrame, "", "Result", kFrameFont, 479, 3406, 6900, 3135, kFrameCaption, kStandardColour, Align::kLeft, 0, 5},
    {"lblMsg", Kind::kLabel, "Frame1", "", kTitleFont, 1200, 240, 5295, 375, 0x00404040, kStandardColour, Align::kCentre, 0, 22},
    {"lblAmps2", Kind::kLabel, "Frame1", "Current  =", kCurrentFont, 1560, 960, 1575, 375, kStandardColour, colours::kInactiveBorder, Align::kCentre, 0, 9},
    {"txtAmps", Kind::kTextBox, "Frame1", "", kBoxFont, 3360, 840, 1200, 500, kStandardColour, kStandardColour, Align::kLeft, calc::kAmpsBoxLength, 7},
    {"lblAmps3", Kind::kLabel, "Frame1", "Amps", kUnitBoldFont, 4920, 960, 735, 255, kStandardColour, colours::kInactiveBorder, Align::kLeft, 0, 8},
    {"lblPowerEq", Kind::kLabel, "Frame1", " Current (I ) = kVA  x 1000 /  3 x Voltage (L-N) x  Power Factor", kEquationFont, 360, 1920, 6255, 250, kStandardColour, colours::kInactiveBorder, Align::kCentre, 0, 10},
    {"cmdSolve", Kind::kButton, "", "&Solve", kButtonFont, 7920, 3855, 1455, 495, kStandardColour, kStandardColour, Align::kLeft, 0, 3},
    {"cmdClear", Kind::kButton, "", "&Clear", kButtonFont, 7920, 4695, 1455, 495, kStandardColour, kStandardColour, Align::kLeft, 0, 4},
    {"cmdBackMainPage", Kind::kButton, "", "&Back to Main Page", kButtonFont, 7680, 5415, 2175, 615, kStandardColour, kStandardColour, Align::kLeft, 0, 6},
    {"lblInfo1", Kind::kLabel, "", "www.norvanta.example", kCreditFont, 7560, 6375, 2775, 375, 0x00C0C0C0, kStandardColour, Align::kCentre, 0, 20},
};

constexpr ControlLayout k1PhKvaControls[] = {
    {"Label1", Kind::kLabel, "", "Convert  kVA to Amps  in 1 Ph Circuits", kTitleFont, 240, 345, 9555, 375, 0x00808080, kStandardColour, Align::kCentre, 0, 19},
    {"Frame2", Kind::kFrame, "", "Input Values", kFrameFont, 240, 1175, 10095, 2055, kFrameCaption, kStandardColour, Align::kLeft, 0, 0},
    {"lblKVA2", Kind::kLabel, "Frame2", "kVA", kHeadingFont, 960, 405, 975, 375, kStandardColour, kStandardColour, Align::kCentre, 0, 7},
    {"txtKVA", Kind::kTextBox, "Frame2", "", kBoxFont, 2040, 360, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kKvaBoxLength, 1},
    {"lblKVA3", Kind::kLabel, "Frame2", "kVA", kUnitFont, 3240, 480, 615, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 8},
    {"lblVoltage", Kind::kLabel, "Frame2", "Voltage L-N", kHeadingFont, 4920, 405, 1575, 375, kStandardColour, kStandardColour, Align::kLeft, 0, 9},
    {"txtVolts", Kind::kTextBox, "Frame2", "", kBoxFont, 6600, 360, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kVoltsBoxLength, 2},
    {"lblVolts", Kind::kLabel, "Frame2", "Volts", kUnitFont, 7680, 480, 735, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 10},
    {"lblPF", Kind::kLabel, "Frame2", "Power Factor", kHeadingFont, 120, 1200, 1695, 375, kStandardColour, kStandardColour, Align::kLeft, 0, 11},
    {"txtPF", Kind::kTextBox, "Frame2", "", kBoxFont, 2040, 1200, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kPowerFactorBoxLength, 3},
    {"lblPF4", Kind::kLabel, "Frame2", "PF", kUnitFont, 3120, 1320, 375, 255, kStandardColour, kStandardColour, Align::kCentre, 0, 21},
    {"Label7", Kind::kLabel, "Frame2", "Valid PF  Values  0.01  to 1.00", kUnitBoldFont, 3600, 1320, 3135, 495, 0x00808080, kStandardColour, Align::kCentre, 0, 12},
    {"lbl8", Kind::kLabel, "Frame2", "", kTitleFont, 6840, 1200, 3015, 500, 0x00FFFFFF, colours::kMenuBackground, Align::kCentre, 0, 13},
    {"Frame1", Kind::kFrame, "", "Result", kFrameFont, 480, 3406, 6900, 3135, kFrameCaption, kStandardColour, Align::kLeft, 0, 14},
    {"lblMsg", Kind::kLabel, "Frame1", "", kTitleFont, 1080, 240, 5415, 495, 0x00404040, kStandardColour, Align::kCentre, 0, 22},
    {"lblAmps2", Kind::kLabel, "Frame1", "Current  =", kCurrentFont, 1560, 960, 1575, 375, kStandardColour, colours::kInactiveBorder, Align::kCentre, 0, 17},
    {"txtAmps", Kind::kTextBox, "Frame1", "", kBoxFont, 3360, 840, 1200, 500, kStandardColour, kStandardColour, Align::kLeft, calc::kAmpsBoxLength, 15},
    {"lblAmps3", Kind::kLabel, "Frame1", "Amps", kUnitBoldFont, 4680, 960, 735, 255, kStandardColour, colours::kInactiveBorder, Align::kLeft, 0, 18},
    {"lblPowerEq", Kind::kLabel, "Frame1", " Current (I ) = kVA  x 1000 / Voltage (L-N) x  Power Factor", kEquationFont, 360, 1920, 6255, 250, kStandardColour, colours::kInactiveBorder, Align::kCentre, 0, 16},
    {"cmdSolve", Kind::kButton, "", "&Solve", kButtonFont, 8040, 3840, 1455, 495, kStandardColour, kStandardColour, Align::kLeft, 0, 4},
    {"cmdClear", Kind::kButton, "", "&Clear", kButtonFont, 8040, 4680, 1455, 495, kStandardColour, kStandardColour, Align::kLeft, 0, 5},
    {"cmdBackMainPage", Kind::kButton, "", "&Back to Main Page", kButtonFont, 7800, 5400, 2175, 615, kStandardColour, kStandardColour, Align::kLeft, 0, 6},
    {"lblInfo1", Kind::kLabel, "", "www.norvanta.example", kCreditFont, 7680, 6360, 2775, 375, 0x00C0C0C0, kStandardColour, Align::kCentre, 0, 20},
};

constexpr ControlLayout k1PhKwControls[] = {
    {"Label1", Kind::kLabel, "", "Convert  kW to Amps in 1 Phase Circuits with  L- N  Voltage", kTitleFont, 0, 0, 9555, 375, 0x00808080, kStandardColour, Align::kCentre, 0, 17},
    {"Frame2", Kind::kFrame, "", "Input Values", kFrameFont, 123, 848, 10095, 2055, kFrameCaption, kStandardColour, Align::kLeft, 0, 0},
    {"lblKVA2", Kind::kLabel, "Frame2", "kW", kHeadingFont, 960, 405, 975, 375, kStandardColour, kStandardColour, Align::kCentre, 0, 6},
    {"txtKVA", Kind::kTextBox, "Frame2", "", kBoxFont, 2040, 360, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kKvaBoxLength, 1},
    {"lblKVA3", Kind::kLabel, "Frame2", "kW", kUnitFont, 3240, 480, 615, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 7},
    {"lblVoltage", Kind::kLabel, "Frame2", "Voltage L- N", kHeadingFont, 4920, 405, 1575, 375, kStandardColour, kStandardColour, Align::kLeft, 0, 8},
    {"txtVolts", Kind::kTextBox, "Frame2", "", kBoxFont, 6600, 360, 1000, 500, kStandardColour, kStandardColour, Align::kCentre, calc::kVoltsBoxLength, 2},
    {"lblVolts", Kind::kLabel, "Frame2", "Volts", kUnitFont, 7800, 480, 735, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 9},
    {"lbl8", Kind::kLabel, "Frame2", "", kTitleFont, 6840, 1200, 3015, 500, 0x00FFFFFF, colours::kMenuBackground, Align::kCentre, 0, 10},
    {"Frame1", Kind::kFrame, "", "Result", kFrameFont, 240, 3128, 6900, 3135, kFrameCaption, kStandardColour, Align::kLeft, 0, 11},
    {"lblMsg", Kind::kLabel, "Frame1", "", kTitleFont, 1200, 240, 5295, 375, 0x00404040, kStandardColour, Align::kCentre, 0, 13},
    {"lblAmps2", Kind::kLabel, "Frame1", "Current  =", kCurrentFont, 1560, 960, 1575, 375, kStandardColour, kStandardColour, Align::kCentre, 0, 15},
    {"txtAmps", Kind::kTextBox, "Frame1", "", kBoxFont, 3360, 840, 1200, 500, kStandardColour, kStandardColour, Align::kLeft, calc::kAmpsBoxLength, 12},
    {"lblAmps3", Kind::kLabel, "Frame1", "Amps", kUnitBoldFont, 4620, 960, 735, 255, kStandardColour, kStandardColour, Align::kLeft, 0, 16},
    {"lblPowerEq", Kind::kLabel, "Frame1", " Current (I ) = kW  x 1000 /   Voltage (L-N) ", kEquationFont, 120, 1920, 6615, 250, kStandardColour, colours::kInactiveBorder, Align::kCentre, 0, 14},
    {"cmdSolve", Kind::kButton, "", "&Solve", kButtonFont, 7800, 3488, 1455, 495, kStandardColour, kStandardColour, Align::kLeft, 0, 3},
    {"cmdClear", Kind::kButton, "", "&Clear", kButtonFont, 7800, 4328, 1455, 495, kStandardColour, kStandardColour, Align::kLeft, 0, 4},
    {"cmdBackMainPage", Kind::kButton, "", "&Back to Main Page", kButtonFont, 7560, 5048, 2175, 615, kStandardColour, kStandardColour, Align::kLeft, 0, 5},
    {"lblInfo1", Kind::kLabel, "", "www.norvanta.example", kCreditFont, 7440, 6008, 2775, 375, 0x00C0C0C0, kStandardColour, Align::kCentre, 0, 18},
};

// clang-format on

constexpr std::array<WindowLayout, 4> kLayouts = {{
    {"frmKVAtoAmps3PhLL",
     "Norvanta's Quillmark - Convert  kVA to Amps in 3 Phase Circuits with  L-L Voltage",
     k3PhLLControls},
    {"frmKVAtoAmps3PhLN",
     "Norvanta's Quillmark - Convert  kVA to Amps in 3 Phase Circuits with  L-N Voltage",
     k3PhLNControls},
    {"frmKWtoAmps1PhLN", "Norvanta's Quillmark - kVA to Amps for 1 Phase Circuits",
     k1PhKvaControls},
    {"frmKVAtoAmps1PhLN",
     "Norvanta's Quillmark - Convert  kW to Amps in 1 Phase Circuits with  L-N Voltage",
     k1PhKwControls},
}};

}  // namespace

const WindowLayout& CalculatorLayout(calc::WindowClass window) {
  return kLayouts[static_cast<std::size_t>(window)];
}

void LoadInitialContents(calc::Controls& controls, calc::WindowClass window) {
  for (const ControlLayout& row : CalculatorLayout(window).controls) {
    if (runtime::TextBox* box = controls.BoxNamed(row.name)) {
      box->text = row.text;
      box->back_colour = BackColour(row);
    } else if (runtime::Label* label = controls.LabelNamed(row.name)) {
      label->caption = row.text;
      label->back_colour = BackColour(row);
    }
  }
  controls.focus = calc::Focusable::txtKVA;
}

}  // namespace quillmark::layouts

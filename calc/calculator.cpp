#include "calc/calculator.h"

#include <utility>

#include "runtime/format.h"
#include "runtime/single.h"
#include "runtime/val.h"

namespace quillmark::calc {
namespace {

using runtime::Format;
using runtime::ToSingle;
using runtime::Val;
namespace colours = runtime::colours;

struct WindowInfo {
  WindowClass window;
  std::string_view name;
  bool has_power_factor;
  // The denominator of Amps = KVA * 1000 / denominator, in the window's order of operations.
  double (*denominator)(const Values&);
};

constexpr float kKilo = 1000.0f;
constexpr double kLineToLineFactor = 1.732;
constexpr float kLineToNeutralFactor = 3.0f;

constexpr std::array<WindowInfo, 4> kWindows = {{
    {WindowClass::frmKVAtoAmps3PhLL, "frmKVAtoAmps3PhLL", true,
     [](const Values& v) { return double{v.Volts} * kLineToLineFactor * double{v.PF}; }},
    {WindowClass::frmKVAtoAmps3PhLN, "frmKVAtoAmps3PhLN", true,
     [](const Values& v) { return double{v.Volts} * double{kLineToNeutralFactor} * double{v.PF}; }},
    {WindowClass::frmKWtoAmps1PhLN, "frmKWtoAmps1PhLN", true,
     [](const Values& v) { return double{v.PF} * double{v.Volts}; }},
    {WindowClass::frmKVAtoAmps1PhLN, "frmKVAtoAmps1PhLN", false,
     [](const Values& v) { return double{v.Volts}; }},
}};

// One row per window class, in the order of the enum, which indexes the table.
static_assert(kWindows.size() == kWindowClasses.size());

const WindowInfo& InfoOf(WindowClass window) {
  return kWindows[static_cast<std::size_t>(window)];
}

constexpr std::string_view kResultPattern = "#####0.0";
constexpr std::string_view kPowerFactorPattern = "0.00";
constexpr std::string_view kVoltsPattern = "####0";

constexpr std::string_view kInvalidPowerFactor = " Invalid PF value";
constexpr std::string_view kPowerFactorPrompt = "PF value should be between 0.01 and 1.00 ";
constexpr std::string_view kInvalidVoltage = "Invalid Voltage value";
constexpr std::string_view kResultTooLarge = "exceeded 9.99x10^5 Amps";
constexpr double kResultLimit = 999990.0;

// Power factors that are too small to show as anything but 0.01 and are refused by value.
constexpr std::array kRefusedPowerFactors = {0.005f, 0.006f, 0.007f, 0.008f, 0.009f};

// The captions of the power checks: the first for a power at or below 0, the second for
// one at or below -1.
struct PowerCaptions {
  std::string_view not_positive;
  std::string_view at_most_minus_one;
};
constexpr PowerCaptions kKvaCaptions = {" Invalid kVA value", "Invalid kVA value"};
constexpr PowerCaptions kKwCaptions = {"Invalid kW value", "Invalid kW value"};

void MarkInputMessage(Controls& c, std::string_view caption) {
  c.lbl8.caption = caption;
  c.lbl8.back_colour = colours::kGrey;
}

void ApplyZeroVoltageGuard(Controls& c, Values& v) {
  if (v.Volts == 0.0f) {
    v.Volts = ToSingle(1e-10);
    c.txtAmps.back_colour = colours::kWindowText;
  }
}

void ComputeAndShowAmps(Controls& c, Values& v, const WindowInfo& info) {
  v.Amps = runtime::CheckedQuotient(double{v.KVA} * double{kKilo}, info.denominator(v));
  c.txtAmps.SetText(Format(v.Amps, kResultPattern));
}

void CheckPowerFactor(Controls& c, const Values& v, runtime::MessageBox& box) {
  const auto warn = [&c] {
    MarkInputMessage(c, kInvalidPowerFactor);
    c.txtAmps.back_colour = colours::kWindowText;
  };
  const double shown = Val(c.txtPF.text);
  if (shown > 1.0) {
    warn();
    box.Show(kPowerFactorPrompt);
  }
  if (shown == 0.0) {
    warn();
    box.Show(kPowerFactorPrompt);
  }
  if (shown < 0.0) {
    warn();
    c.txtPF.back_colour = colours::kWindowText;
    box.Show(kPowerFactorPrompt);
  }
  for (float refused : kRefusedPowerFactors) {
    if (v.PF == refused) {
      warn();
      c.txtPF.back_colour = colours::kWindowText;
      box.Show(kPowerFactorPrompt);
    }
  }
}

// The checks on the power, the voltage and the result, shared by every window.
void CheckInputsAndResult(Controls& c, const PowerCaptions& power) {
  const double kva = Val(c.txtKVA.text);
  const double volts = Val(c.txtVolts.text);
  if (kva <= 0.0) {
    MarkInputMessage(c, power.not_positive);
    c.txtAmps.back_colour = colours::kWindowText;
  }
  if (volts <= 0.0)
    MarkInputMessage(c, kInvalidVoltage);
  if (kva <= -1.0)
    MarkInputMessage(c, power.at_most_minus_one);
  if (volts <= -1.0)
    MarkInputMessage(c, kInvalidVoltage);
  const double amps = Val(c.txtAmps.text);
  if (amps > kResultLimit) {
    c.lblMsg.caption = kResultTooLarge;
    c.txtAmps.back_colour = colours::kWindowText;
  }
  if (amps <= -1.0)
    c.txtAmps.back_colour = colours::kWindowText;
}

void SolveKva(Controls& c, Values& v, const WindowInfo& info, runtime::MessageBox& box) {
  v.Volts = ToSingle(Val(c.txtVolts.text));
  v.PF = ToSingle(Val(c.txtPF.text));
  v.KVA = ToSingle(Val(c.txtKVA.text));
  c.focus = Focusable::cmdClear;
  ApplyZeroVoltageGuard(c, v);
  if (v.PF == 0.0f) {
    v.PF = ToSingle(1e-7);
    c.txtAmps.back_colour = colours::kWindowText;
  }
  ComputeAndShowAmps(c, v, info);
  c.txtPF.SetText(Format(v.PF, kPowerFactorPattern));
  c.txtVolts.SetText(Format(v.Volts, kVoltsPattern));
  CheckPowerFactor(c, v, box);
  CheckInputsAndResult(c, kKvaCaptions);
}

void SolveKw(Controls& c, Values& v, const WindowInfo& info) {
  v.Volts = ToSingle(Val(c.txtVolts.text));
  v.KVA = ToSingle(Val(c.txtKVA.text));
  c.focus = Focusable::cmdClear;
  ApplyZeroVoltageGuard(c, v);
  ComputeAndShowAmps(c, v, info);
  c.txtVolts.SetText(Format(v.Volts, kVoltsPattern));
  CheckInputsAndResult(c, kKwCaptions);
}

constexpr std::array<std::pair<Focusable, std::string_view>, 7> kFocusableNames = {{
    {Focusable::txtKVA, "txtKVA"},
    {Focusable::txtVolts, "txtVolts"},
    {Focusable::txtPF, "txtPF"},
    {Focusable::txtAmps, "txtAmps"},
    {Focusable::cmdSolve, "cmdSolve"},
    {Focusable::cmdClear, "cmdClear"},
    {Focusable::cmdBackMainPage, "cmdBackMainPage"},
}};

}  // namespace

runtime::TextBox* Controls::BoxNamed(std::string_view name) {
  for (auto [box_name, box] : {std::pair{"txtKVA", &txtKVA}, std::pair{"txtVolts", &txtVolts},
                               std::pair{"txtPF", &txtPF}, std::pair{"txtAmps", &txtAmps}}) {
    if (name == box_name)
      return box;
  }
  return nullptr;
}

runtime::Label* Controls::LabelNamed(std::string_view name) {
  if (name == "lbl8")
    return &lbl8;
  if (name == "lblMsg")
    return &lblMsg;
  return nullptr;
}

std::string_view NameOf(Focusable focus) {
  for (const auto& [candidate, name] : kFocusableNames) {
    if (candidate == focus)
      return name;
  }
  return {};
}

std::optional<Focusable> FocusableNamed(std::string_view name) {
  for (const auto& [focus, candidate] : kFocusableNames) {
    if (candidate == name)
      return focus;
  }
  return std::nullopt;
}

std::string_view ClassName(WindowClass window) {
  return InfoOf(window).name;
}

bool HasPowerFactor(WindowClass window) {
  return InfoOf(window).has_power_factor;
}

void CalculatorWindow::cmdClear_Click() {
  auto& c = controls;
  const bool pf = HasPowerFactor(class_);
  c.txtVolts.SetText("");
  c.txtAmps.SetText("");
  c.txtKVA.SetText("");
  if (pf)
    c.txtPF.SetText("");
  c.lbl8.caption.clear();
  c.lblMsg.caption.clear();
  c.txtAmps.back_colour = colours::kWindowBackground;
  if (pf)
    c.txtPF.back_colour = colours::kWindowBackground;
  c.lbl8.back_colour = colours::kMenuBackground;
}

void CalculatorWindow::cmdSolve_Click(runtime::MessageBox& box) {
  const WindowInfo& info = InfoOf(class_);
  if (info.has_power_factor) {
    SolveKva(controls, values, info, box);
  } else {
    SolveKw(controls, values, info);
  }
}

}  // namespace quillmark::calc

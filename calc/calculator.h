#pragma once

// Quillmark finds the current a load draws. The pieces, from the person inwards:
//   app/      start-up, the main menu, one instance per window class, navigation
//   forms/    the four calculator windows, built from layout tables, mirroring a model
//   calc/     this model: what a calculator window holds, and its Clear and Solve
//   runtime/  number parsing (Val), formatting (Format), single-precision stores, the
//             message box interface and the text boxes and labels the procedures write
// calc/ and runtime/ use only the C++ standard library, so they run without windows.

#include <array>
#include <optional>
#include <string_view>

#include "runtime/controls.h"
#include "runtime/message_box.h"

namespace quillmark::calc {

// The four calculator window classes. The last two names run against their contents:
// frmKWtoAmps1PhLN is the single-phase kVA calculator, frmKVAtoAmps1PhLN the kW one.
enum class WindowClass {
  frmKVAtoAmps3PhLL,
  frmKVAtoAmps3PhLN,
  frmKWtoAmps1PhLN,
  frmKVAtoAmps1PhLN
};

inline constexpr std::array kWindowClasses = {
    WindowClass::frmKVAtoAmps3PhLL, WindowClass::frmKVAtoAmps3PhLN, WindowClass::frmKWtoAmps1PhLN,
    WindowClass::frmKVAtoAmps1PhLN};

std::string_view ClassName(WindowClass window);

// Whether the window asks for a power factor: the three kVA windows do, the kW one not.
bool HasPowerFactor(WindowClass window);

// The controls that can hold the keyboard focus.
enum class Focusable { txtKVA, txtVolts, txtPF, txtAmps, cmdSolve, cmdClear, cmdBackMainPage };

// Maximum lengths of the text boxes, in characters.
inline constexpr std::size_t kKvaBoxLength = 6;
inline constexpr std::size_t kVoltsBoxLength = 5;
inline constexpr std::size_t kPowerFactorBoxLength = 4;
inline constexpr std::size_t kAmpsBoxLength = 8;

// What the procedures read and write of a window's controls. A window without a power
// factor has a txtPF here all the same; nothing reads or writes it there.
struct Controls {
  runtime::TextBox txtKVA{kKvaBoxLength};
  runtime::TextBox txtVolts{kVoltsBoxLength};
  runtime::TextBox txtPF{kPowerFactorBoxLength};
  runtime::TextBox txtAmps{kAmpsBoxLength};
  runtime::Label lbl8{runtime::colours::kMenuBackground};
  runtime::Label lblMsg{};
  Focusable focus = Focusable::txtKVA;

  // The controls by the names their windows give them; null for another name.
  runtime::TextBox* BoxNamed(std::string_view name);
  runtime::Label* LabelNamed(std::string_view name);
  const runtime::TextBox* BoxNamed(std::string_view name) const {
    return const_cast<Controls*>(this)->BoxNamed(name);
  }
  const runtime::Label* LabelNamed(std::string_view name) const {
    return const_cast<Controls*>(this)->LabelNamed(name);
  }
};

// The names of the controls that can hold the focus.
std::string_view NameOf(Focusable focus);
std::optional<Focusable> FocusableNamed(std::string_view name);

// The calculator values, single precision as the procedures keep them.
struct Values {
  float Volts = 0.0f;
  float Amps = 0.0f;
  float PF = 0.0f;
  float KVA = 0.0f;
};

// One calculator window's state and its two procedures. The state lives as long as the
// window's instance; the window layer shows it on real controls and may rebuild them.
class CalculatorWindow {
 public:
  explicit CalculatorWindow(WindowClass window) : class_(window) {}

  WindowClass window_class() const { return class_; }

  // Empties the boxes and message labels and restores the normal colours.
  void cmdClear_Click();

  // Computes the current from the boxes, rewrites them and checks what they show. Throws
  // runtime::ArithmeticError when the result cannot be stored; what was written before
  // stays. Whenever `box` is shown, all that came before it is already in `controls`.
  void cmdSolve_Click(runtime::MessageBox& box);

  Controls controls;
  Values values;

 private:
  WindowClass class_;
};

}  // namespace quillmark::calc

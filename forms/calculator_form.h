#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/calculator.h"
#include "forms/layout_window.h"
#include "forms/procedure_messages.h"

namespace quillmark::forms {

// A calculator window on screen. It is built from its class's layout and shows the state
// of a model that outlives it: after each procedure the model's texts, captions, colours and
// focus are mirrored onto the controls, and behind each of its message boxes the state they
// had when the procedure raised it; what the person types goes into the model's texts.
class CalculatorForm : public LayoutWindow {
  Q_OBJECT

 public:
  // `model` must outlive the window. Building the window gives the model's controls the
  // layout's initial contents; the model's values are left as they are.
  explicit CalculatorForm(calc::CalculatorWindow& model);

  calc::CalculatorWindow& model() { return model_; }

  // Shows the model's state, or a state it had, on the controls.
  void Mirror();
  void Mirror(const calc::Controls& state);

  // The controls, by their names; those a window lacks are null.
  QLabel *Label1, *lblKVA2, *lblKVA3, *lblVoltage, *lblVolts, *lblPF, *lblPF4, *Label7, *lbl8,
      *lblMsg, *lblAmps2, *lblAmps3, *lblPowerEq, *lblInfo1;
  QGroupBox *Frame1, *Frame2;
  QLineEdit *txtKVA, *txtVolts, *txtPF, *txtAmps;
  QPushButton *cmdSolve, *cmdClear, *cmdBackMainPage;

 signals:
  // Back to Main Page was pressed; the window itself stays as it is.
  void backToMainPage();

 private:
  void BindControls();
  void DescribeForAssistiveTechnology();
  void LoadModelControls();
  void ConnectTyping();
  void TakeFocusFromWidgets();
  void cmdSolve_Click();
  void cmdClear_Click();
  PendingMessage OverflowMessage() const;

  calc::CalculatorWindow& model_;
  bool mirroring_ = false;
};

}  // namespace quillmark::forms

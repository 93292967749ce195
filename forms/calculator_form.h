#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/calculator.h"
#include "forms/layout_window.h"

namespace quillmark::forms {

// A calculator window on screen. It is built from its class's layout and shows the state
// of a model that outlives it: after each procedure, and before each message box, the
// model's texts, captions, colours and focus are mirrored onto the controls; what the
// person types goes into the model's texts.
class CalculatorForm : public LayoutWindow {
  Q_OBJECT

 public:
  // `model` must outlive the window. Building the window gives the model's controls the
  // layout's initial contents; the model's values are left as they are.
  explicit CalculatorForm(calc::CalculatorWindow& model);

  calc::CalculatorWindow& model() { return model_; }

  // Shows the model's state on the controls.
  void Mirror();

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
  void ShowOverflow();

  calc::CalculatorWindow& model_;
  bool mirroring_ = false;
};

}  // namespace quillmark::forms

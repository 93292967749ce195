#include "forms/calculator_form.h"

#include <QScopedValueRollback>

#include "forms/accessibility.h"
#include "forms/handlers.h"
#include "forms/procedure_messages.h"
#include "layouts/calculator_layouts.h"
#include "runtime/single.h"

namespace quillmark::forms {
namespace {

// The controls the procedures write, by the names their windows give them.
constexpr std::string_view kProcedureControls[] = {"txtKVA",  "txtVolts", "txtPF",
                                                   "txtAmps", "lbl8",     "lblMsg"};

void MirrorTextBox(QLineEdit* box, const runtime::TextBox& state) {
  if (box == nullptr)
    return;
  const QString text = QString::fromStdString(state.text);
  if (box->text() != text)
    box->setText(text);
  SetBackColour(*box, state.back_colour);
}

void MirrorLabel(QLabel* label, const runtime::Label& state) {
  const QString caption = QString::fromStdString(state.caption);
  const bool new_message = caption != label->text() && !caption.isEmpty();
  label->setText(caption);
  SetBackColour(*label, state.back_colour);
  if (new_message)
    accessibility::Announce(*label, caption);
}

}  // namespace

CalculatorForm::CalculatorForm(calc::CalculatorWindow& model)
    : LayoutWindow(layouts::CalculatorLayout(model.window_class())), model_(model) {
  BindControls();
  DescribeForAssistiveTechnology();
  LoadModelControls();
  ConnectTyping();
  connect(cmdSolve, &QPushButton::clicked, this,
          [this] { RunHandler([this] { cmdSolve_Click(); }); });
  connect(cmdClear, &QPushButton::clicked, this,
          [this] { RunHandler([this] { cmdClear_Click(); }); });
  connect(cmdBackMainPage, &QPushButton::clicked, this,
          [this] { RunHandler([this] { emit backToMainPage(); }); });
  Mirror();
}

void CalculatorForm::BindControls() {
  Label1 = control_as<QLabel>("Label1");
  lblKVA2 = control_as<QLabel>("lblKVA2");
  lblKVA3 = control_as<QLabel>("lblKVA3");
  lblVoltage = control_as<QLabel>("lblVoltage");
  lblVolts = control_as<QLabel>("lblVolts");
  lblPF = control_as<QLabel>("lblPF");
  lblPF4 = control_as<QLabel>("lblPF4");
  Label7 = control_as<QLabel>("Label7");
  lbl8 = control_as<QLabel>("lbl8");
  lblMsg = control_as<QLabel>("lblMsg");
  lblAmps2 = control_as<QLabel>("lblAmps2");
  lblAmps3 = control_as<QLabel>("lblAmps3");
  lblPowerEq = control_as<QLabel>("lblPowerEq");
  lblInfo1 = control_as<QLabel>("lblInfo1");
  Frame1 = control_as<QGroupBox>("Frame1");
  Frame2 = control_as<QGroupBox>("Frame2");
  txtKVA = control_as<QLineEdit>("txtKVA");
  txtVolts = control_as<QLineEdit>("txtVolts");
  txtPF = control_as<QLineEdit>("txtPF");
  txtAmps = control_as<QLineEdit>("txtAmps");
  cmdSolve = control_as<QPushButton>("cmdSolve");
  cmdClear = control_as<QPushButton>("cmdClear");
  cmdBackMainPage = control_as<QPushButton>("cmdBackMainPage");
}

// A screen reader announces each box by the heading the person reads beside it, which labels
// it, and describes it by its unit; the message labels by what they say.
void CalculatorForm::DescribeForAssistiveTechnology() {
  for (const layouts::BoxCaptions& captions : layouts::kBoxCaptions) {
    auto* box = control_as<QLineEdit>(captions.box);
    if (box == nullptr)
      continue;
    auto* heading = control_as<QLabel>(captions.heading);
    heading->setBuddy(box);
    box->setAccessibleName(heading->text().remove('=').simplified());
    box->setAccessibleDescription(control_as<QLabel>(captions.unit)->text());
  }
  for (const layouts::MessageLabel& message : layouts::kMessageLabels) {
    accessibility::MarkAsMessageLabel(*control_as<QLabel>(message.label),
                                      ToQString(message.description));
  }
}

// The model's controls start as the layout has them; the window shows nothing else yet.
void CalculatorForm::LoadModelControls() {
  layouts::LoadInitialContents(model_.controls, model_.window_class());
}

void CalculatorForm::ConnectTyping() {
  for (std::string_view name : kProcedureControls) {
    auto* box = control_as<QLineEdit>(name);
    runtime::TextBox* model_box = model_.controls.BoxNamed(name);
    if (box == nullptr || model_box == nullptr)
      continue;
    // Typing, pasting, input methods and assistive technology all change the text; the
    // window's own mirroring of the model does not count.
    connect(box, &QLineEdit::textChanged, this, [this, model_box](const QString& text) {
      if (!mirroring_)
        model_box->text = text.toStdString();
    });
  }
}

void CalculatorForm::Mirror() {
  Mirror(model_.controls);
}

void CalculatorForm::Mirror(const calc::Controls& state) {
  const QScopedValueRollback mirroring(mirroring_, true);
  for (std::string_view name : kProcedureControls) {
    if (const runtime::TextBox* box = state.BoxNamed(name))
      MirrorTextBox(control_as<QLineEdit>(name), *box);
    if (const runtime::Label* label = state.LabelNamed(name))
      MirrorLabel(control_as<QLabel>(name), *label);
  }
  QWidget* focus = control(calc::NameOf(state.focus));
  if (focus != nullptr && !focus->hasFocus())
    focus->setFocus(Qt::OtherFocusReason);
}

// The model learns where the person left the focus, so that a procedure that does not move
// it leaves it there.
void CalculatorForm::TakeFocusFromWidgets() {
  const QWidget* focused = focusWidget();
  if (focused == nullptr)
    return;
  if (const auto focus = calc::FocusableNamed(focused->objectName().toStdString()))
    model_.controls.focus = *focus;
}

void CalculatorForm::cmdSolve_Click() {
  TakeFocusFromWidgets();
  MessageRecorder messages(model_.controls);
  try {
    model_.cmdSolve_Click(messages);
  } catch (const runtime::ArithmeticError&) {
    messages.Add(OverflowMessage());
  }
  ShowInTurn(
      *this, messages.Take(), [this](const calc::Controls& state) { Mirror(state); },
      [this] { Mirror(); });
}

void CalculatorForm::cmdClear_Click() {
  TakeFocusFromWidgets();
  model_.cmdClear_Click();
  Mirror();
}

// A result too large to store ends the Solve that computed it, and only that: the window
// stays open with what Solve wrote before.
PendingMessage CalculatorForm::OverflowMessage() const {
  return {QMessageBox::Warning, "OverflowBox", ToQString(layouts::kOverflowText),
          ToQString(layouts::kOverflowExplanation), model_.controls};
}

}  // namespace quillmark::forms

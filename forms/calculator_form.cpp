#include "forms/calculator_form.h"

#include <QScopedValueRollback>
#include <optional>

#include "forms/accessibility.h"
#include "forms/calculator_layouts.h"
#include "forms/handlers.h"
#include "forms/procedure_messages.h"
#include "runtime/single.h"

namespace quillmark::forms {
namespace {

// The controls the procedures use, by the names their windows give them: where the model
// keeps each one, and which of them can hold the focus.
struct ProcedureControl {
  std::string_view name;
  runtime::TextBox calc::Controls::*box = nullptr;
  runtime::Label calc::Controls::*label = nullptr;
  std::optional<calc::Focusable> focus;
};
constexpr ProcedureControl kProcedureControls[] = {
    {"txtKVA", &calc::Controls::txtKVA, nullptr, calc::Focusable::txtKVA},
    {"txtVolts", &calc::Controls::txtVolts, nullptr, calc::Focusable::txtVolts},
    {"txtPF", &calc::Controls::txtPF, nullptr, calc::Focusable::txtPF},
    {"txtAmps", &calc::Controls::txtAmps, nullptr, calc::Focusable::txtAmps},
    {"lbl8", nullptr, &calc::Controls::lbl8, std::nullopt},
    {"lblMsg", nullptr, &calc::Controls::lblMsg, std::nullopt},
    {"cmdSolve", nullptr, nullptr, calc::Focusable::cmdSolve},
    {"cmdClear", nullptr, nullptr, calc::Focusable::cmdClear},
    {"cmdBackMainPage", nullptr, nullptr, calc::Focusable::cmdBackMainPage},
};

std::string_view NameOf(calc::Focusable focus) {
  for (const ProcedureControl& control : kProcedureControls) {
    if (control.focus == focus)
      return control.name;
  }
  return {};
}

const ProcedureControl* ProcedureControlNamed(std::string_view name) {
  for (const ProcedureControl& control : kProcedureControls) {
    if (control.name == name)
      return &control;
  }
  return nullptr;
}

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
    : LayoutWindow(CalculatorLayout(model.window_class())), model_(model) {
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
  struct Box {
    QLineEdit* box;
    QLabel* heading;
    QLabel* unit;
  };
  for (const auto& [box, heading, unit] :
       {Box{txtKVA, lblKVA2, lblKVA3}, Box{txtVolts, lblVoltage, lblVolts},
        Box{txtPF, lblPF, lblPF4}, Box{txtAmps, lblAmps2, lblAmps3}}) {
    if (box == nullptr)
      continue;
    heading->setBuddy(box);
    box->setAccessibleName(heading->text().remove('=').simplified());
    box->setAccessibleDescription(unit->text());
  }
  accessibility::MarkAsMessageLabel(*lbl8, tr("Messages about the input values"));
  accessibility::MarkAsMessageLabel(*lblMsg, tr("Messages about the result"));
}

// The model's controls start as the layout has them; the window shows nothing else yet.
void CalculatorForm::LoadModelControls() {
  calc::Controls& state = model_.controls;
  for (const ControlLayout& row : layout().controls) {
    const ProcedureControl* control = ProcedureControlNamed(row.name);
    if (control == nullptr)
      continue;
    if (control->box != nullptr) {
      runtime::TextBox& box = state.*control->box;
      box.text = row.text;
      box.back_colour =
          row.back == kStandardColour ? runtime::colours::kWindowBackground : row.back;
    } else if (control->label != nullptr) {
      runtime::Label& label = state.*control->label;
      label.caption = row.text;
      label.back_colour = row.back == kStandardColour ? runtime::colours::kButtonFace : row.back;
    }
  }
  state.focus = calc::Focusable::txtKVA;
}

void CalculatorForm::ConnectTyping() {
  for (const ProcedureControl& control : kProcedureControls) {
    auto* box = control_as<QLineEdit>(control.name);
    if (box == nullptr || control.box == nullptr)
      continue;
    runtime::TextBox& model_box = model_.controls.*control.box;
    // Typing, pasting, input methods and assistive technology all change the text; the
    // window's own mirroring of the model does not count.
    connect(box, &QLineEdit::textChanged, this, [this, &model_box](const QString& text) {
      if (!mirroring_)
        model_box.text = text.toStdString();
    });
  }
}

void CalculatorForm::Mirror() {
  Mirror(model_.controls);
}

void CalculatorForm::Mirror(const calc::Controls& state) {
  const QScopedValueRollback mirroring(mirroring_, true);
  for (const ProcedureControl& control : kProcedureControls) {
    if (control.box != nullptr)
      MirrorTextBox(control_as<QLineEdit>(control.name), state.*control.box);
    if (control.label != nullptr)
      MirrorLabel(control_as<QLabel>(control.name), state.*control.label);
  }
  QWidget* focus = control(NameOf(state.focus));
  if (focus != nullptr && !focus->hasFocus())
    focus->setFocus(Qt::OtherFocusReason);
}

// The model learns where the person left the focus, so that a procedure that does not move
// it leaves it there.
void CalculatorForm::TakeFocusFromWidgets() {
  const QWidget* focused = focusWidget();
  if (focused == nullptr)
    return;
  const ProcedureControl* control = ProcedureControlNamed(focused->objectName().toStdString());
  if (control != nullptr && control->focus.has_value())
    model_.controls.focus = *control->focus;
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
  return {QMessageBox::Warning, "OverflowBox", tr("Run-time error '6': Overflow"),
          tr("The current is too large to compute from these values. The window keeps what it "
             "showed before this Solve."),
          model_.controls};
}

}  // namespace quillmark::forms

#include <gtest/gtest.h>

#include <QClipboard>
#include <QSignalSpy>

#include "forms/calculator_form.h"
#include "gui_support.h"

namespace quillmark::forms {
namespace {

using calc::WindowClass;
using test_support::AnswerMessageBoxes;

// A calculator window on screen, active, over a model of its own.
class FormTest : public ::testing::TestWithParam<WindowClass> {
 protected:
  void SetUp() override {
    form_.show();
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
  }
  bool HasPowerFactor() const { return calc::HasPowerFactor(GetParam()); }
  void TypeInputs(const char* kva, const char* volts, const char* pf) {
    QTest::keyClicks(form_.txtKVA, kva);
    QTest::keyClicks(form_.txtVolts, volts);
    if (HasPowerFactor())
      QTest::keyClicks(form_.txtPF, pf);
  }
  // Alt and the letter; the button answers with an animated click.
  void PressAccessKey(QAbstractButton* button, Qt::Key key) {
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::keyClick(form_.windowHandle(), key, Qt::AltModifier);
    EXPECT_TRUE(clicked.wait(2000)) << button->objectName().toStdString();
  }

  calc::CalculatorWindow model_{GetParam()};
  CalculatorForm form_{model_};
};

TEST_P(FormTest, TabCyclesThroughBoxesAndButtons) {
  std::vector<QWidget*> cycle = {form_.txtKVA, form_.txtVolts};
  if (HasPowerFactor())
    cycle.push_back(form_.txtPF);
  cycle.insert(cycle.end(), {form_.cmdSolve, form_.cmdClear, form_.cmdBackMainPage, form_.txtAmps,
                             form_.txtKVA});
  test_support::ExpectTabCycle(cycle);
}

TEST_P(FormTest, AccessKeysClickTheButtonsAndEnterClicksNothing) {
  TypeInputs("5", "230", "1");
  QTest::keyClick(form_.windowHandle(), Qt::Key_Return);
  EXPECT_TRUE(form_.txtAmps->text().isEmpty()) << "Enter clicked a button";
  PressAccessKey(form_.cmdSolve, Qt::Key_S);
  EXPECT_FALSE(form_.txtAmps->text().isEmpty()) << "Alt+S solved";
  EXPECT_EQ(form_.focusWidget(), form_.cmdClear) << "Solve moves the focus to Clear";
  PressAccessKey(form_.cmdClear, Qt::Key_C);
  EXPECT_TRUE(form_.txtAmps->text().isEmpty());
  QSignalSpy back(&form_, &CalculatorForm::backToMainPage);
  PressAccessKey(form_.cmdBackMainPage, Qt::Key_B);
  EXPECT_EQ(back.count(), 1);
}

TEST_P(FormTest, OverflowEndsOnlyTheSolve) {
  TypeInputs("1E36", ".1", "1");
  QTest::keyClicks(form_.txtAmps, "12");  // the person may type into the result box
  QString message;
  const auto solve = [&] { QTest::mouseClick(form_.cmdSolve, Qt::LeftButton); };
  EXPECT_EQ(AnswerMessageBoxes(solve, [&](QMessageBox& box) { message = box.text(); }), 1);
  EXPECT_TRUE(message.contains("Overflow"));
  EXPECT_TRUE(form_.isVisible());
  EXPECT_EQ(form_.txtAmps->text(), "12") << "no box is rewritten";
}

INSTANTIATE_TEST_SUITE_P(Windows, FormTest, ::testing::ValuesIn(calc::kWindowClasses),
                         [](const auto& info) { return std::string(calc::ClassName(info.param)); });

// A line-to-line window on screen, its boxes typed into, for the message-box tests.
struct TypedIntoForm {
  TypedIntoForm(const char* kva, const char* volts, const char* pf) {
    form.show();
    QTest::keyClicks(form.txtKVA, kva);
    QTest::keyClicks(form.txtVolts, volts);
    QTest::keyClicks(form.txtPF, pf);
  }
  calc::CalculatorWindow model{WindowClass::frmKVAtoAmps3PhLL};
  CalculatorForm form{model};
};

// Behind a message box is the window as Solve had left it when it raised the box, and no
// button works; what Solve did after it shows once the box is closed.
TEST(Form, BehindAMessageBoxIsTheWindowAsSolveLeftItThen) {
  TypedIntoForm typed("-5", "230", "-0.5");
  CalculatorForm& form = typed.form;
  QString behind;
  const auto solve = [&] { QTest::mouseClick(form.cmdSolve, Qt::LeftButton); };
  EXPECT_EQ(AnswerMessageBoxes(solve,
                               [&](QMessageBox&) {
                                 behind = form.lbl8->text();
                                 form.cmdClear->click();
                               }),
            1);
  EXPECT_EQ(behind, " Invalid PF value");
  EXPECT_EQ(form.lbl8->text(), "Invalid kVA value");
  EXPECT_EQ(form.txtKVA->text(), "-5") << "Clear ran under the box";
}

// A click that follows the last box's close at once, before the box is gone, is the
// person's next action.
TEST(Form, AButtonWorksAsSoonAsTheLastBoxIsClosed) {
  TypedIntoForm typed("10", "230", "1.5");
  CalculatorForm& form = typed.form;
  QTest::mouseClick(form.cmdSolve, Qt::LeftButton);
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  ASSERT_NE(box, nullptr);
  box->button(QMessageBox::Ok)->click();
  form.cmdClear->click();
  EXPECT_EQ(form.txtKVA->text(), "");
}

// A box counts characters, not UTF-16 units: one beyond the 16-bit range is taken whole or not
// at all.
TEST(Form, PastedTextIsCutByCharacters) {
  const struct {
    const char* name;
    QString before, pasted, after;
  } rows[] = {
      {"fits whole", "", "12345😀", "12345😀"},
      {"cut after the limit", "", "123456😀", "123456"},
      {"refused by a full box", "12345😀", "7", "12345😀"},
      {"cut at a character", "1", "😀😀😀😀😀😀", "1😀😀😀😀😀"},
  };
  calc::CalculatorWindow model(WindowClass::frmKVAtoAmps3PhLL);
  CalculatorForm form(model);
  for (const auto& row : rows) {
    form.txtKVA->setText(row.before);
    QApplication::clipboard()->setText(row.pasted);
    form.txtKVA->paste();
    EXPECT_EQ(form.txtKVA->text(), row.after) << row.name;
    EXPECT_EQ(model.controls.txtKVA.text, row.after.toStdString()) << row.name;
  }
}

}  // namespace
}  // namespace quillmark::forms

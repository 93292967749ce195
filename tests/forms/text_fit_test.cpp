#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <memory>

#include "forms/calculator_form.h"
#include "forms/calculator_layouts.h"

namespace quillmark::forms {
namespace {

// The families that stand in for the stored Windows fonts; any other means a font package
// is missing and the layout's proportions are lost.
bool IsStandIn(const QString& family) {
  return family == "DejaVu Sans Condensed" || family == "Liberation Sans";
}

// Where the text of a control is drawn, and how much room it needs there.
struct Fit {
  QRect room;
  QRect needed;
};

Fit FitOf(QWidget& control) {
  const QFontMetrics metrics(control.font());
  if (auto* label = qobject_cast<QLabel*>(&control)) {
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | Qt::TextWordWrap;
    return {room, metrics.boundingRect(room, flags, label->text())};
  }
  if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
    QStyleOptionButton option;
    option.initFrom(button);
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    const QRect room = button->rect().adjusted(margin / 2, 0, -margin / 2, 0);
    const QString text = QString(button->text()).remove('&');
    return {room, QRect(room.topLeft(), metrics.size(Qt::TextSingleLine, text))};
  }
  auto* frame = qobject_cast<QGroupBox*>(&control);
  const QRect room = frame->rect().adjusted(8, 0, -8, 0);
  return {room, QRect(room.topLeft(), metrics.size(Qt::TextSingleLine, frame->title()))};
}

class TextFitTest : public ::testing::TestWithParam<calc::WindowClass> {};

TEST_P(TextFitTest, EveryCaptionFitsItsControlInTheFontsFound) {
  calc::CalculatorWindow model(GetParam());
  CalculatorForm form(model);
  int checked = 0;
  for (const ControlLayout& row : form.layout().controls) {
    QWidget& control = *form.control(row.name);
    EXPECT_TRUE(IsStandIn(QFontInfo(control.font()).family()))
        << row.name << " is drawn in " << QFontInfo(control.font()).family().toStdString();
    if (row.kind == Kind::kTextBox || row.text.empty())
      continue;
    const Fit fit = FitOf(control);
    EXPECT_TRUE(fit.room.contains(fit.needed))
        << row.name << " needs " << fit.needed.width() << "x" << fit.needed.height() << " but has "
        << fit.room.width() << "x" << fit.room.height();
    ++checked;
  }
  EXPECT_GT(checked, 10);
}

TEST_P(TextFitTest, EveryBoxShowsItsLongestNumberWhole) {
  calc::CalculatorWindow model(GetParam());
  CalculatorForm form(model);
  for (const ControlLayout& row : CalculatorLayout(GetParam()).controls) {
    auto* box = form.control_as<QLineEdit>(row.name);
    if (box == nullptr)
      continue;
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    constexpr int kLineEditMargins = 2 * 2;  // QLineEdit's own padding inside its frame
    const int room =
        box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() -
        kLineEditMargins;
    const QString widest(row.max_length, '8');
    EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(widest), room)
        << box->objectName().toStdString();
  }
}

TEST_P(TextFitTest, TitleFitsTheTitleBar) {
  calc::CalculatorWindow model(GetParam());
  CalculatorForm form(model);
  // The title bar also holds the icon and three buttons; leave them a generous allowance.
  constexpr int kTitleBarControls = 120;
  const int needed = QFontMetrics(QApplication::font()).horizontalAdvance(form.windowTitle());
  EXPECT_LE(needed, form.width() - kTitleBarControls);
}

INSTANTIATE_TEST_SUITE_P(Windows, TextFitTest, ::testing::ValuesIn(calc::kWindowClasses),
                         [](const auto& info) { return std::string(calc::ClassName(info.param)); });

}  // namespace
}  // namespace quillmark::forms

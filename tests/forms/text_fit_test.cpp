#include <gtest/gtest.h>

#include <QFontInfo>
#include <QStyleOptionButton>

#include "forms/calculator_form.h"
#include "forms/calculator_layouts.h"

namespace quillmark::forms {
namespace {

// The room a control's caption is drawn in, and the room it needs there.
std::pair<QRect, QRect> FitOf(QWidget& control) {
  const QFontMetrics metrics(control.font());
  if (auto* label = qobject_cast<QLabel*>(&control)) {
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | Qt::TextWordWrap;
    return {room, metrics.boundingRect(room, flags, label->text())};
  }
  QRect room = control.rect().adjusted(8, 0, -8, 0);
  QString text;
  if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
    QStyleOptionButton option;
    option.initFrom(button);
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    room = button->rect().adjusted(margin / 2, 0, -margin / 2, 0);
    text = QString(button->text()).remove('&');
  } else {
    text = qobject_cast<QGroupBox*>(&control)->title();
  }
  return {room, QRect(room.topLeft(), metrics.size(Qt::TextSingleLine, text))};
}

// Drawn in the families that stand in for the stored fonts (any other means a font package is
// missing), every caption and title fits its room.
class TextFitTest : public ::testing::TestWithParam<calc::WindowClass> {};

TEST_P(TextFitTest, EveryCaptionFitsInTheFontsFound) {
  calc::CalculatorWindow model(GetParam());
  CalculatorForm form(model);
  for (const ControlLayout& row : form.layout().controls) {
    QWidget& control = *form.control(row.name);
    const QString family = QFontInfo(control.font()).family();
    EXPECT_TRUE(family == "DejaVu Sans Condensed" || family == "Liberation Sans")
        << row.name << " is drawn in " << family.toStdString();
    if (!row.text.empty() && !qobject_cast<QLineEdit*>(&control)) {
      const auto [room, needed] = FitOf(control);
      EXPECT_TRUE(room.contains(needed))
          << row.name << " needs " << needed.width() << "x" << needed.height() << " but has "
          << room.width() << "x" << room.height();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, TextFitTest, ::testing::ValuesIn(calc::kWindowClasses),
                         [](const auto& info) { return std::string(calc::ClassName(info.param)); });

}  // namespace
}  // namespace quillmark::forms

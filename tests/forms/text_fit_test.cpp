#include <gtest/gtest.h>

#include <QFontInfo>

#include "forms/calculator_form.h"
#include "forms/calculator_layouts.h"

namespace quillmark::forms {
namespace {

// Drawn in the families that stand in for the stored fonts (any other means a font package is
// missing), every caption fits its room: a label's wraps inside it, a button's or a frame's
// title keeps to one line inside a margin.
class TextFitTest : public ::testing::TestWithParam<calc::WindowClass> {};

TEST_P(TextFitTest, EveryCaptionFitsInTheFontsFound) {
  calc::CalculatorWindow model(GetParam());
  CalculatorForm form(model);
  for (const ControlLayout& row : form.layout().controls) {
    QWidget& control = *form.control(row.name);
    const QString family = QFontInfo(control.font()).family();
    EXPECT_TRUE(family == "DejaVu Sans Condensed" || family == "Liberation Sans")
        << row.name << " is drawn in " << family.toStdString();
    if (row.text.empty() || qobject_cast<QLineEdit*>(&control))
      continue;
    auto* label = qobject_cast<QLabel*>(&control);
    const QRect room = label ? label->contentsRect() : control.rect().adjusted(4, 0, -4, 0);
    const int flags = label ? int(label->alignment()) | Qt::TextWordWrap : Qt::TextSingleLine;
    const QString text = QString::fromUtf8(row.text.data(), row.text.size()).remove('&');
    const QRect needed = QFontMetrics(control.font()).boundingRect(room, flags, text);
    EXPECT_TRUE(room.contains(needed))
        << row.name << " needs " << needed.width() << " but has " << room.width();
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, TextFitTest, ::testing::ValuesIn(calc::kWindowClasses),
                         [](const auto& info) { return std::string(calc::ClassName(info.param)); });

}  // namespace
}  // namespace quillmark::forms

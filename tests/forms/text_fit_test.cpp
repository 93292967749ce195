#include <gtest/gtest.h>

#include <QFontInfo>
#include <map>

#include "forms/calculator_form.h"
#include "layouts/calculator_layouts.h"

namespace quillmark::forms {
namespace {

// The fonts a stored family may be drawn in: itself where the machine has it, else its free
// stand-in with close metrics. Any other means a font is missing.
bool IsDrawnInItsFont(const QString& stored, const QFontInfo& found) {
  static const std::map<QString, QStringList> kAccepted = {
      {"Tahoma", {"Tahoma", "DejaVu Sans Condensed"}},
      {"MS Sans Serif", {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans"}},
      {"Arial Unicode MS", {"Arial Unicode MS", "Arial", "Liberation Sans"}},
      {"@Arial Unicode MS", {"Arial Unicode MS", "Arial", "Liberation Sans"}},
  };
  // A font database may name a condensed face by its family and style ("DejaVu Sans",
  // "Condensed Bold") rather than by its full family name.
  QString family = found.family();
  if (found.styleName().contains("Condensed") && !family.contains("Condensed"))
    family += " Condensed";
  const auto accepted = kAccepted.find(stored);
  return accepted != kAccepted.end() && accepted->second.contains(family);
}

// Drawn in the stored fonts or their stand-ins, every caption fits its room: a label's wraps
// inside it, a button's or a frame's title keeps to one line inside a margin.
class TextFitTest : public ::testing::TestWithParam<calc::WindowClass> {};

TEST_P(TextFitTest, EveryCaptionFitsInTheFontsFound) {
  calc::CalculatorWindow model(GetParam());
  CalculatorForm form(model);
  for (const ControlLayout& row : form.layout().controls) {
    QWidget& control = *form.control(row.name);
    const QFontInfo found(control.font());
    EXPECT_TRUE(IsDrawnInItsFont(control.font().family(), found))
        << row.name << " asks for " << control.font().family().toStdString() << " and is drawn in "
        << found.family().toStdString() << ' ' << found.styleName().toStdString();
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

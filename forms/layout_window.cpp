#include "forms/layout_window.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QValidator>
#include <algorithm>
#include <vector>

#include "forms/accessibility.h"
#include "forms/colours.h"
#include "forms/fonts.h"
#include "forms/frame_box.h"
#include "forms/picture_box.h"

namespace quillmark::forms {
namespace {

Qt::Alignment ToQtAlignment(Align align) {
  return align == Align::kCentre ? Qt::AlignHCenter : Qt::AlignLeft;
}

void SetColour(QWidget& widget, QPalette::ColorRole role, runtime::Colour colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(colour, QGuiApplication::palette()));
  widget.setPalette(palette);
}

QWidget* MakeLabel(const ControlLayout& row, QWidget* parent) {
  auto* label = new QLabel(ToQString(row.text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(ToQtAlignment(row.align) | Qt::AlignTop);
  label->setAutoFillBackground(true);  // labels are opaque
  return label;
}

// A box's maximum length counts characters, as the procedures' writes do, where
// QLineEdit's own limit counts UTF-16 units and would cut a character beyond the 16-bit
// range in half. Like that limit, it cuts what was just typed or pasted, which ends at the
// cursor, and leaves what the box held before.
class CharacterLimit : public QValidator {
 public:
  CharacterLimit(int max_chars, QObject* parent) : QValidator(parent), max_chars_(max_chars) {}

  State validate(QString& text, int& cursor) const override {
    qsizetype excess = QStringView(text).toUcs4().size() - max_chars_;
    if (excess > 0 && cursor > 0) {
      const qsizetype start = StartOfLastCharacters(text, cursor, excess);
      text.remove(start, cursor - start);
      cursor = static_cast<int>(start);
    }
    if (excess > 0)  // more than was typed before the cursor: the end goes
      text.truncate(StartOfLastCharacters(text, text.size(), excess));
    return Acceptable;
  }

 private:
  // Where the last `count` characters before `end` begin; `count` keeps those not found.
  static qsizetype StartOfLastCharacters(QStringView text, qsizetype end, qsizetype& count) {
    for (; count > 0 && end > 0; --count) {
      const bool pair =
          end >= 2 && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate();
      end -= pair ? 2 : 1;
    }
    return end;
  }

  int max_chars_;
};

QWidget* MakeTextBox(const ControlLayout& row, QWidget* parent) {
  auto* box = new QLineEdit(ToQString(row.text), parent);
  if (row.max_length > 0)
    box->setValidator(new CharacterLimit(row.max_length, box));
  box->setAlignment(ToQtAlignment(row.align) | Qt::AlignVCenter);
  return box;
}

QWidget* MakeButton(const ControlLayout& row, QWidget* parent) {
  auto* button = new QPushButton(ToQString(row.text), parent);
  button->setAutoDefault(false);  // Enter in a text box clicks nothing
  button->setDefault(false);
  return button;
}

QWidget* MakeWidget(const ControlLayout& row, QWidget* parent) {
  switch (row.kind) {
    case Kind::kLabel:
      return MakeLabel(row, parent);
    case Kind::kTextBox:
      return MakeTextBox(row, parent);
    case Kind::kFrame:
      return new FrameBox(ToQString(row.text), parent);
    case Kind::kButton:
      return MakeButton(row, parent);
    case Kind::kPictureBox:
      return new PictureBox(parent);
  }
  return nullptr;
}

void ApplyColours(QWidget& widget, const ControlLayout& row) {
  const runtime::Colour fore = layouts::ForeColour(row);
  const runtime::Colour back = layouts::BackColour(row);
  switch (row.kind) {
    case Kind::kTextBox:
      SetColour(widget, QPalette::Text, fore);
      SetBackColour(widget, back);
      break;
    case Kind::kLabel:
    case Kind::kFrame:
      SetColour(widget, QPalette::WindowText, fore);
      SetBackColour(widget, back);
      break;
    case Kind::kButton:
    case Kind::kPictureBox:
      break;  // the platform's own button and picture box colours
  }
}

}  // namespace

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetBackColour(QWidget& control, runtime::Colour colour) {
  const bool is_text_box = qobject_cast<QLineEdit*>(&control) != nullptr;
  SetColour(control, is_text_box ? QPalette::Base : QPalette::Window, colour);
}

LayoutWindow::LayoutWindow(const WindowLayout& layout) : layout_(layout) {
  InstallFontStandIns();
  accessibility::Install();
  setObjectName(ToQString(layout.class_name));
  setWindowTitle(ToQString(layout.caption));
  // A fixed single border: no maximise, and on Windows no sizing border either, which Qt
  // gives a top-level window there unless asked not to; other platforms ignore that hint.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(layouts::ToPixels(layouts::kClientWidthTwips),
               layouts::ToPixels(layouts::kClientHeightTwips));
  for (const ControlLayout& row : layout.controls)
    BuildControl(row);
  ApplyTabOrder();
  CentreOnScreen();
}

QWidget* LayoutWindow::control(std::string_view name) const {
  return findChild<QWidget*>(ToQString(name));
}

QWidget* LayoutWindow::BuildControl(const ControlLayout& row) {
  QWidget* container = row.container.empty() ? this : control(row.container);
  QWidget* widget = MakeWidget(row, container);
  widget->setObjectName(ToQString(row.name));
  widget->setFont(MakeFont(row.font));
  using layouts::ToPixels;
  widget->setGeometry(ToPixels(row.left), ToPixels(row.top), ToPixels(row.width),
                      ToPixels(row.height));
  ApplyColours(*widget, row);
  return widget;
}

void LayoutWindow::ApplyTabOrder() {
  std::vector<const ControlLayout*> rows;
  for (const ControlLayout& row : layout_.controls) {
    if (control(row.name)->focusPolicy() & Qt::TabFocus)
      rows.push_back(&row);
  }
  std::ranges::sort(rows, {}, &ControlLayout::tab_index);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    setTabOrder(control(rows[i - 1]->name), control(rows[i]->name));
  }
  if (!rows.empty())
    control(rows.front()->name)->setFocus();
}

void LayoutWindow::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr)
    return;
  setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

}  // namespace quillmark::forms

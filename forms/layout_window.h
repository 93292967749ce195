#pragma once

#include <QWidget>
#include <string_view>

#include "layouts/layout.h"

namespace quillmark::forms {

// The windows are built from the layout tables.
using layouts::Align;
using layouts::ControlLayout;
using layouts::FontSpec;
using layouts::Kind;
using layouts::kStandardColour;
using layouts::WindowLayout;
namespace fonts = layouts::fonts;

// A top-level window built from a layout table: fixed size, centred on the screen, with
// the table's controls as children named after their rows, in the table's tab order and
// with the focus on the first control that can take it. Closing it destroys it.
class LayoutWindow : public QWidget {
  Q_OBJECT

 public:
  explicit LayoutWindow(const WindowLayout& layout);

  const WindowLayout& layout() const { return layout_; }

  // The control built from the row of that name, or null when the window has none.
  QWidget* control(std::string_view name) const;
  template <typename Widget>
  Widget* control_as(std::string_view name) const {
    return qobject_cast<Widget*>(control(name));
  }

 private:
  QWidget* BuildControl(const ControlLayout& row);
  void ApplyTabOrder();
  void CentreOnScreen();

  const WindowLayout& layout_;
};

// The stored texts are UTF-8.
QString ToQString(std::string_view text);

// Sets a control's background colour (a stored colour) on its palette, as the platform
// draws it.
void SetBackColour(QWidget& control, runtime::Colour colour);

}  // namespace quillmark::forms

#include <windows.h>

#include "forms/system_colours.h"

namespace quillmark::forms {

// Windows keeps the system colours itself, and the person may change any of them.
QColor SystemColour(int index, const QPalette& palette) {
  if (index < 0 || index > COLOR_MENUBAR)
    return palette.color(QPalette::Window);
  const COLORREF colour = GetSysColor(index);
  return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace quillmark::forms

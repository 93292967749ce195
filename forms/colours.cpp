#include "forms/colours.h"

#include "forms/system_colours.h"

namespace quillmark::forms {

QColor ToQColor(runtime::Colour colour, const QPalette& palette) {
  if (runtime::IsSystemColour(colour))
    return SystemColour(runtime::SystemColourIndex(colour), palette);
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace quillmark::forms

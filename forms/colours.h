#pragma once

#include <QColor>
#include <QPalette>

#include "runtime/controls.h"

namespace quillmark::forms {

// A stored colour on this platform: a system colour takes the matching role of `palette`
// (window background, window text, button face …); a fixed colour is &H00BBGGRR.
QColor ToQColor(runtime::Colour colour, const QPalette& palette);

}  // namespace quillmark::forms

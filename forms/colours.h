#pragma once

#include <QColor>
#include <QPalette>

#include "runtime/controls.h"

namespace quillmark::forms {

// A stored colour on this platform: a system colour is the platform's own (on a platform
// without them, the matching role of `palette`); a fixed colour is &H00BBGGRR.
QColor ToQColor(runtime::Colour colour, const QPalette& palette);

}  // namespace quillmark::forms

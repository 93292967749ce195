#pragma once

#include <QColor>
#include <QPalette>

namespace quillmark::forms {

// The platform's system colour `index`, the colour a stored &H80000000 + index stands for.
// Which file answers is chosen when the program is built: Windows asks the system itself,
// every other platform maps the index onto a role of `palette`.
QColor SystemColour(int index, const QPalette& palette);

}  // namespace quillmark::forms

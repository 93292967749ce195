#pragma once

#include <QFont>

#include "forms/layout_window.h"

namespace quillmark::forms {

// The stored families are Windows fonts. Where the machine lacks them, free fonts with close
// metrics take their place (Debian's fonts-dejavu-extra and fonts-liberation2). Which file
// names the stand-ins is chosen when the program is built: Windows has fonts of its own to try
// first. Safe to call more than once; the work is done the first time.
void InstallFontStandIns();
// The substitutions themselves, from the file chosen for the platform when built.
void SubstituteFontStandIns();

QFont MakeFont(const FontSpec& stored);

}  // namespace quillmark::forms

#include "forms/bundled_fonts.h"

namespace quillmark::forms {

// The stand-in fonts are the system's (Debian's fonts-dejavu-extra and fonts-liberation2).
void AddBundledFonts() {}

}  // namespace quillmark::forms

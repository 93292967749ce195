#pragma once

namespace quillmark::forms {

// Makes the fonts that travel with the program known to Qt. On a desktop the system has
// them and there is nothing to do; in a browser, which gives a program no system fonts,
// they come with the page. Chosen at build time.
void AddBundledFonts();

}  // namespace quillmark::forms

#pragma once

namespace quillmark::app {

// Where the platform's font library reads its configuration once per process, that reading
// (a third of the work before the main menu's first frame, on Linux) runs on a second thread
// from the program's first instant, while Qt connects to the display server and builds the
// menu. Elsewhere, and where threads are not to be had, both calls do nothing.
void StartFontWarmUp();
// Waits for the reading to end: called before anything asks the font library for a font.
void FinishFontWarmUp();

}  // namespace quillmark::app

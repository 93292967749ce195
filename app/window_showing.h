#pragma once

#include <QWidget>

namespace quillmark::app {

// How the program's windows come to the screen. Each is shown at its own fixed size and
// frame (setVisible rather than show(), which some platforms take as a full-screen show).

// The program's first window, at start-up.
void ShowFirstWindow(QWidget& window);

// A window the person asked for: shown, restored if minimised, in front and active, with
// the focus where the window keeps it.
void BringToFront(QWidget& window);

}  // namespace quillmark::app

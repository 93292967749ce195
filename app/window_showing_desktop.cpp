#include "app/window_showing.h"

namespace quillmark::app {

// Shown, not activated: a desktop gives a program's first window the focus as it maps it,
// and asking for it as well would only paint the window a second time.
void ShowFirstWindow(QWidget& window) {
  window.setVisible(true);
}

void BringToFront(QWidget& window) {
  window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.setVisible(true);
  window.raise();
  window.activateWindow();
}

}  // namespace quillmark::app

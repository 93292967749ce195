#include "app/window_showing.h"

namespace quillmark::app {

// A page has no window manager to activate a first window, so the program does. Qt's
// browser platform activates a window as it creates it, before the window's controls are
// shown; the focus then skips the control the window keeps it on, which is not yet visible,
// for the next in the tab order. Created without that, and activated once it is shown, a
// window has its focus where it keeps it, as on a desktop.
void BringToFront(QWidget& window) {
  if (!window.testAttribute(Qt::WA_WState_Created))
    window.setAttribute(Qt::WA_ShowWithoutActivating);
  window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.setVisible(true);
  window.raise();
  window.activateWindow();
}

void ShowFirstWindow(QWidget& window) {
  BringToFront(window);
}

}  // namespace quillmark::app

#pragma once

#include <QApplication>
#include <memory>

#include "app/shell.h"

namespace quillmark::app {

// Runs the windows' events until the last window is closed and returns the program's exit
// status. A desktop runs them here. A browser runs them itself once `main` has returned, so
// there the application and its shell live on with the page, and the program ends, as on a
// desktop, with its last window.
int RunEventLoop(std::unique_ptr<QApplication> application, std::unique_ptr<Shell> shell);

}  // namespace quillmark::app

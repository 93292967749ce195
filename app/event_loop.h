#pragma once

#include <QApplication>
#include <memory>

#include "app/shell.h"

namespace quillmark::app {

// Runs the windows' events until the last window is closed and returns the program's exit
// status; the windows go before the application.
int RunEventLoop(std::unique_ptr<QApplication> application, std::unique_ptr<Shell> shell);

}  // namespace quillmark::app

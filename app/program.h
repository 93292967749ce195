#pragma once

#include <QWidget>
#include <functional>

namespace quillmark::app {

// The whole program: checks that there is a display to show windows on, starts Qt, shows
// the main menu and runs until the last window closes. Returns the process's exit status.
// `on_menu_shown`, when given, is called with the main menu once it has been shown; the
// start-up benchmark hooks its probe in there.
int RunProgram(int argc, char* argv[],
               const std::function<void(QWidget& menu)>& on_menu_shown = nullptr);

}  // namespace quillmark::app

#pragma once

namespace quillmark::app {

// The whole program: checks that there is a display to show windows on, starts Qt, shows
// the main menu and runs until the last window closes. Returns the process's exit status.
int RunProgram(int argc, char* argv[]);

}  // namespace quillmark::app

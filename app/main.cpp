#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "app/shell.h"
#include "app/startup_probe.h"

namespace {

// Without a display Qt would abort with a core dump; say plainly what is missing instead.
bool HasDisplay() {
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0')
      return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs(
        "quillmark: no display found (DISPLAY is not set). Start it from a graphical "
        "desktop session.\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quillmark");
  QApplication::setStyle("Fusion");
  QApplication::setWindowIcon(QIcon(":/icons/quillmark-16.png"));

  quillmark::app::Shell shell;
  shell.Start();
  quillmark::app::ArmStartupProbe(*shell.mainMenu());
  return QApplication::exec();
}

#include <fontconfig/fontconfig.h>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyle>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/pixels.h"
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

// From the program's own pixels: no image reader, no image-format plug-ins to look for.
QIcon WindowIcon() {
  using quillmark::app::kWindowIconSize;
  const QImage icon(quillmark::app::kWindowIconPixels, kWindowIconSize.width(),
                    kWindowIconSize.height(), QImage::Format_ARGB32);
  return QIcon(QPixmap::fromImage(icon));
}

// Fontconfig reads its configuration and its list of fonts once per process: about a third
// of the work before the main menu's first frame, which cannot be drawn without it. The
// QApplication constructor spends most of its time waiting for the display server, so the
// reading runs on a second thread meanwhile; it ends before any window is built.
class FontconfigWarmUp {
 public:
  FontconfigWarmUp() : thread_([] { FcInit(); }) {}
  void Finish() { thread_.join(); }

 private:
  std::thread thread_;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs(
        "quillmark: no display found (DISPLAY is not set). Start it from a graphical "
        "desktop session.\n",
        stderr);
    return 1;
  }
  FontconfigWarmUp fontconfig;
  QApplication application(argc, argv);
  fontconfig.Finish();
  QApplication::setApplicationName("Quillmark");
  // One look on every desktop; where Fusion is the default already, no second style is made.
  if (QApplication::style()->name() != QLatin1String("fusion"))
    QApplication::setStyle("Fusion");
  QApplication::setWindowIcon(WindowIcon());

  quillmark::app::Shell shell;
  shell.Start();
  quillmark::app::ArmStartupProbe(*shell.mainMenu());
  return QApplication::exec();
}

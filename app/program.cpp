#include "app/program.h"

#include <QApplication>
#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <QStyle>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/event_loop.h"
#include "app/font_warm_up.h"
#include "app/shell.h"
#include "forms/stored_pixels.h"

namespace quillmark::app {
namespace {

// Desktops where windows go through a display server that the environment names.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
constexpr bool kNeedsDisplayServer = true;
#else
constexpr bool kNeedsDisplayServer = false;
#endif

std::string EnvironmentValue(const char* variable) {
  const char* value = std::getenv(variable);
  return value == nullptr ? std::string() : std::string(value);
}

// The display the windows were to go to, as the person named it, for a message.
std::string NamedDisplay() {
  for (const char* variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
    const std::string value = EnvironmentValue(variable);
    if (!value.empty())
      return '"' + value + "\" (" + variable + ')';
  }
  return {};
}

// On a Wayland desktop that also runs Xwayland, the windows go to Xwayland: there the
// program centres its windows, raises and activates them, and keeps their frames fixed, none
// of which a Wayland client may do for itself. Without Xwayland they go to Wayland natively,
// where the compositor places them and activation is asked for (xdg-activation). A platform
// the person chose in QT_QPA_PLATFORM is left as it is.
void ChoosePlatform() {
  if (!kNeedsDisplayServer || !EnvironmentValue("QT_QPA_PLATFORM").empty())
    return;
  const bool x11 = !EnvironmentValue("DISPLAY").empty();
  const bool wayland = !EnvironmentValue("WAYLAND_DISPLAY").empty();
  if (x11 && wayland)
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  else if (wayland)
    qputenv("QT_QPA_PLATFORM", "wayland");
}

// Qt gives up on a display it cannot reach with an abort, a core dump and advice to
// reinstall. While the application object connects, its messages are held back; if it fails
// because the display could not be reached, one line names the display instead; if it fails
// for another reason (no platform plugin could be loaded, say), Qt's own words say why.
// Either way the program ends with status 1. If it succeeds, the held messages go out as
// they would have.
class DisplayConnectionGuard {
 public:
  explicit DisplayConnectionGuard(std::string display) {
    display_ = std::move(display);
    previous_ = qInstallMessageHandler(&Hold);
  }
  ~DisplayConnectionGuard() {
    qInstallMessageHandler(previous_);
    for (const HeldMessage& held : held_) {
      const QMessageLogContext context(held.file.constData(), held.line, held.function.constData(),
                                       held.category.constData());
      previous_(held.type, context, held.text);
    }
    held_.clear();
  }

 private:
  struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
  };

  static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
      if (DisplayUnreachable()) {
        std::fprintf(stderr, "quillmark: cannot show windows on the display %s.\n",
                     display_.c_str());
      } else {
        for (const HeldMessage& held : held_)
          std::fprintf(stderr, "quillmark: %s\n", qUtf8Printable(held.text));
        std::fprintf(stderr, "quillmark: %s\n", qUtf8Printable(text));
      }
      std::_Exit(1);
    }
    held_.push_back({type, context.file, context.function, context.category, context.line, text});
  }

  // What the X11 and Wayland platform plugins say when the display does not answer.
  static bool DisplayUnreachable() {
    for (const HeldMessage& held : held_) {
      if (held.text.contains(QLatin1String("could not connect to display")) ||
          held.text.contains(QLatin1String("Failed to create wl_display")))
        return true;
    }
    return false;
  }

  static inline std::string display_;
  static inline QtMessageHandler previous_ = nullptr;
  static inline std::vector<HeldMessage> held_;
};

// The icon at each size a desktop shows it, 16 px drawn for its size and the rest rendered
// from its scalable drawing. Stored as premultiplied pixels, the form pixmaps keep, each
// pixmap shares the program's own copy: nothing is decoded or converted to make the icon.
QIcon WindowIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(QPixmap::fromImage(
        forms::StoredPixels(QStringLiteral(":/icons/quillmark-%1.bgra").arg(size),
                            QSize(size, size), QImage::Format_ARGB32_Premultiplied)));
  }
  return icon;
}

// Qt refers to the arguments for as long as the application lives, which in a browser is past
// the return of main, whose stack held them.
char** KeptArguments(int argc, char* argv[]) {
  static std::vector<std::string> texts(argv, argv + argc);
  static std::vector<char*> pointers;
  for (std::string& text : texts)
    pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers.data();
}

}  // namespace

int RunProgram(int argc, char* argv[]) {
  const std::string display = NamedDisplay();
  if (kNeedsDisplayServer && display.empty()) {
    std::fputs(
        "quillmark: no display found (DISPLAY is not set). Start it from a graphical "
        "desktop session.\n",
        stderr);
    return 1;
  }
  ChoosePlatform();
  StartFontWarmUp();
  std::optional<DisplayConnectionGuard> guard(std::in_place, display);
  static int argument_count = argc;
  auto application = std::make_unique<QApplication>(argument_count, KeptArguments(argc, argv));
  guard.reset();
  QApplication::setApplicationName("Quillmark");
  // The Wayland app id: the desktop ties the windows to the desktop entry and its icon by it.
  QGuiApplication::setDesktopFileName("example.norvanta.Quillmark");
  // One look on every desktop; where Fusion is the default already, no second style is made.
  if (QApplication::style()->name() != QLatin1String("fusion"))
    QApplication::setStyle("Fusion");

  // The icon before any window: the window system's copies of it are made and freed while
  // little else is in memory, which keeps the program's peak memory down.
  QApplication::setWindowIcon(WindowIcon());

  auto shell = std::make_unique<Shell>();
  shell->Start();
  // Nothing so far has asked for a font (had anything, the font library would only have read
  // its configuration a second time): the menu's first paint is the first to, so the menu is
  // built and mapped while the reading may still be going on.
  FinishFontWarmUp();
  return RunEventLoop(std::move(application), std::move(shell));
}

}  // namespace quillmark::app

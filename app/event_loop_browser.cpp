#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <QAccessible>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include "app/event_loop.h"

namespace quillmark::app {
namespace {

// Qt tells of the last window's close only from within exec, which a browser never runs; so
// the program looks, after each close, for a window still open. When none is, it ends, and
// the page learns so from the runtime's exit, which its loader reports.
class LastWindowWatch : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close)
      QTimer::singleShot(0, this, &LastWindowWatch::EndIfNoWindowIsOpen);
    return QObject::eventFilter(watched, event);
  }

 private:
  static void EndIfNoWindowIsOpen() {
    for (const QWindow* window : QGuiApplication::topLevelWindows()) {
      if (window->isVisible() && window->transientParent() == nullptr)
        return;
    }
    emscripten_force_exit(0);
  }
};

}  // namespace

int RunEventLoop(std::unique_ptr<QApplication> application, std::unique_ptr<Shell> shell) {
  application->installEventFilter(new LastWindowWatch);
  // What exec would have done first: the page's accessibility tree grows from the application.
  QAccessible::setRootObject(application.get());
  // The runtime outlives main; the application and its shell live on with it.
  emscripten_runtime_keepalive_push();
  static_cast<void>(shell.release());
  static_cast<void>(application.release());
  return 0;
}

}  // namespace quillmark::app

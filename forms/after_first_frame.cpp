#include "forms/after_first_frame.h"

#include <QEvent>
#include <QTimer>
#include <utility>

namespace quillmark::forms {
namespace {

class FirstFrameWatch : public QObject {
 public:
  FirstFrameWatch(QWidget& window, std::function<void()> then)
      : QObject(&window), then_(std::move(then)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Posted from inside the paint, it runs once the painted frame has been flushed.
      QTimer::singleShot(0, this, [this] {
        then_();
        deleteLater();
      });
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

void AfterFirstFrame(QWidget& window, std::function<void()> then) {
  new FirstFrameWatch(window, std::move(then));  // owned by the window
}

}  // namespace quillmark::forms

#include "bench/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace quillmark::bench {
namespace {

class FirstPaintProbe : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !armed_) {
      armed_ = true;
      // Posted from inside the paint: it runs once the painted frame has been flushed.
      QTimer::singleShot(0, this, &FirstPaintProbe::Report);
    }
    return false;
  }

 private:
  void Report() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("first-paint %lld\n",
                static_cast<long long>(std::chrono::nanoseconds(now).count()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
  }

  bool armed_ = false;
};

}  // namespace

void ArmStartupProbe(QWidget& window) {
  window.installEventFilter(new FirstPaintProbe(&window));
}

}  // namespace quillmark::bench

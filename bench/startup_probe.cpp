#include "bench/startup_probe.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "forms/after_first_frame.h"

namespace quillmark::bench {

void ArmStartupProbe(QWidget& window) {
  forms::AfterFirstFrame(window, [] {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("first-paint %lld\n",
                static_cast<long long>(std::chrono::nanoseconds(now).count()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
  });
}

}  // namespace quillmark::bench

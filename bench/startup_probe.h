#pragma once

#include <QWidget>

namespace quillmark::bench {

// Prints "first-paint <ns>" (the steady clock, CLOCK_MONOTONIC on Linux) once `window` has
// been painted for the first time and its pixels handed to the display, then ends the
// program.
void ArmStartupProbe(QWidget& window);

}  // namespace quillmark::bench

#pragma once

#include <QWidget>

namespace quillmark::app {

// For the start-up benchmark only: when QUILLMARK_STARTUP_PROBE is set in the environment,
// prints "first-paint <ns>" (CLOCK_MONOTONIC) once `window` has been painted for the first
// time and its pixels handed to the display, then ends the program. Otherwise does nothing.
void ArmStartupProbe(QWidget& window);

}  // namespace quillmark::app

#pragma once

#include <QWidget>
#include <functional>

namespace quillmark::forms {

// Runs `then` once, when `window` has painted its first frame and that frame is on screen:
// for work the person need not wait for before the window appears.
void AfterFirstFrame(QWidget& window, std::function<void()> then);

}  // namespace quillmark::forms

#pragma once

#include <functional>

namespace quillmark::forms {

// Runs a button's handler unless another handler is still running or held, in which case the
// press does nothing. Handlers run one at a time, each to its end. Clicks can come due while
// a handler's message boxes are on screen, such as the delayed click of an access key typed
// ahead of a box; such a click belongs to no button.
void RunHandler(const std::function<void()>& handler);

// While one lives, no handler starts: a handler whose message boxes are still on screen
// after it has returned keeps one until the last is closed.
class HandlerHold {
 public:
  HandlerHold();
  ~HandlerHold();
  HandlerHold(const HandlerHold&) = delete;
  HandlerHold& operator=(const HandlerHold&) = delete;
};

}  // namespace quillmark::forms

#pragma once

#include <functional>

namespace quillmark::forms {

// Runs a button's handler unless another handler is still running, in which case the
// press does nothing. Handlers run one at a time, each to its end. A handler that waits in
// a modal message box spins an event loop of its own, and that loop still fires clicks
// that came due meanwhile, such as the delayed click of an access key typed ahead of the
// box; such a click belongs to no button.
void RunHandler(const std::function<void()>& handler);

}  // namespace quillmark::forms

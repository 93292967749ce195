#include "forms/handlers.h"

#include <QScopedValueRollback>

namespace quillmark::forms {
namespace {

bool handler_running = false;  // all handlers run on the one user-interface thread

}  // namespace

void RunHandler(const std::function<void()>& handler) {
  if (handler_running)
    return;
  const QScopedValueRollback running(handler_running, true);
  handler();
}

}  // namespace quillmark::forms

#include "forms/handlers.h"

#include <QScopedValueRollback>

namespace quillmark::forms {
namespace {

// All handlers run on the one user-interface thread.
bool handler_running = false;
int holds = 0;

}  // namespace

void RunHandler(const std::function<void()>& handler) {
  if (handler_running || holds > 0)
    return;
  const QScopedValueRollback running(handler_running, true);
  handler();
}

HandlerHold::HandlerHold() {
  ++holds;
}

HandlerHold::~HandlerHold() {
  --holds;
}

}  // namespace quillmark::forms

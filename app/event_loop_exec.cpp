#include "app/event_loop.h"

namespace quillmark::app {

int RunEventLoop(std::unique_ptr<QApplication> application, std::unique_ptr<Shell> shell) {
  const int status = application->exec();
  shell.reset();  // the windows go before the application
  return status;
}

}  // namespace quillmark::app

#pragma once

#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>

#include "calc/calculator.h"
#include "runtime/message_box.h"

namespace quillmark::forms {

// A message box a procedure raised, with its window's state at that moment.
struct PendingMessage {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString object_name;
  QString text;
  QString informative_text;
  calc::Controls window_state;
};

// The procedures' message box, as a procedure meets it: it records each box with the window's
// state, and the procedure goes on as if the person had closed it.
class MessageRecorder : public runtime::MessageBox {
 public:
  explicit MessageRecorder(const calc::Controls& window) : window_(window) {}

  void Show(std::string_view prompt) override;
  void Add(PendingMessage message) { messages_.push_back(std::move(message)); }
  std::deque<PendingMessage> Take() { return std::move(messages_); }

 private:
  const calc::Controls& window_;
  std::deque<PendingMessage> messages_;
};

// Shows a procedure's recorded boxes one after another, modal over the whole program, each
// over its window as it stood when the procedure raised it (`show_state`), then calls `done`.
// The person sees what they would see had the procedure waited in each box, without an
// event loop nested in a handler, which a browser cannot run. No handler starts until the
// last box is closed.
void ShowInTurn(QWidget& parent, std::deque<PendingMessage> messages,
                std::function<void(const calc::Controls&)> show_state, std::function<void()> done);

}  // namespace quillmark::forms

#include "forms/procedure_messages.h"

#include <QApplication>
#include <memory>
#include <optional>

#include "forms/handlers.h"
#include "forms/layout_window.h"

namespace quillmark::forms {

void MessageRecorder::Show(std::string_view prompt) {
  Add({QMessageBox::NoIcon,
       "MsgBox",
       QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())),
       {},
       window_});
}

namespace {

struct Turns {
  Turns(QWidget& parent, std::deque<PendingMessage> messages,
        std::function<void(const calc::Controls&)> show_state, std::function<void()> done)
      : parent(parent),
        messages(std::move(messages)),
        show_state(std::move(show_state)),
        done(std::move(done)) {}

  QWidget& parent;
  std::deque<PendingMessage> messages;
  std::function<void(const calc::Controls&)> show_state;
  std::function<void()> done;
  // Let go as the last box closes, not when the boxes are deleted later: a click that
  // follows at once is the person's next action.
  std::optional<HandlerHold> hold{std::in_place};
};

void ShowNext(const std::shared_ptr<Turns>& turns) {
  if (turns->messages.empty()) {
    turns->done();
    turns->hold.reset();
    return;
  }
  const PendingMessage message = std::move(turns->messages.front());
  turns->messages.pop_front();
  turns->show_state(message.window_state);
  auto* box = new QMessageBox(message.icon, QApplication::applicationDisplayName(), message.text,
                              QMessageBox::Ok, &turns->parent);
  box->setObjectName(message.object_name);
  box->setInformativeText(message.informative_text);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  QObject::connect(box, &QDialog::finished, &turns->parent, [turns] { ShowNext(turns); });
  box->show();
}

}  // namespace

void ShowInTurn(QWidget& parent, std::deque<PendingMessage> messages,
                std::function<void(const calc::Controls&)> show_state, std::function<void()> done) {
  if (messages.empty()) {
    done();
    return;
  }
  ShowNext(
      std::make_shared<Turns>(parent, std::move(messages), std::move(show_state), std::move(done)));
}

}  // namespace quillmark::forms

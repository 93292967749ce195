#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace quillmark::test_support {

// Answers the next modal message box: `inspect` sees the windows as they are behind it,
// then the box is closed with OK. Returns how many boxes were answered by the time
// `action` has returned.
inline int AnswerMessageBoxes(const std::function<void()>& action,
                              const std::function<void(QMessageBox&)>& inspect = {}) {
  int answered = 0;
  QTimer poll;
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr)
      return;
    ++answered;
    if (inspect)
      inspect(*box);
    box->button(QMessageBox::Ok)->click();
  });
  poll.start();
  action();
  return answered;
}

// Destroys the windows whose close was asked for.
inline void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace quillmark::test_support

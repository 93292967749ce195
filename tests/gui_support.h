#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

namespace quillmark::test_support {

// Runs `action`, answering each modal message box with OK after `inspect` has seen it, with
// the windows as they are behind it, until none is left. Returns how many were answered.
inline int AnswerMessageBoxes(const std::function<void()>& action,
                              const std::function<void(QMessageBox&)>& inspect = {}) {
  int answered = 0;
  QTimer poll;
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++answered;
      if (inspect)
        inspect(*box);
      box->button(QMessageBox::Ok)->click();
    }
  });
  poll.start();
  action();
  EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }))
      << "a message box is still open";
  return answered;
}

// Tab from the first widget of `cycle` visits the others in order.
inline void ExpectTabCycle(const std::vector<QWidget*>& cycle) {
  EXPECT_EQ(QApplication::focusWidget(), cycle[0]) << "the focus starts there";
  for (std::size_t i = 1; i < cycle.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), cycle[i]) << "step " << i;
  }
}

// Destroys the windows whose close was asked for.
inline void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace quillmark::test_support

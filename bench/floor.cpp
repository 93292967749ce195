// The start-up floor: the least a Qt Widgets program of the menu's size does before its
// window is complete on screen. One window of the main menu's size with a few ordinary
// controls, in Qt's defaults throughout. scripts/startup-benchmark times it and quillmark the
// same way, from outside; quillmark's start-up is measured against this one's.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Start-up floor");
  window.setFixedSize(714, 471);

  // Controls are children of the window, which deletes them.
  const int kRowHeight = 40;
  for (int row = 0; row < 2; ++row) {
    const int top = 40 + row * kRowHeight;
    (new QLabel(QStringLiteral("Value %1").arg(row + 1), &window))->setGeometry(40, top, 120, 30);
    (new QLineEdit(&window))->setGeometry(170, top, 200, 30);
  }
  (new QPushButton(QStringLiteral("&Solve"), &window))->setGeometry(40, 140, 160, 32);
  (new QPushButton(QStringLiteral("&Clear"), &window))->setGeometry(210, 140, 160, 32);

  window.show();
  return QApplication::exec();
}

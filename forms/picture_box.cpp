#include "forms/picture_box.h"

#include <QPainter>
#include <QTimer>
#include <utility>

namespace quillmark::forms {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setFocusPolicy(Qt::StrongFocus);  // it takes a place in the tab order
}

void PictureBox::setPicture(const QImage& picture) {
  make_ = nullptr;
  picture_ = picture;
  update();
}

void PictureBox::setPicture(std::function<QImage()> make) {
  make_ = std::move(make);
  picture_ = QImage();
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (make_ && !make_posted_) {
    // Posted from inside the paint, it runs once the painted frame has been flushed.
    make_posted_ = true;
    QTimer::singleShot(0, this, [this] {
      make_posted_ = false;
      if (make_)
        setPicture(std::exchange(make_, nullptr)());
    });
  }
  QPainter painter(this);
  const QRect inside = contentsRect();
  painter.setClipRect(inside);
  // Where the picture's pixels and the screen's match one to one, they are copied as they are.
  painter.setRenderHint(QPainter::SmoothPixmapTransform,
                        picture_.devicePixelRatio() != devicePixelRatio());
  painter.drawImage(inside.topLeft(), picture_);
}

}  // namespace quillmark::forms

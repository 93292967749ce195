#include "forms/picture_box.h"

#include <QPainter>
#include <utility>

namespace quillmark::forms {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setFocusPolicy(Qt::StrongFocus);  // it takes a place in the tab order
}

void PictureBox::setPicture(Source source) {
  source_ = std::move(source);
  update();
}

QImage PictureBox::picture() const {
  return source_ ? source_(devicePixelRatio()) : QImage();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  const QImage shown = picture();
  QPainter painter(this);
  const QRect inside = contentsRect();
  painter.setClipRect(inside);
  // Where the picture's pixels and the screen's match one to one, they are copied as they are.
  painter.setRenderHint(QPainter::SmoothPixmapTransform,
                        shown.devicePixelRatio() != devicePixelRatio());
  painter.drawImage(inside.topLeft(), shown);
}

}  // namespace quillmark::forms

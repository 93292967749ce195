#include "forms/picture_box.h"

#include <QPainter>

namespace quillmark::forms {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setFocusPolicy(Qt::StrongFocus);  // it takes a place in the tab order
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect inside = contentsRect();
  painter.setClipRect(inside);
  // Where the picture's pixels and the screen's match one to one, they are copied as they are.
  painter.setRenderHint(QPainter::SmoothPixmapTransform,
                        picture_.devicePixelRatio() != devicePixelRatio());
  painter.drawImage(inside.topLeft(), picture_);
}

}  // namespace quillmark::forms

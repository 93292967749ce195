#pragma once

#include <QFrame>
#include <QImage>

namespace quillmark::forms {

// A sunken box that draws its picture at the picture's own size from the top-left corner,
// clipped at the box's inner edges: a picture larger than the box is cut, not scaled. The
// picture's size is its device-independent size, so a picture with more pixels than that
// (devicePixelRatio above 1) is drawn at full detail on a screen as dense as it, and smoothly
// rescaled on one of any other density.
class PictureBox : public QFrame {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace quillmark::forms

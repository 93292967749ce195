#pragma once

#include <QFrame>
#include <QImage>
#include <functional>

namespace quillmark::forms {

// A sunken box that draws its picture at the picture's own size from the top-left corner,
// clipped at the box's inner edges: a picture larger than the box is cut, not scaled. The
// picture's size is its device-independent size, so a picture with more pixels than that
// (devicePixelRatio above 1) is drawn at full detail on a screen as dense as it, and smoothly
// rescaled on one of any other density.
//
// The picture comes from a source asked for the one that suits the screen the box is on, at
// each paint, so a box moved to a denser screen draws a denser picture.
class PictureBox : public QFrame {
  Q_OBJECT

 public:
  using Source = std::function<QImage(qreal device_pixel_ratio)>;

  explicit PictureBox(QWidget* parent = nullptr);

  void setPicture(Source source);
  // The picture as the box draws it on its screen now; null when it has none.
  QImage picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Source source_;
};

}  // namespace quillmark::forms

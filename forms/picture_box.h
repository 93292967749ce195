#pragma once

#include <QFrame>
#include <QPixmap>

namespace quillmark::forms {

// A sunken box that draws its picture at the picture's own size from the top-left corner,
// clipped at the box's inner edges: a picture larger than the box is cut, not scaled.
class PictureBox : public QFrame {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace quillmark::forms

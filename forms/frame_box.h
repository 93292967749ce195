#pragma once

#include <QGroupBox>

namespace quillmark::forms {

// A captioned frame: an etched border whose top line runs through the middle of the
// caption, on the same face colour as the labels inside it, so opaque labels sit on it
// without a seam. Controls inside are placed from its top-left corner.
class FrameBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit FrameBox(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillmark::forms

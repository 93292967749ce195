#include "forms/frame_box.h"

#include <QPainter>

namespace quillmark::forms {

namespace {
constexpr int kCaptionIndent = 8;  // pixels from the frame's left edge to its caption
constexpr int kCaptionPadding = 2;
}  // namespace

FrameBox::FrameBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
  setAutoFillBackground(true);
}

void FrameBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int line_y = metrics.height() / 2;
  const QRect border = rect().adjusted(0, line_y, -1, -1);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(border.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(border.adjusted(1, 1, 0, 0));

  const QString caption = title();
  if (caption.isEmpty())
    return;
  const int caption_width = metrics.horizontalAdvance(caption) + 2 * kCaptionPadding;
  const QRect caption_box(kCaptionIndent, 0, caption_width, metrics.height());
  painter.fillRect(caption_box, palette().color(QPalette::Window));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(caption_box, Qt::AlignCenter, caption);
}

}  // namespace quillmark::forms

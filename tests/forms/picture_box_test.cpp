#include "forms/picture_box.h"

#include <gtest/gtest.h>

namespace quillmark::forms {
namespace {

// Black and white single pixels, the finest detail a picture can hold, at twice its size.
QImage FineChecks() {
  QImage checks(40, 40, QImage::Format_RGB32);
  for (int y = 0; y < checks.height(); ++y) {
    for (int x = 0; x < checks.width(); ++x)
      checks.setPixel(x, y, (x + y) % 2 ? 0xffffffffu : 0xff000000u);
  }
  checks.setDevicePixelRatio(2);
  return checks;
}

TEST(PictureBoxTest, DrawsAPictureOfTwiceTheDensityAtFullDetailAndSmoothlyBelow) {
  PictureBox box;
  box.resize(24, 24);
  box.setPicture(FineChecks());
  const QImage picture = FineChecks();
  for (const qreal ratio : {2.0, 1.0, 1.5}) {  // device pixels to each of the box's own
    SCOPED_TRACE(ratio);
    QImage shown(box.size() * ratio, QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    box.render(&shown);
    const QRect inside = box.contentsRect();
    shown = shown.copy(QRect(inside.topLeft() * ratio, inside.size() * ratio));
    int kept = 0, blended = 0;
    for (int y = 2; y < shown.height() - 2; ++y) {
      for (int x = 2; x < shown.width() - 2; ++x) {
        kept += shown.pixel(x, y) == picture.pixel(x, y);
        blended += qGray(shown.pixel(x, y)) > 64 && qGray(shown.pixel(x, y)) < 192;
      }
    }
    const int inner = (shown.width() - 4) * (shown.height() - 4);
    if (ratio == 2) {
      EXPECT_EQ(kept, inner) << "not drawn pixel for pixel";
    } else {
      EXPECT_GT(blended, inner * 9 / 10) << "pixels dropped or doubled rather than blended";
    }
  }
}

}  // namespace
}  // namespace quillmark::forms

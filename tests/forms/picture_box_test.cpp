#include "forms/picture_box.h"

#include <gtest/gtest.h>

namespace quillmark::forms {
namespace {

// Black and white single pixels, the finest detail a picture can hold, at twice the box's
// density: drawn pixel for pixel where the screen has that density, blended where it has less.
TEST(PictureBoxTest, DrawsAPictureOfTwiceTheDensityAtFullDetailAndSmoothlyBelow) {
  QImage checks(40, 40, QImage::Format_RGB32);
  for (int y = 0; y < checks.height(); ++y) {
    for (int x = 0; x < checks.width(); ++x)
      checks.setPixel(x, y, (x + y) % 2 ? 0xffffffffu : 0xff000000u);
  }
  checks.setDevicePixelRatio(2);
  PictureBox box;
  box.resize(24, 24);
  box.setPicture([&](qreal) { return checks; });
  for (const qreal ratio : {2.0, 1.5}) {  // device pixels to each of the box's own
    QImage shown(box.size() * ratio, QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    box.render(&shown);
    const QPoint origin = box.contentsRect().topLeft() * ratio;
    int kept = 0, blended = 0;
    for (int y = 2; y < 18; ++y) {
      for (int x = 2; x < 18; ++x) {
        const QRgb pixel = shown.pixel(origin + QPoint(x, y));
        kept += pixel == checks.pixel(x, y);
        blended += qGray(pixel) > 64 && qGray(pixel) < 192;
      }
    }
    if (ratio == 2) {
      EXPECT_EQ(kept, 16 * 16) << "not drawn pixel for pixel";
    } else {
      EXPECT_GT(blended, 16 * 16 * 9 / 10) << "pixels dropped or doubled rather than blended";
    }
  }
}

}  // namespace
}  // namespace quillmark::forms

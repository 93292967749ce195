// Build step: paints the main menu's picture, reads the window icon, and writes both as a C++
// source file holding their pixels, so that the program shows them without painting a scene
// or decoding an image at start-up.
//   quillmark_render_picture <output.cpp> <icon.png>
// or writes the picture alone as a PNG, with `scale` device pixels to each of its pixels:
//   quillmark_render_picture --png <output.png> <scale>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <fstream>
#include <string>
#include <string_view>

#include "app/distribution_board.h"

namespace {

void WritePixels(std::ofstream& out, const char* name, const QImage& image) {
  out << "\nalignas(16) const unsigned char quillmark::app::" << name << "[] = {";
  const uchar* bits = image.constBits();
  for (qsizetype i = 0; i < image.sizeInBytes(); ++i) {
    out << (i % 32 == 0 ? "\n" : "") << int{bits[i]} << ',';
  }
  out << "\n};\n";
}

QImage PaintPicture(qreal scale) {
  QImage picture(quillmark::app::kDistributionBoardSize * scale, QImage::Format_RGB32);
  picture.setDevicePixelRatio(scale);
  {
    QPainter painter(&picture);
    quillmark::app::PaintDistributionBoard(painter);
  }
  return picture;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);  // the painter's fonts need one
  if (argc == 4 && std::string_view(argv[1]) == "--png") {
    const qreal scale = std::stod(argv[3]);
    return scale > 0 && PaintPicture(scale).save(argv[2], "PNG") ? 0 : 1;
  }
  if (argc != 3)
    return 2;
  const QImage picture = PaintPicture(1);
  const QImage icon = QImage(argv[2]).convertToFormat(QImage::Format_ARGB32);
  if (icon.size() != quillmark::app::kWindowIconSize)
    return 1;

  std::ofstream out(argv[1]);
  out << "// Generated at build time by quillmark_render_picture: do not edit.\n"
         "#include \"app/pixels.h\"\n";
  WritePixels(out, "kDistributionBoardPixels", picture);
  WritePixels(out, "kWindowIconPixels", icon);
  return out ? 0 : 1;
}

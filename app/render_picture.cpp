// Build step: paints the main menu's picture, reads the window icon, and writes both as a C++
// source file holding their pixels, so that the program shows them without painting a scene
// or decoding an image at start-up.
//   quillmark_render_picture <output.cpp> <icon.png>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <fstream>

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

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);  // the painter's fonts need one
  if (argc != 3)
    return 2;
  QImage picture(quillmark::app::kDistributionBoardSize, QImage::Format_RGB32);
  {
    QPainter painter(&picture);
    quillmark::app::PaintDistributionBoard(painter);
  }
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

// Makes the plain-pixel files the program carries from the PNG files beside them:
//
//   quillmark_stored_pixels <app folder>
//
// The menu's picture is drawn once at twice its size on screen (images/*@2x.png); its
// standard-size PNG is that picture halved, each pixel the mean of the four it covers. Each
// picture PNG becomes an opaque .bgra file, and each icon PNG a .bgra file of premultiplied
// pixels, the form the window system's icon code takes without a conversion.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

bool WritePixels(const QImage& image, QImage::Format format, const QString& path) {
  const QImage pixels = image.convertToFormat(format);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* row = reinterpret_cast<const char*>(pixels.constScanLine(y));
    file.write(row, qsizetype(pixels.width()) * 4);
  }
  return file.error() == QFile::NoError;
}

bool Convert(const QDir& folder, const QString& png, QImage::Format format) {
  const QImage image(folder.filePath(png));
  QString raw = png;
  raw.replace(QLatin1String(".png"), QLatin1String(".bgra"));
  const bool written = !image.isNull() && WritePixels(image, format, folder.filePath(raw));
  std::printf("%s %s\n", written ? "wrote" : "FAILED", qPrintable(folder.filePath(raw)));
  return written;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  const QDir app(argc > 1 ? argv[1] : ".");
  const QImage dense(app.filePath("images/distribution-board@2x.png"));
  bool done = !dense.isNull() &&
              dense.scaled(dense.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .save(app.filePath("images/distribution-board.png"));
  for (const char* png : {"images/distribution-board.png", "images/distribution-board@2x.png"})
    done = Convert(app, png, QImage::Format_RGB32) && done;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    done = Convert(app, QStringLiteral("icons/quillmark-%1.png").arg(size),
                   QImage::Format_ARGB32_Premultiplied) &&
           done;
  }
  return done ? 0 : 1;
}

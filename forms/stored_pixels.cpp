#include "forms/stored_pixels.h"

#include <QByteArray>
#include <QResource>
#include <bit>

namespace quillmark::forms {

QImage StoredPixels(const QString& resource, QSize size, QImage::Format format,
                    qreal device_pixel_ratio) {
  // Uncompressed, the bytes are the program's own read-only memory, shared and not copied;
  // compressed, they are unpacked once into memory the image keeps.
  auto* bytes = new QByteArray(QResource(resource).uncompressedData());
  if (bytes->size() != qsizetype(size.width()) * size.height() * 4) {
    delete bytes;
    return {};
  }
  QImage image(
      reinterpret_cast<const uchar*>(bytes->constData()), size.width(), size.height(),
      size.width() * 4, format, [](void* owner) { delete static_cast<QByteArray*>(owner); }, bytes);
  if constexpr (std::endian::native == std::endian::big) {
    // Read in byte order the stored pixels are blue, green, red, alpha.
    image.reinterpretAsFormat(format == QImage::Format_RGB32 ? QImage::Format_RGBX8888
                                                             : QImage::Format_RGBA8888);
    image = image.rgbSwapped().convertToFormat(format);
  } else if (reinterpret_cast<quintptr>(bytes->constData()) % alignof(quint32) != 0) {
    image = image.copy();  // whole pixels for the drawing code, which reads them as such
  }
  image.setDevicePixelRatio(device_pixel_ratio);
  return image;
}

}  // namespace quillmark::forms

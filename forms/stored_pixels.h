#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace quillmark::forms {

// A picture stored in the program's resources as plain pixels: four bytes each, blue, green,
// red and alpha, the order of QImage::Format_ARGB32 on a little-endian machine, row after
// row with nothing between. Stored uncompressed, they are drawn straight from the program's
// own memory: nothing to decode before a window's first frame, and no second copy.
//
// `format` is Format_RGB32 for an opaque picture (alpha 255 throughout) or Format_ARGB32.
// Returns a null image when the resource is missing or is not `size` pixels.
QImage StoredPixels(const QString& resource, QSize size, QImage::Format format,
                    qreal device_pixel_ratio = 1);

}  // namespace quillmark::forms

#pragma once

#include <QPixmap>

namespace quillmark::app {

// A 400 × 311 picture of the breakers in an opened distribution board, for the main menu.
// The program paints it itself on the first call, so it ships no image file; later calls
// return that same pixmap. Needs a QGuiApplication.
QPixmap DistributionBoardPicture();

}  // namespace quillmark::app

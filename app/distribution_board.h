#pragma once

#include "app/pixels.h"

class QPainter;

namespace quillmark::app {

// Paints the main menu's picture, the breakers in an opened distribution board, at
// kDistributionBoardSize with its top-left corner at (0, 0). Used at build time only.
void PaintDistributionBoard(QPainter& painter);

}  // namespace quillmark::app

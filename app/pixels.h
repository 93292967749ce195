#pragma once

#include <QSize>

namespace quillmark::app {

// Images the program carries as plain pixels, written at build time by
// app/render_picture.cpp, so that start-up neither paints a scene nor decodes a file.

// The main menu's picture (app/distribution_board.cpp), RGB32, rows top to bottom.
inline constexpr QSize kDistributionBoardSize{400, 311};
extern const unsigned char kDistributionBoardPixels[];

// The window icon (app/icons/quillmark-16.png), ARGB32.
inline constexpr QSize kWindowIconSize{16, 16};
extern const unsigned char kWindowIconPixels[];

}  // namespace quillmark::app

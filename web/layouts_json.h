#pragma once

#include <string>

namespace quillmark::web {

// The five windows' layout tables as JSON, the main menu first and then the calculators in
// the order of calc::WindowClass, with the captions of the boxes, the menu's targets and the
// texts the page shows beside them. Geometry stays in twips and colours as stored.
std::string LayoutsJson();

}  // namespace quillmark::web

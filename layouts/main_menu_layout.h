#pragma once

#include <string_view>

#include "calc/calculator.h"
#include "layouts/layout.h"

namespace quillmark::layouts {

// The main menu: four buttons that open the calculators, and a picture.
const WindowLayout& MainMenuLayout();

// The calculator each menu button opens.
struct MenuEntry {
  std::string_view button;
  calc::WindowClass target;
};
inline constexpr MenuEntry kMenuEntries[] = {
    {"Command1", calc::WindowClass::frmKVAtoAmps3PhLL},
    {"Command2", calc::WindowClass::frmKVAtoAmps3PhLN},
    {"Command3", calc::WindowClass::frmKWtoAmps1PhLN},
    {"Command4", calc::WindowClass::frmKVAtoAmps1PhLN},
};

// What the menu's picture shows, for those who cannot see it.
inline constexpr std::string_view kPictureDescription = "Circuit breakers in a distribution board";

}  // namespace quillmark::layouts

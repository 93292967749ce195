#pragma once

#include <QPushButton>

#include "calc/calculator.h"
#include "forms/layout_window.h"
#include "forms/picture_box.h"

namespace quillmark::app {

// The main menu window: four buttons that open the calculators, and a picture.
class MainMenu : public forms::LayoutWindow {
  Q_OBJECT

 public:
  MainMenu();

  QPushButton *Command1, *Command2, *Command3, *Command4;
  forms::PictureBox* Picture1;
};

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

}  // namespace quillmark::app

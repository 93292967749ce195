#pragma once

#include <QPushButton>

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

}  // namespace quillmark::app

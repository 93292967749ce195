#include "layouts/main_menu_layout.h"

namespace quillmark::layouts {
namespace {

using fonts::kMenuButtonFont;

// clang-format off
// name, kind, container, text, font, left, top, width, height, fore, back, alignment,
// maximum length, tab index
constexpr ControlLayout kMenuControls[] = {
    {"Picture1", Kind::kPictureBox, "", "", kMenuButtonFont, 2460, 360, 5640, 3480, kStandardColour, kStandardColour, Align::kLeft, 0, 4},
    {"Command3", Kind::kButton, "", "&kVA to Amps in Single Phase Circuits", kMenuButtonFont, 1500, 4260, 7815, 495, kStandardColour, kStandardColour, Align::kCentre, 0, 0},
    {"Command4", Kind::kButton, "", "&kW to Amps in Single Phase Circuits", kMenuButtonFont, 1500, 4920, 7815, 495, kStandardColour, kStandardColour, Align::kCentre, 0, 1},
    {"Command1", Kind::kButton, "", "kV&A to Amps in  3 Phase  for Line to Line Voltage", kMenuButtonFont, 1500, 5580, 7815, 495, kStandardColour, kStandardColour, Align::kCentre, 0, 2},
    {"Command2", Kind::kButton, "", "kVA &to Amps in  3 Phase for  Line to Neutral Voltage", kMenuButtonFont, 1500, 6240, 7815, 495, kStandardColour, kStandardColour, Align::kCentre, 0, 3},
};
// clang-format on

constexpr WindowLayout kMenuLayout = {
    "frmQuillmarkKVAtoAmps",
    "Norvanta's Quillmark - Find Amps from kVA in 1Ph and 3 Ph Electrical Installations",
    kMenuControls};

}  // namespace

const WindowLayout& MainMenuLayout() {
  return kMenuLayout;
}

}  // namespace quillmark::layouts

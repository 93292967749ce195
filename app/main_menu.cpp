#include "app/main_menu.h"

#include <QImage>
#include <QString>

#include "forms/fonts.h"
#include "forms/stored_pixels.h"

namespace quillmark::app {
namespace {

using forms::Align;
using forms::ControlLayout;
using forms::Kind;
using forms::kStandardColour;
using forms::fonts::kMenuButtonFont;

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

// The breakers in an opened distribution board, at its size on screen and at twice that for
// screens of twice the usual density or anything between (smoothly scaled there). The one a
// screen needs is ready for the menu's first frame; each is unpacked the first time a
// screen asks for it and then shared by every menu.
QImage DistributionBoard(qreal device_pixel_ratio) {
  constexpr QSize kSize(400, 311);
  if (device_pixel_ratio > 1) {
    static const QImage dense = forms::StoredPixels(
        QStringLiteral(":/images/distribution-board@2x.bgra"), kSize * 2, QImage::Format_RGB32, 2);
    return dense;
  }
  static const QImage standard = forms::StoredPixels(
      QStringLiteral(":/images/distribution-board.bgra"), kSize, QImage::Format_RGB32);
  return standard;
}

constexpr forms::WindowLayout kMenuLayout = {
    "frmQuillmarkKVAtoAmps",
    "Norvanta's Quillmark - Find Amps from kVA in 1Ph and 3 Ph Electrical Installations",
    kMenuControls};

}  // namespace

MainMenu::MainMenu() : LayoutWindow(kMenuLayout) {
  Command1 = control_as<QPushButton>("Command1");
  Command2 = control_as<QPushButton>("Command2");
  Command3 = control_as<QPushButton>("Command3");
  Command4 = control_as<QPushButton>("Command4");
  Picture1 = control_as<forms::PictureBox>("Picture1");
  // The captions are fixed and their font has every glyph they use, so Qt need not work
  // out which fonts to fall back on: a costly font-matching step at start-up.
  for (QPushButton* button : {Command1, Command2, Command3, Command4}) {
    QFont font = button->font();
    font.setStyleStrategy(QFont::NoFontMerging);
    button->setFont(font);
  }
  Picture1->setAccessibleName(tr("Circuit breakers in a distribution board"));
  Picture1->setPicture(DistributionBoard);
}

}  // namespace quillmark::app

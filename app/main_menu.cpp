#include "app/main_menu.h"

#include <QImage>
#include <QString>

#include "forms/fonts.h"
#include "forms/stored_pixels.h"
#include "layouts/main_menu_layout.h"

namespace quillmark::app {
namespace {

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

}  // namespace

MainMenu::MainMenu() : LayoutWindow(layouts::MainMenuLayout()) {
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
  Picture1->setAccessibleName(forms::ToQString(layouts::kPictureDescription));
  Picture1->setPicture(DistributionBoard);
}

}  // namespace quillmark::app

#pragma once

// A window's layout as data: every control with its kind, container, text, font, geometry,
// colours, alignment, maximum length and tab index, as the window designer stored it. The
// desktop's windows (forms/) and the browser's page (web/) both build their controls from
// these tables, and from nothing else.

#include <span>
#include <string_view>

#include "runtime/controls.h"

namespace quillmark::layouts {

enum class Kind { kLabel, kTextBox, kFrame, kButton, kPictureBox };
enum class Align { kLeft, kCentre };

// A stored font: the family as the designer named it, its size in points and its weight
// (400 normal, 700 bold). Families the machine lacks are mapped to stand-ins.
struct FontSpec {
  std::string_view family;
  double points;
  int weight;
};

// A colour the control keeps from its kind: text boxes window colours, labels and frames the
// button face with button text.
inline constexpr runtime::Colour kStandardColour = 0xFFFFFFFF;

struct ControlLayout {
  std::string_view name;
  Kind kind;
  std::string_view container;  // a frame's name, or empty for the window itself
  std::string_view text;       // a caption, or a text box's first text; "&" marks an access key
  FontSpec font;
  int left, top, width, height;  // twips, from the container's top-left corner
  runtime::Colour fore = kStandardColour;
  runtime::Colour back = kStandardColour;
  Align align = Align::kLeft;
  int max_length = 0;  // text boxes only; 0 for no limit
  int tab_index = 0;   // unique in the window; controls that take the focus follow it
};

struct WindowLayout {
  std::string_view class_name;
  std::string_view caption;
  std::span<const ControlLayout> controls;
};

// Every window has the same client area and frame.
inline constexpr int kClientWidthTwips = 10710;
inline constexpr int kClientHeightTwips = 7065;
inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch; the toolkit scales for the screen

// The colours a control shows: its row's, or those it keeps from its kind.
constexpr runtime::Colour ForeColour(const ControlLayout& row) {
  if (row.fore != kStandardColour)
    return row.fore;
  return row.kind == Kind::kTextBox ? runtime::colours::kWindowText : runtime::colours::kButtonText;
}
constexpr runtime::Colour BackColour(const ControlLayout& row) {
  if (row.back != kStandardColour)
    return row.back;
  return row.kind == Kind::kTextBox ? runtime::colours::kWindowBackground
                                    : runtime::colours::kButtonFace;
}

constexpr int ToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The stored fonts of the windows, named by what they are used for.
namespace fonts {
inline constexpr FontSpec kTitleFont{"@Arial Unicode MS", 14.25, 700};
inline constexpr FontSpec kHeadingFont{"@Arial Unicode MS", 12, 700};
inline constexpr FontSpec kEquationFont{"@Arial Unicode MS", 9.75, 400};
inline constexpr FontSpec kCreditFont{"@Arial Unicode MS", 9.75, 700};
inline constexpr FontSpec kButtonFont{"Arial Unicode MS", 9.75, 700};
inline constexpr FontSpec kFrameFont{"MS Sans Serif", 8.25, 700};
inline constexpr FontSpec kBoxFont{"Tahoma", 12, 400};
inline constexpr FontSpec kUnitFont{"Tahoma", 9.75, 400};
inline constexpr FontSpec kUnitBoldFont{"Tahoma", 9.75, 700};
inline constexpr FontSpec kCurrentFont{"Tahoma", 12, 700};
inline constexpr FontSpec kMenuButtonFont{"Tahoma", 12, 700};
}  // namespace fonts

}  // namespace quillmark::layouts

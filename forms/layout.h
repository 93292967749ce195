#pragma once

// A window's layout as data: every control with its kind, container, text, font, geometry,
// colours, alignment, maximum length and tab index, as the window designer stored it.
// LayoutWindow builds real widgets from such a table.

#include <span>
#include <string_view>

#include "runtime/controls.h"

namespace quillmark::forms {

enum class Kind { kLabel, kTextBox, kFrame, kButton, kPictureBox };
enum class Align { kLeft, kCentre };

// A stored font: the family as the designer named it, its size in points and its weight
// (400 normal, 700 bold). Families the machine lacks are mapped to stand-ins (fonts.h).
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
inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch; Qt scales for the screen

constexpr int ToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace quillmark::forms

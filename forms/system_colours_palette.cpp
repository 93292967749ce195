#include <array>

#include "forms/system_colours.h"

namespace quillmark::forms {
namespace {

struct PaletteColour {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The system colours 0 to 24, in their stored order, as roles of the desktop's palette.
constexpr std::array<PaletteColour, 25> kSystemColours = {{
    {QPalette::Active, QPalette::Mid},              // 0 scroll bars
    {QPalette::Active, QPalette::Dark},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active title bar
    {QPalette::Inactive, QPalette::Highlight},      // 3 inactive title bar
    {QPalette::Active, QPalette::Window},           // 4 menu background
    {QPalette::Active, QPalette::Base},             // 5 window background
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 active title text
    {QPalette::Active, QPalette::Button},           // 10 active border
    {QPalette::Active, QPalette::Midlight},         // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlighted text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Mid},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Inactive, QPalette::WindowText},     // 19 inactive title text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 dark 3D shadow
    {QPalette::Active, QPalette::Midlight},         // 22 light 3D
    {QPalette::Active, QPalette::ToolTipText},      // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 tooltip background
}};

}  // namespace

QColor SystemColour(int index, const QPalette& palette) {
  if (index < 0 || static_cast<std::size_t>(index) >= kSystemColours.size())
    return palette.color(QPalette::Window);
  const PaletteColour& colour = kSystemColours[static_cast<std::size_t>(index)];
  return palette.color(colour.group, colour.role);
}

}  // namespace quillmark::forms

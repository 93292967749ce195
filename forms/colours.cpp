#include "forms/colours.h"

#include <array>

namespace quillmark::forms {
namespace {

struct SystemColour {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The platform's system colours 0 to 24, in their stored order.
constexpr std::array<SystemColour, 25> kSystemColours = {{
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

QColor ToQColor(runtime::Colour colour, const QPalette& palette) {
  if (runtime::IsSystemColour(colour)) {
    const auto index = static_cast<std::size_t>(runtime::SystemColourIndex(colour));
    if (index >= kSystemColours.size())
      return palette.color(QPalette::Window);
    return palette.color(kSystemColours[index].group, kSystemColours[index].role);
  }
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace quillmark::forms

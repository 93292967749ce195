#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillmark::runtime {

// A colour as the windows store it: &H00BBGGRR is a fixed RGB colour with red in the low
// byte; &H80000000 + n is the platform's system colour n.
using Colour = std::uint32_t;

constexpr bool IsSystemColour(Colour colour) {
  return (colour & 0x80000000u) != 0;
}
constexpr int SystemColourIndex(Colour colour) {
  return static_cast<int>(colour & 0xFFu);
}

namespace colours {
inline constexpr Colour kMenuBackground = 0x80000004;    // a message label at rest
inline constexpr Colour kWindowBackground = 0x80000005;  // a text box at rest
inline constexpr Colour kWindowText = 0x80000008;        // a text box marked as holding a bad value
inline constexpr Colour kInactiveBorder = 0x8000000B;
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kButtonText = 0x80000012;
inline constexpr Colour kGrey = 0x00808080;  // a message label showing a message
}  // namespace colours

// What the procedures see of a single-line text box.
struct TextBox {
  TextBox() = default;
  explicit TextBox(std::size_t max_chars) : max_length(max_chars) {}

  std::size_t max_length = 0;  // in characters; 0 means no limit
  std::string text;            // UTF-8
  Colour back_colour = colours::kWindowBackground;

  // Writes a text the way the box takes it: cut to the box's maximum length.
  void SetText(std::string_view value);
};

// What the procedures see of a label.
struct Label {
  Label() = default;
  explicit Label(Colour back) : back_colour(back) {}

  std::string caption;
  Colour back_colour = colours::kButtonFace;
};

// Cuts UTF-8 text to at most `max_chars` characters, never inside a character.
std::string_view CutToLength(std::string_view text, std::size_t max_chars);

}  // namespace quillmark::runtime

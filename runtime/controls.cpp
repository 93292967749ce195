#include "runtime/controls.h"

namespace quillmark::runtime {

std::string_view CutToLength(std::string_view text, std::size_t max_chars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts_character && chars++ == max_chars)
      return text.substr(0, i);
  }
  return text;
}

void TextBox::SetText(std::string_view value) {
  text = max_length == 0 ? value : CutToLength(value, max_length);
}

}  // namespace quillmark::runtime

#include "web/json.h"

#include <cstdio>

namespace quillmark::web {

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + '"';
}

void Object::Name(std::string_view name) {
  if (out_.size() > 1)
    out_ += ',';
  out_ += Quote(name);
  out_ += ':';
}

Object& Object::Add(std::string_view name, std::string_view text) {
  Name(name);
  out_ += Quote(text);
  return *this;
}

Object& Object::Add(std::string_view name, long long number) {
  Name(name);
  out_ += std::to_string(number);
  return *this;
}

Object& Object::Add(std::string_view name, double number) {
  Name(name);
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", number);
  out_ += text;
  return *this;
}

Object& Object::AddJson(std::string_view name, std::string_view json) {
  Name(name);
  out_ += json;
  return *this;
}

}  // namespace quillmark::web

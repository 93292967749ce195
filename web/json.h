#pragma once

#include <string>
#include <string_view>

namespace quillmark::web {

// `text` (UTF-8) as a JSON string, quotes included.
std::string Quote(std::string_view text);

// A JSON object written member by member: Object().Add("a", 1).Add("b", "x").Close().
class Object {
 public:
  Object& Add(std::string_view name, std::string_view text);
  Object& Add(std::string_view name, const char* text) { return Add(name, std::string_view(text)); }
  Object& Add(std::string_view name, long long number);
  Object& Add(std::string_view name, double number);
  // A member whose value is JSON already.
  Object& AddJson(std::string_view name, std::string_view json);
  std::string Close() { return out_ + '}'; }

 private:
  void Name(std::string_view name);
  std::string out_ = "{";
};

// Joins JSON values into an array.
template <typename Range, typename ToJson>
std::string Array(const Range& items, ToJson to_json) {
  std::string out = "[";
  for (const auto& item : items) {
    if (out.size() > 1)
      out += ',';
    out += to_json(item);
  }
  return out + ']';
}

}  // namespace quillmark::web

#include "web/layouts_json.h"

#include <vector>

#include "layouts/calculator_layouts.h"
#include "layouts/main_menu_layout.h"
#include "web/json.h"

namespace quillmark::web {
namespace {

std::string_view KindName(layouts::Kind kind) {
  switch (kind) {
    case layouts::Kind::kLabel:
      return "label";
    case layouts::Kind::kTextBox:
      return "textBox";
    case layouts::Kind::kFrame:
      return "frame";
    case layouts::Kind::kButton:
      return "button";
    case layouts::Kind::kPictureBox:
      return "pictureBox";
  }
  return "";
}

std::string ControlJson(const layouts::ControlLayout& row) {
  return Object()
      .Add("name", row.name)
      .Add("kind", KindName(row.kind))
      .Add("container", row.container)
      .Add("text", row.text)
      .AddJson("font", Object()
                           .Add("family", row.font.family)
                           .Add("points", row.font.points)
                           .Add("weight", static_cast<long long>(row.font.weight))
                           .Close())
      .Add("left", static_cast<long long>(row.left))
      .Add("top", static_cast<long long>(row.top))
      .Add("width", static_cast<long long>(row.width))
      .Add("height", static_cast<long long>(row.height))
      .Add("fore", static_cast<long long>(layouts::ForeColour(row)))
      .Add("back", static_cast<long long>(layouts::BackColour(row)))
      .Add("align", row.align == layouts::Align::kCentre ? "centre" : "left")
      .Add("maxLength", static_cast<long long>(row.max_length))
      .Add("tabIndex", static_cast<long long>(row.tab_index))
      .Close();
}

std::string WindowJson(const layouts::WindowLayout& layout) {
  return Object()
      .Add("className", layout.class_name)
      .Add("caption", layout.caption)
      .AddJson("controls", Array(layout.controls, ControlJson))
      .Close();
}

}  // namespace

std::string LayoutsJson() {
  std::vector<const layouts::WindowLayout*> windows = {&layouts::MainMenuLayout()};
  for (calc::WindowClass window : calc::kWindowClasses)
    windows.push_back(&layouts::CalculatorLayout(window));
  return Object()
      .Add("clientWidth", static_cast<long long>(layouts::kClientWidthTwips))
      .Add("clientHeight", static_cast<long long>(layouts::kClientHeightTwips))
      .Add("twipsPerPixel", static_cast<long long>(layouts::kTwipsPerPixel))
      .AddJson("windows", Array(windows, [](const auto* layout) { return WindowJson(*layout); }))
      .AddJson("calculators",
               Array(calc::kWindowClasses,
                     [](calc::WindowClass window) { return Quote(calc::ClassName(window)); }))
      .AddJson("menuEntries", Array(layouts::kMenuEntries,
                                    [](const layouts::MenuEntry& entry) {
                                      return Object()
                                          .Add("button", entry.button)
                                          .Add("target", calc::ClassName(entry.target))
                                          .Close();
                                    }))
      .AddJson("boxCaptions", Array(layouts::kBoxCaptions,
                                    [](const layouts::BoxCaptions& captions) {
                                      return Object()
                                          .Add("box", captions.box)
                                          .Add("heading", captions.heading)
                                          .Add("unit", captions.unit)
                                          .Close();
                                    }))
      .AddJson("messageLabels", Array(layouts::kMessageLabels,
                                      [](const layouts::MessageLabel& label) {
                                        return Object()
                                            .Add("label", label.label)
                                            .Add("description", label.description)
                                            .Close();
                                      }))
      .Add("pictureDescription", layouts::kPictureDescription)
      .Close();
}

}  // namespace quillmark::web

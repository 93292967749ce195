#include <gtest/gtest.h>

#include <QPalette>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_menu.h"
#include "forms/colours.h"
#include "layouts/calculator_layouts.h"

namespace quillmark::forms {
namespace {

// A window builds its rows in order and looks each container up among the controls built so
// far; one it cannot find leaves the control without a parent, a stray window of its own.
TEST(LayoutTable, NamesAndTabIndexesAreUniqueAndEveryContainerIsAFrameAbove) {
  app::MainMenu menu;
  std::vector<const WindowLayout*> layouts = {&menu.layout()};
  for (calc::WindowClass window : calc::kWindowClasses)
    layouts.push_back(&layouts::CalculatorLayout(window));
  for (const WindowLayout* layout : layouts) {
    std::set<std::string_view> names, frames;
    std::set<int> tab_indexes;
    for (const ControlLayout& row : layout->controls) {
      const std::string where = std::string(layout->class_name) + "." + std::string(row.name);
      EXPECT_TRUE(names.insert(row.name).second) << where << " is named twice";
      EXPECT_TRUE(tab_indexes.insert(row.tab_index).second)
          << where << " repeats tab index " << row.tab_index;
      EXPECT_TRUE(row.container.empty() || frames.contains(row.container))
          << where << " sits in " << row.container << ", no frame above it";
      if (row.kind == Kind::kFrame)
        frames.insert(row.name);
    }
  }
}

// A fixed colour is &H00BBGGRR, red in the low byte.
TEST(StoredColour, FixedColoursKeepRedInTheLowByte) {
  EXPECT_EQ(ToQColor(0x000080FF, QPalette()), QColor(255, 128, 0));
  EXPECT_EQ(ToQColor(0x00563412, QPalette()), QColor(0x12, 0x34, 0x56));
}

}  // namespace
}  // namespace quillmark::forms

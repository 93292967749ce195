#include "app/shell.h"
#include "layouts/main_menu_layout.h"

#include "app/window_showing.h"
#include "forms/handlers.h"

namespace quillmark::app {

void Shell::Start() {
  ShowFirstWindow(Menu());
}

void Shell::ShowMainMenu() {
  BringToFront(Menu());
}

MainMenu& Shell::Menu() {
  if (menu_window_ == nullptr) {
    menu_window_ = new MainMenu();
    for (const layouts::MenuEntry& entry : layouts::kMenuEntries) {
      connect(menu_window_->control_as<QPushButton>(entry.button), &QPushButton::clicked, this,
              [this, target = entry.target] {
                forms::RunHandler([this, target] { ShowCalculator(target); });
              });
    }
  }
  return *menu_window_;
}

void Shell::ShowCalculator(calc::WindowClass window) {
  CalculatorSlot& slot = SlotOf(window);
  if (slot.instance == nullptr)
    slot.instance = std::make_unique<calc::CalculatorWindow>(window);
  if (slot.window == nullptr) {
    slot.window = new forms::CalculatorForm(*slot.instance);
    connect(slot.window, &forms::CalculatorForm::backToMainPage, this, &Shell::ShowMainMenu);
  }
  BringToFront(*slot.window);
}

Shell::CalculatorSlot& Shell::SlotOf(calc::WindowClass window) {
  return calculators_[static_cast<std::size_t>(window)];
}

forms::CalculatorForm* Shell::calculatorWindow(calc::WindowClass window) const {
  return calculators_[static_cast<std::size_t>(window)].window;
}

const calc::CalculatorWindow* Shell::calculatorInstance(calc::WindowClass window) const {
  return calculators_[static_cast<std::size_t>(window)].instance.get();
}

}  // namespace quillmark::app

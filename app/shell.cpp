#include "app/shell.h"

#include "forms/handlers.h"

namespace quillmark::app {
namespace {

// Shown modeless, without an owner, in front of the other windows; a minimised window is
// restored, as a person pressing its button would expect. setVisible rather than show(): on
// a platform that shows every window full-screen by default (in a browser) the fixed windows
// keep their size and frame, as on a desktop, where the two are the same.
void BringToFront(QWidget& window) {
  window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.setVisible(true);
  window.raise();
  window.activateWindow();
}

}  // namespace

void Shell::Start() {
  // Shown, not activated: a desktop gives a program's first window the focus as it maps it,
  // and asking for it as well would only paint the menu a second time. setVisible, as in
  // BringToFront, keeps it at its own size where windows are shown full-screen by default.
  Menu().setVisible(true);
}

void Shell::ShowMainMenu() {
  BringToFront(Menu());
}

MainMenu& Shell::Menu() {
  if (menu_window_ == nullptr) {
    menu_window_ = new MainMenu();
    for (const MenuEntry& entry : kMenuEntries) {
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

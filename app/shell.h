#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>

#include "app/main_menu.h"
#include "calc/calculator.h"
#include "forms/calculator_form.h"

namespace quillmark::app {

// Start-up and the moves between windows. Each of the five window classes has one instance
// slot, filled on first use and never emptied. A window the person closes is destroyed;
// its instance, with a calculator's values, lives on, and the next show builds the window
// again from its layout.
class Shell : public QObject {
  Q_OBJECT

 public:
  // Builds and shows the main menu; nothing else is built before the person asks for it.
  void Start();

  // A menu button: the calculator window comes to the front, built first if need be.
  void ShowCalculator(calc::WindowClass window);
  // Back to Main Page: the main menu comes to the front, built first if need be.
  void ShowMainMenu();

  MainMenu* mainMenu() const { return menu_window_; }
  forms::CalculatorForm* calculatorWindow(calc::WindowClass window) const;
  const calc::CalculatorWindow* calculatorInstance(calc::WindowClass window) const;

 private:
  struct CalculatorSlot {
    std::unique_ptr<calc::CalculatorWindow> instance;
    QPointer<forms::CalculatorForm> window;
  };

  CalculatorSlot& SlotOf(calc::WindowClass window);
  // The main menu, built first if need be.
  MainMenu& Menu();

  // The main menu keeps nothing beyond its window, so its window is all its slot holds.
  QPointer<MainMenu> menu_window_;
  std::array<CalculatorSlot, calc::kWindowClasses.size()> calculators_;
};

}  // namespace quillmark::app

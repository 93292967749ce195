#include <gtest/gtest.h>

#include "app/shell.h"
#include "gui_support.h"

namespace quillmark::app {
namespace {

// Under the sanitize preset LeakSanitizer checks that nothing of a thousand windows is left at
// exit; here, that no widget outlives its window.
TEST(Lifecycle, EachWindowOpensAndClosesAThousandTimesLeavingNothingBehind) {
  Shell shell;
  shell.Start();
  qsizetype widgets_after_first_round = 0;
  for (int round = 0; round < 1000; ++round) {
    for (calc::WindowClass window : calc::kWindowClasses) {
      shell.ShowCalculator(window);
      shell.calculatorWindow(window)->close();
    }
    shell.mainMenu()->close();
    test_support::FlushDeletes();
    shell.ShowMainMenu();
    if (round == 0)
      widgets_after_first_round = QApplication::allWidgets().size();
  }
  EXPECT_EQ(QApplication::allWidgets().size(), widgets_after_first_round);
  EXPECT_EQ(QApplication::topLevelWidgets().size(), 1);
  shell.mainMenu()->close();
  test_support::FlushDeletes();
}

}  // namespace
}  // namespace quillmark::app

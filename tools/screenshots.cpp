// Saves a picture of the main menu and of each calculator window, built by the program's
// own shell, into the folder given on the command line. Run with QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/shell.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  const QDir folder(argc > 1 ? argv[1] : ".");
  quillmark::app::Shell shell;
  shell.Start();
  bool saved = shell.mainMenu()->grab().save(folder.filePath("frmQuillmarkKVAtoAmps.png"));
  for (auto window : quillmark::calc::kWindowClasses) {
    shell.ShowCalculator(window);
    auto* form = shell.calculatorWindow(window);
    saved = form->grab().save(folder.filePath(form->objectName() + ".png")) && saved;
  }
  // A window after a Solve that found a bad power factor, with its message box answered.
  struct : quillmark::runtime::MessageBox {
    void Show(std::string_view) override {}
  } answered;
  auto* form = shell.calculatorWindow(quillmark::calc::WindowClass::frmKVAtoAmps3PhLL);
  auto& model = form->model();
  model.controls.txtKVA.SetText("100");
  model.controls.txtVolts.SetText("400");
  model.controls.txtPF.SetText("0");
  model.cmdSolve_Click(answered);
  form->Mirror();
  saved = form->grab().save(folder.filePath("frmKVAtoAmps3PhLL-warning.png")) && saved;
  return saved ? 0 : 1;
}

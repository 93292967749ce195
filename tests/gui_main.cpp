// Runs GoogleTest inside a QApplication, on Qt's offscreen platform unless told otherwise,
// so the windows' tests need no display. Where the build names a folder of fonts for that
// platform (a Windows build tested under Wine), the platform reads them from there.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef QUILLMARK_TEST_FONTS
  if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
    qputenv("QT_QPA_FONTDIR", QUILLMARK_TEST_FONTS);
#endif
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quillmark");
  QApplication::setStyle("Fusion");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

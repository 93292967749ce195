#include <gtest/gtest.h>

#include <QColorSpace>
#include <QScreen>
#include <QSignalSpy>
#include <functional>

#include "app/shell.h"
#include "forms/stored_pixels.h"
#include "gui_support.h"
#include "layouts/main_menu_layout.h"

namespace quillmark::app {
namespace {

using calc::WindowClass;
using test_support::FlushDeletes;

bool IsCentred(const QWidget& window) {
  const QPoint offset = window.geometry().center() - window.screen()->availableGeometry().center();
  return offset.manhattanLength() <= 2;
}

void Click(QWidget* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override { shell_.Start(); }
  void TearDown() override {
    for (QWidget* window : QApplication::topLevelWidgets())
      window->close();
    FlushDeletes();
  }
  forms::CalculatorForm* Open(WindowClass window) {
    for (const layouts::MenuEntry& entry : layouts::kMenuEntries) {
      if (entry.target == window)
        Click(shell_.mainMenu()->control(entry.button));
    }
    return shell_.calculatorWindow(window);
  }

  Shell shell_;
};

TEST_F(NavigationTest, StartsOnTheMainMenuAloneWithThePictureLastInTheTabOrder) {
  MainMenu* menu = shell_.mainMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(IsCentred(*menu));
  EXPECT_EQ(QApplication::topLevelWidgets().size(), 1);
  menu->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
  test_support::ExpectTabCycle({menu->Command3, menu->Command4, menu->Command1, menu->Command2,
                                menu->Picture1, menu->Command3});
}

QImage Opaque(QImage image) {
  image.setColorSpace({});
  return image.convertToFormat(QImage::Format_RGB32);
}

// From the menu's first frame, at its size on screen where the screen has the usual density
// and from twice that on a denser one (this test runs again at QT_SCALE_FACTOR=2).
TEST_F(NavigationTest, TheMenuHasThePictureForItsScreensDensityFromTheStart) {
  const QImage shown = shell_.mainMenu()->Picture1->picture();
  const bool dense = shell_.mainMenu()->devicePixelRatio() > 1;
  EXPECT_EQ(shown.devicePixelRatio(), dense ? 2 : 1);
  EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(400, 311));
  const QImage made_from(dense ? ":/sources/images/distribution-board@2x.png"
                               : ":/sources/images/distribution-board.png");
  EXPECT_TRUE(shown == Opaque(made_from)) << "the stored pixels are not the PNG's";
}

// The plain pixels the program carries are made from the PNG files beside them; one left
// behind when its PNG changed shows here.
TEST(StoredPixelsTest, AreThoseOfTheirPngFiles) {
  struct Row {
    const char* name;
    int width, height;
    QImage::Format format;
  };
  const Row rows[] = {
      {"images/distribution-board", 400, 311, QImage::Format_RGB32},
      {"images/distribution-board@2x", 800, 622, QImage::Format_RGB32},
      {"icons/quillmark-16", 16, 16, QImage::Format_ARGB32_Premultiplied},
      {"icons/quillmark-48", 48, 48, QImage::Format_ARGB32_Premultiplied},
      {"icons/quillmark-256", 256, 256, QImage::Format_ARGB32_Premultiplied},
  };
  for (const Row& row : rows) {
    const QString name = QString::fromLatin1(row.name);
    const QImage stored =
        forms::StoredPixels(":/" + name + ".bgra", QSize(row.width, row.height), row.format);
    QImage png(":/sources/" + name + ".png");
    png.setColorSpace({});
    EXPECT_TRUE(!stored.isNull() && stored == png.convertToFormat(row.format)) << row.name;
  }
  EXPECT_TRUE(forms::StoredPixels(":/icons/quillmark-16.bgra", QSize(16, 15), QImage::Format_ARGB32)
                  .isNull())
      << "pixels of another size are refused";
}

// An open window is brought back as it is; a closed one is rebuilt from its layout, centred,
// over the values the last one left.
TEST_F(NavigationTest, AWindowIsReusedWhileOpenAndRebuiltWithItsValuesOnceClosed) {
  forms::CalculatorForm* form = Open(WindowClass::frmKVAtoAmps1PhLN);
  QTest::keyClicks(form->txtKVA, "5");
  QTest::keyClicks(form->txtVolts, "230");
  Click(form->cmdSolve);
  ASSERT_EQ(form->txtAmps->text(), "21.7");
  EXPECT_EQ(form->geometry(), shell_.mainMenu()->geometry()) << "opens exactly over the menu";
  Click(form->cmdBackMainPage);
  EXPECT_EQ(Open(WindowClass::frmKVAtoAmps1PhLN), form) << "Back leaves the calculator open";

  form->close();
  FlushDeletes();
  EXPECT_EQ(shell_.calculatorWindow(WindowClass::frmKVAtoAmps1PhLN), nullptr);
  form = Open(WindowClass::frmKVAtoAmps1PhLN);
  EXPECT_TRUE(form->txtAmps->text().isEmpty()) << "the layout's initial contents";
  EXPECT_TRUE(IsCentred(*form));
  EXPECT_NEAR(shell_.calculatorInstance(WindowClass::frmKVAtoAmps1PhLN)->values.Amps, 21.7, 0.05);
}

// Alt and a letter typed ahead, queued as the window system queues them: the access key
// arms its button's click only when the event loop reaches it.
void TypeAhead(QWidget* box, Qt::Key letter) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
    QCoreApplication::postEvent(box, new QKeyEvent(type, letter, Qt::AltModifier));
}

// Solve's message box waits for the person; a click that comes due meanwhile, typed ahead
// or pending on the menu, finds Solve still running and does nothing.
TEST_F(NavigationTest, NoButtonRunsWhileTheMessageBoxWaits) {
  forms::CalculatorForm* form = Open(WindowClass::frmKVAtoAmps3PhLL);
  QSignalSpy back(form, &forms::CalculatorForm::backToMainPage);
  QPushButton* menu_button = shell_.mainMenu()->Command2;
  const std::pair<const char*, std::function<void()>> rows[] = {
      {"Alt+C", [&] { TypeAhead(form->txtPF, Qt::Key_C); }},
      {"Alt+B", [&] { TypeAhead(form->txtPF, Qt::Key_B); }},
      {"menu",
       [&] { QMetaObject::invokeMethod(menu_button, "animateClick", Qt::QueuedConnection); }},
  };
  for (const auto& row : rows) {
    const char* name = row.first;  // a plain variable, which clang 14's lambdas can capture
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form)) << name;
    Click(form->cmdClear);
    for (auto [box, text] :
         {std::pair{form->txtKVA, "100"}, {form->txtVolts, "400"}, {form->txtPF, "0"}})
      QTest::keyClicks(box, text);
    TypeAhead(form->txtPF, Qt::Key_S);
    row.second();
    bool read = false;
    const int boxes = test_support::AnswerMessageBoxes(
        [&] {
          EXPECT_TRUE(QTest::qWaitFor([&] { return read && !QApplication::activeModalWidget(); }));
        },
        [&](QMessageBox&) {
          QTest::qWait(300);  // the person reads the box, and the warning behind it
          EXPECT_EQ(form->lbl8->text().toStdString(), " Invalid PF value") << name;
          read = true;
        });
    EXPECT_EQ(boxes, 1) << name;
    EXPECT_EQ(form->txtVolts->text().toStdString(), "400") << name;
  }
  EXPECT_EQ(back.count(), 0);
  EXPECT_EQ(shell_.calculatorWindow(WindowClass::frmKVAtoAmps3PhLN), nullptr);
}

// Runs `step` once `window`, just closed, is destroyed. Steps on fixed timers would race the
// destruction where windows are slow to go, as they are under Wine.
void AfterDestroyed(QObject* window, const std::function<void()>& step) {
  QObject::connect(window, &QObject::destroyed, qApp, [step] { QTimer::singleShot(0, step); });
}

TEST_F(NavigationTest, TheProgramEndsWithItsLastWindowWhicheverItIs) {
  forms::CalculatorForm* ll = Open(WindowClass::frmKVAtoAmps3PhLL);
  forms::CalculatorForm* ln = Open(WindowClass::frmKVAtoAmps3PhLN);
  bool ran_on_without_menu = false, menu_rebuilt_centred = false, ran_on_with_one_left = false;
  AfterDestroyed(shell_.mainMenu(), [&] {
    ran_on_without_menu = true;
    Click(ln->cmdBackMainPage);
    menu_rebuilt_centred = shell_.mainMenu() != nullptr && IsCentred(*shell_.mainMenu());
    AfterDestroyed(ll, [&] {
      ran_on_with_one_left = true;
      ln->close();
    });
    shell_.mainMenu()->close();
    ll->close();
  });
  QTimer::singleShot(0, [&] { shell_.mainMenu()->close(); });
  QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(-1); });
  EXPECT_EQ(QApplication::exec(), 0) << "still running with every window closed";
  EXPECT_TRUE(ran_on_without_menu) << "closing the menu ended the program";
  EXPECT_TRUE(menu_rebuilt_centred) << "Back rebuilds the closed menu, centred";
  EXPECT_TRUE(ran_on_with_one_left);
}

}  // namespace
}  // namespace quillmark::app

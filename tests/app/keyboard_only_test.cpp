// A learner without a mouse: the menu opened with Alt and the arrow keys, every answer typed
// and judged with Enter, "Weiter" and "Auswertung" pressed with Enter or Space, the windows
// closed with Escape. Every key goes where the keyboard sends it: to the open menu, or else to
// the widget that has the focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/window_set.h"
#include "base/shared_functions.h"
#include "exercise_test.h"
#include "practice/evaluation_window.h"
#include "practice/practice_run.h"
#include "topics/terms/substitution_exercise_window.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using test::ProcessEvents;

class KeyboardOnlyTest : public test::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    TfrmAuswertung::SetStepIntervalForTesting(0);
    QApplication::setActiveWindow(&mainWindow());
    ProcessEvents();
  }
  void TearDown() override {
    TfrmAuswertung::SetStepIntervalForTesting(100);
    ExerciseTest::TearDown();
  }

  // Where a key press goes: the open menu, else the focused widget, else the active window.
  static QWidget* keyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeWindow();
  }
  static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = keyTarget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
    ProcessEvents();
  }
  static void type(const QString& text) {
    QTest::keyClicks(keyTarget(), text);
    ProcessEvents();
  }
  // Moves down an open menu to the item with this caption and opens it (Right for a submenu,
  // Enter for a command).
  static void choose(const QString& caption, Qt::Key open) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << caption.toStdString();
    for (int step = 0;
         step < 20 && (!menu->activeAction() || menu->activeAction()->text() != caption); ++step) {
      press(Qt::Key_Down);
    }
    ASSERT_NE(menu->activeAction(), nullptr);
    ASSERT_EQ(menu->activeAction()->text(), caption);
    press(open);
  }
};

const TTerm& Item(int i) { return terms_topic::EinsetzenTerme[static_cast<std::size_t>(i)]; }

TEST_F(KeyboardOnlyTest, AWholeSubstitutionRunWithoutTheMouse) {
  // Alt opens the menu bar; Right moves to "Terme", Down opens it.
  press(Qt::Key_Alt);
  QMenuBar* bar = mainWindow().mainMenu();
  ASSERT_NE(bar->activeAction(), nullptr);
  while (bar->activeAction()->text() != QStringLiteral("Terme")) press(Qt::Key_Right);
  press(Qt::Key_Down);
  choose(QString::fromUtf8("Übungsbeispele"), Qt::Key_Right);
  choose(QStringLiteral("Einsetzen"), Qt::Key_Right);
  choose(QStringLiteral("Stufe 2"), Qt::Key_Return);

  auto* window = qobject_cast<TfrmEinsetzenU*>(openChildWindow());
  ASSERT_NE(window, nullptr);
  QApplication::setActiveWindow(window);
  ProcessEvents();
  exercise = window;
  ASSERT_EQ(QApplication::focusWidget(), window->answerField(1));

  for (int pass = 1; pass <= 3; ++pass) {
    SCOPED_TRACE(pass);
    EXPECT_EQ(label("lblDurchgang"), QStringLiteral("%1 / 3").arg(pass));
    for (int i = 1; i <= 5; ++i) {
      ASSERT_EQ(QApplication::focusWidget(), window->answerField(i));
      if (i == 2) {  // wrong once, then corrected in the same field
        type(QStringLiteral("999"));
        press(Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), window->answerField(2));
        for (int k = 0; k < 3; ++k) press(Qt::Key_Backspace);
      }
      if (i == 4) {  // wrong twice
        type(QStringLiteral("998"));
        press(Qt::Key_Return);
        press(Qt::Key_Backspace);
        type(QStringLiteral("7"));
        press(Qt::Key_Return);
        continue;
      }
      type(test::Typed(Item(i).Antwort));
      press(Qt::Key_Return);
    }
    EXPECT_EQ(label("lblAktVersuche"), "7");
    EXPECT_EQ(label("lblAktPunkte"), "3,5");
    if (pass < 3) {
      // Enter in the last field moved on to "Weiter"; Space presses it in pass 1, Enter in 2.
      ASSERT_EQ(QApplication::focusWidget()->objectName(), "btnWeiter");
      press(pass == 1 ? Qt::Key_Space : Qt::Key_Return);
    }
  }
  // After the third pass "Auswertung" has the focus in the place of "Weiter".
  ASSERT_EQ(QApplication::focusWidget()->objectName(), "btnAuswertung");
  press(Qt::Key_Return);

  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  ASSERT_TRUE(evaluation.isVisible());
  QApplication::setActiveWindow(&evaluation);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluation.countUpRunning(); }, 5000));
  EXPECT_EQ(evaluation.findChild<QLabel*>("pnlRichtig")->text(), "10,5 / 21");
  EXPECT_EQ(evaluation.findChild<QLabel*>("lblPRichtig")->text(), "50,000 %");
  press(Qt::Key_Escape);
  EXPECT_FALSE(evaluation.isVisible());

  // A new run has begun; Escape closes the exercise and the main window is back.
  QApplication::setActiveWindow(window);
  ProcessEvents();
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(practice::Versuche, 0);
  press(Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
  exercise = nullptr;
}

TEST_F(KeyboardOnlyTest, EscapeKeepsTheMainWindowAndTheRunningCountUp) {
  QApplication::setActiveWindow(&mainWindow());
  press(Qt::Key_Escape);
  EXPECT_TRUE(mainWindow().isVisible());

  TfrmAuswertung::SetStepIntervalForTesting(50);
  practice::Punkte = 1;
  practice::Versuche = 10;
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  mainWindow().openModal(evaluation, /*stayVisible=*/true);
  QApplication::setActiveWindow(&evaluation);
  ProcessEvents();
  ASSERT_TRUE(evaluation.countUpRunning());
  press(Qt::Key_Escape);
  EXPECT_TRUE(evaluation.isVisible());  // only once the count-up has ended
  ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluation.countUpRunning(); }, 5000));
  press(Qt::Key_Escape);
  EXPECT_FALSE(evaluation.isVisible());
}

}  // namespace
}  // namespace kalkora

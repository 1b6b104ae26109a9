// A learner without a mouse: the menu opened with Alt and the arrow keys, every answer typed
// and judged with Enter, "Weiter" and "Auswertung" pressed with Enter or Space, the windows
// closed with Escape. A teacher without a mouse makes a worksheet: Tab through the dialog,
// Enter saves, Escape closes. Every key goes where the keyboard sends it: to the open menu, or
// else to the widget that has the focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/window_set.h"
#include "app/worksheet_dialog.h"
#include "base/shared_functions.h"
#include "exercise_test.h"
#include "frame/information_box.h"
#include "pdf_reading.h"
#include "practice/evaluation_window.h"
#include "practice/example_window.h"
#include "practice/practice_run.h"
#include "topics/terms/substitution_exercise_window.h"
#include "topics/terms/term_record.h"
#include "worksheet/sheet_layout.h"

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
  // Makes the window the active one, as a click on it or the window manager would.
  static void activate(QWidget* window) {
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    ProcessEvents();
  }
  // The paint box of a worked-example window as the learner sees it.
  static QImage page(const QWidget* window) {
    return window->findChild<QWidget*>("pnt")->grab().toImage();
  }
  // Presses Tab until `target` has the focus (a few times at most).
  static void tabTo(const QWidget* target) {
    for (int step = 0; step < 6 && QApplication::focusWidget() != target; ++step) {
      press(Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), target);
  }
  // Opens a menu of the menu bar with Alt, the arrow keys and Down (the main window's menu bar
  // unless another is named).
  void openMenuBarMenu(const QString& caption, QMenuBar* bar = nullptr) {
    press(Qt::Key_Alt);
    if (bar == nullptr) bar = mainWindow().mainMenu();
    ASSERT_NE(bar->activeAction(), nullptr);
    for (int step = 0; step < 10 && bar->activeAction()->text() != caption; ++step) {
      press(Qt::Key_Right);
    }
    ASSERT_EQ(bar->activeAction()->text(), caption);
    press(Qt::Key_Down);
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
  openMenuBarMenu(QStringLiteral("Terme"));
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

TEST_F(KeyboardOnlyTest, AWorkedExampleWindowWithoutTheMouse) {
  openMenuBarMenu(QStringLiteral("Potenzen"));
  choose(QStringLiteral("Musterbeispiele"), Qt::Key_Right);
  choose(QStringLiteral("Multiplizieren"), Qt::Key_Return);
  auto* window = qobject_cast<ExampleWindow*>(openChildWindow());
  ASSERT_NE(window, nullptr);
  activate(window);
  ASSERT_TRUE(window->levelButton(1)->isChecked());

  // Tab reaches the level group at its chosen button; the arrow key towards the next button
  // (they stand side by side) chooses "Stufe 2", which shows examples of that level at once.
  ASSERT_NO_FATAL_FAILURE(tabTo(window->levelButton(1)));
  const QImage atLevel1 = page(window);
  press(Qt::Key_Right);
  EXPECT_TRUE(window->levelButton(2)->isChecked());
  const QImage atLevel2 = page(window);
  EXPECT_NE(atLevel2, atLevel1);

  // Tab goes on to "Weitere Beispiele"; Space and Enter each press it and show new examples
  // of the same level.
  ASSERT_NO_FATAL_FAILURE(tabTo(window->moreExamplesButton()));
  press(Qt::Key_Space);
  const QImage afterSpace = page(window);
  EXPECT_NE(afterSpace, atLevel2);
  press(Qt::Key_Return);
  EXPECT_NE(page(window), afterSpace);
  EXPECT_TRUE(window->levelButton(2)->isChecked());

  // Escape closes the window; the main window is back, and opening again starts at Stufe 1.
  press(Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
  activate(&mainWindow());
  openMenuBarMenu(QStringLiteral("Potenzen"));
  choose(QStringLiteral("Musterbeispiele"), Qt::Key_Right);
  choose(QStringLiteral("Multiplizieren"), Qt::Key_Return);
  ASSERT_EQ(openChildWindow(), window);
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  activate(window);
  press(Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(KeyboardOnlyTest, TheStepwiseFractionExamplesWithoutTheMouse) {
  openMenuBarMenu(QStringLiteral("Bruchterme"));
  choose(QStringLiteral("Musterbeispiele"), Qt::Key_Right);
  choose(QStringLiteral("Addieren/Subtrahieren"), Qt::Key_Right);
  choose(QStringLiteral("ungleichnamig"), Qt::Key_Return);
  auto* window = qobject_cast<ExampleWindow*>(openChildWindow());
  ASSERT_NE(window, nullptr);
  activate(window);

  // The four steps of the unlike denominators: Tab reaches "Weiter", Enter and Space press it;
  // the levels wait until the last step, where "Weiter" goes and the keyboard stays on a
  // shown control.
  ASSERT_NO_FATAL_FAILURE(tabTo(window->stepButton()));
  QString instruction = window->instructionLabel()->text();
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Return}) {
    press(key);
    EXPECT_NE(window->instructionLabel()->text(), instruction);
    instruction = window->instructionLabel()->text();
  }
  EXPECT_FALSE(window->stepButton()->isVisible());
  EXPECT_TRUE(window->levelButton(1)->isEnabled());
  EXPECT_TRUE(window->moreExamplesButton()->isEnabled());
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_TRUE(QApplication::focusWidget()->isVisible());
  press(Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());

  // Dividing by terms at Stufe 2: Alt opens the window's own menu bar, where "Schrittweise
  // Erklärung" starts the division of whole numbers step by step.
  activate(&mainWindow());
  openMenuBarMenu(QStringLiteral("Bruchterme"));
  choose(QStringLiteral("Musterbeispiele"), Qt::Key_Right);
  choose(QStringLiteral("Dividieren durch Terme"), Qt::Key_Return);
  ASSERT_EQ(openChildWindow(), window);
  activate(window);
  ASSERT_NO_FATAL_FAILURE(tabTo(window->levelButton(1)));
  press(Qt::Key_Right);
  ASSERT_TRUE(window->levelButton(2)->isChecked());
  const QImage division = page(window);
  press(Qt::Key_Alt);
  QMenuBar* bar = window->mainMenu();
  ASSERT_NE(bar->activeAction(), nullptr);
  for (int step = 0; step < 5 && bar->activeAction()->text() != window->stepMenuItem()->text();
       ++step) {
    press(Qt::Key_Right);
  }
  ASSERT_EQ(bar->activeAction(), window->stepMenuItem());
  press(Qt::Key_Return);
  const QImage comparison = page(window);
  EXPECT_NE(comparison, division);
  EXPECT_FALSE(window->levelButton(1)->isEnabled());
  // The keyboard is on "Weiter" of the comparison: Space shows its next step.
  ASSERT_EQ(QApplication::focusWidget(), window->stepButton());
  press(Qt::Key_Space);
  EXPECT_NE(page(window), comparison);
  press(Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
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

TEST_F(KeyboardOnlyTest, AWorksheetMadeAndSavedWithoutTheMouse) {
  QStringList information;
  SetInformationBoxForTesting([&information](const QString& text) { information << text; });
  openMenuBarMenu(QStringLiteral("Arbeitsblatt"));
  choose(QStringLiteral("Arbeitsblatt erstellen …"), Qt::Key_Return);
  TfrmArbeitsblatt* dialog = mainWindow().frmArbeitsblatt();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
  activate(dialog);

  // The focus starts on the topic; Tab goes through the controls in the order they stand.
  ASSERT_EQ(QApplication::focusWidget(), dialog->cmbThema);
  for (QWidget* next : std::initializer_list<QWidget*>{
           dialog->cmbArt, dialog->cmbStufe, dialog->spnAnzahl, dialog->edtTitel,
           dialog->chkLoesung, dialog->edtStartwert, dialog->btnNeu, dialog->btnPdf,
           dialog->btnDrucken, dialog->btnSchliessen, dialog->cmbThema}) {
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }

  // Bruchterme › Multiplizieren, Stufe 2, 12 tasks, without key, seed 4711: the arrow keys
  // choose, typing replaces the number Tab selected, Space unticks.
  press(Qt::Key_Down);
  press(Qt::Key_Down);
  EXPECT_EQ(dialog->cmbThema->currentText(), QStringLiteral("Bruchterme"));
  press(Qt::Key_Tab);
  while (dialog->cmbArt->currentText() != QStringLiteral("Multiplizieren")) {
    ASSERT_LT(dialog->cmbArt->currentIndex(), dialog->cmbArt->count() - 1);
    press(Qt::Key_Down);
  }
  press(Qt::Key_Tab);
  press(Qt::Key_Down);
  press(Qt::Key_Tab);
  type(QStringLiteral("12"));
  press(Qt::Key_Tab);
  EXPECT_EQ(dialog->edtTitel->text(), QStringLiteral("Bruchterme – Multiplizieren (Stufe 2)"));
  press(Qt::Key_Tab);
  press(Qt::Key_Space);
  EXPECT_FALSE(dialog->chkLoesung->isChecked());
  press(Qt::Key_Tab);
  press(Qt::Key_A, Qt::ControlModifier);
  type(QStringLiteral("47x11"));  // the seed takes digits only
  EXPECT_EQ(dialog->edtStartwert->text(), QStringLiteral("4711"));

  // Enter on a focused button presses that button: "Drucken …" opens the print dialog, and
  // Escape there prints nothing.
  press(Qt::Key_Tab);
  press(Qt::Key_Tab);
  press(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), dialog->btnDrucken);
  press(Qt::Key_Return);
  const QPointer<QPrintDialog> print = test::ShownDialog<QPrintDialog>("dlgDrucken");
  ASSERT_NE(print, nullptr);
  EXPECT_EQ(test::ShownDialog<QFileDialog>("dlgSpeichern"), nullptr);
  activate(print);
  press(Qt::Key_Escape);
  EXPECT_TRUE(print.isNull() || !print->isVisible());
  EXPECT_EQ(dialog->lblMeldung->text(), QString());

  // Enter in a field saves: the file dialog opens with a name for the sheet, Enter there
  // writes the file.
  activate(dialog);
  dialog->spnAnzahl->setFocus();  // where the teacher left it before looking at the printer
  press(Qt::Key_Return);
  const QPointer<QFileDialog> files = test::ShownDialog<QFileDialog>("dlgSpeichern");
  ASSERT_NE(files, nullptr);
  activate(files);
  auto* name = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), QStringLiteral("bruchterme-multiplizieren-stufe-2.pdf"));
  const QTemporaryDir folder;
  const QString path = folder.filePath(name->text());
  press(Qt::Key_A, Qt::ControlModifier);
  type(path);
  press(Qt::Key_Return);
  EXPECT_TRUE(files.isNull() || !files->isVisible());
  EXPECT_TRUE(information.isEmpty()) << information.join(u'\n').toStdString();
  const std::optional<test::PdfInfo> info = test::ReadPdfInfo(path);
  ASSERT_TRUE(info.has_value());
  worksheet::WorksheetRequest request;
  request.kind = worksheet::FindWorksheetKind("bruchterme-multiplizieren");
  request.level = 2;
  request.count = 12;
  request.seed = 4711;
  request.withKey = false;
  EXPECT_EQ(
      info->pages,
      static_cast<int>(worksheet::LayOutWorksheet(worksheet::MakeWorksheet(request)).pages.size()));
  EXPECT_EQ(dialog->lblMeldung->text(), QStringLiteral("Gespeichert: %1").arg(path));

  // Escape closes the dialog; the main window was there all along.
  activate(dialog);
  press(Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
  SetInformationBoxForTesting({});
}

}  // namespace
}  // namespace kalkora

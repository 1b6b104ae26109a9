// The main window's menu tree and what each command opens, as a learner uses them.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <functional>

#include "app/main_window.h"
#include "app/window_set.h"
#include "base/selection.h"
#include "frame/screen.h"
#include "practice/evaluation_window.h"
#include "program_test.h"
#include "topics/fractions/unlike_denominators_window.h"

namespace kalkora {
namespace {

using test::ProcessEvents;
using test::ProgramTest;
using namespace selection;

// One line per menu entry: its nesting by indentation, then its caption (separators "-").
void describe(const QList<QAction*>& actions, int depth, QStringList& lines) {
  for (QAction* action : actions) {
    const QString indent(depth * 2, QLatin1Char(' '));
    lines << indent + (action->isSeparator() ? QStringLiteral("-") : action->text());
    if (QMenu* submenu = action->menu()) describe(submenu->actions(), depth + 1, lines);
  }
}

TEST_F(ProgramTest, MainWindowHasItsCaptionSizeAndMenuTree) {
  EXPECT_EQ(mainWindow().windowTitle(), QStringLiteral("Kalkora"));
  EXPECT_EQ(mainWindow().clientArea()->size(), QSize(1016, 722));
  EXPECT_TRUE(mainWindow().isVisible());
  // The client area lies below the menu bar; the window is as tall as both.
  const int menuHeight = mainWindow().mainMenu()->height();
  EXPECT_GT(menuHeight, 10);
  EXPECT_EQ(mainWindow().clientArea()->y(), menuHeight);
  EXPECT_EQ(mainWindow().size(), QSize(1016, 722 + menuHeight));
  EXPECT_EQ(mainWindow().minimumSize(), mainWindow().maximumSize());  // fixed size
  EXPECT_FALSE(mainWindow().windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(mainWindow().windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(mainWindow().windowFlags() & Qt::WindowCloseButtonHint);

  QStringList lines;
  describe(mainWindow().mainMenu()->actions(), 0, lines);
  const QStringList expected{
      "&Beenden",
      "Terme",
      "  Begriffe",
      "  Formeln",
      "  -",
      "  Musterbeispiele",
      "    Einsetzen",
      "    Addieren/Subtrahieren",
      "    Polynom·Monom",
      "    Polynom·Polynom",
      "    Formeln für Binome",
      "    Formeln ergänzen",
      "    Herausheben",
      "  Übungsbeispele",
      "    Einsetzen",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Addieren/Subtrahieren",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Polynom·Monom",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Polynom·Polynom",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Formeln für Binome",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Formeln ergänzen",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Herausheben",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "Potenzen",
      "  Begriffe",
      "  Formeln",
      "  -",
      "  Musterbeispiele",
      "    Multiplizieren",
      "    Dividieren",
      "    Potenzieren",
      "    Addieren/Subrahieren",
      "  Übungsbeispiele",
      "    Multiplizieren",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Dividieren",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Potenzieren",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Addieren/Subtrahieren",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "Bruchterme",
      "  Begriffe",
      "  -",
      "  Musterbeispiele",
      "    Definitionsmenge",
      "    Kürzen",
      "    kgV",
      "    Addieren/Subtrahieren",
      "      gleichnamig",
      "      ungleichnamig",
      "    Multiplizieren",
      "    Dividieren",
      "    Dividieren durch Terme",
      "  Übungsbeispiele",
      "    Definitionsmenge",
      "    Kürzen",
      "    kgV",
      "    Addieren/Subtrahieren (gleichnamig)",
      "    Addieren/Subtrahieren (ungleichnamig)",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Multiplizieren",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Dividieren",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "    Dividieren durch Terme",
      "      Stufe 1",
      "      Stufe 2",
      "      Stufe 3",
      "Arbeitsblatt",
      "  Arbeitsblatt erstellen …",
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(ProgramTest, AllWindowsExistInTheirOrderWithTheirSizes) {
  QStringList names;
  for (KalkoraWindow* window : AllWindows()) {
    names << window->objectName();
    window->ensureChildren();  // the menu bar and controls as the window is first shown
    const QSize expected = window->objectName() == "frmFormeln"      ? QSize(612, 559)
                           : window->objectName() == "frmAuswertung" ? QSize(392, 433)
                                                                     : QSize(1016, 722);
    EXPECT_EQ(window->clientArea()->size(), expected) << window->objectName().toStdString();
    EXPECT_EQ(window->mainMenu() != nullptr, window->objectName() != "frmAuswertung");
  }
  const QStringList expected{"frmKalkora",    "frmFormeln",   "frmEinsetzenM", "frmAddSubM",
                             "frmBegriffe",   "frmPotenzenM", "frmPolynomeM",  "frmEinsetzenU",
                             "frmAuswertung", "frmAddSubU",   "frmPotenzenU",  "frmDivPotU",
                             "frmPolynomeU",  "frmErgaenzen", "frmBruchM",     "frmBruchU",
                             "frmBruchU2",    "frmBruchU3"};
  EXPECT_EQ(names, expected);
}

// The program makes its 18 windows at start but the controls of a window only when it is
// first opened, so the start pays for the main window's alone; a second opening keeps them.
TEST_F(ProgramTest, WindowsMakeTheirControlsWhenFirstOpened) {
  QWidget* client = Windows().frmBruchU2->clientArea();
  EXPECT_TRUE(client->findChildren<QLineEdit*>().isEmpty());
  EXPECT_TRUE(Windows().frmAuswertung->clientArea()->findChildren<QPushButton*>().isEmpty());

  clickMenu("menAddSubUU2");
  ProcessEvents();
  ASSERT_EQ(openChildWindow(), static_cast<QWidget*>(Windows().frmBruchU2));
  const QList<QLineEdit*> fields = client->findChildren<QLineEdit*>();
  EXPECT_EQ(fields.size(), 12);
  EXPECT_FALSE(client->findChildren<QPushButton*>(QStringLiteral("btnWeiter")).isEmpty());

  Windows().frmBruchU2->close();
  ProcessEvents();
  clickMenu("menAddSubUU1");
  ProcessEvents();
  EXPECT_EQ(client->findChildren<QLineEdit*>(), fields);
}

struct MenuCommand {
  const char* item;
  const char* window;  // object name of the window that opens
  std::function<bool()> selectionHolds;
};

TEST_F(ProgramTest, EveryMenuCommandOpensItsWindowWithItsSelection) {
  const std::vector<MenuCommand> commands{
      {"menBegriffeT", "frmBegriffe", [] { return selConceptTopic == 1; }},
      {"menBegriffeP", "frmBegriffe", [] { return selConceptTopic == 2; }},
      {"menBegriffeB", "frmBegriffe", [] { return selConceptTopic == 3; }},
      {"menFormelnT", "frmFormeln", [] { return selFormulaTopic == 1; }},
      {"menFormelnP", "frmFormeln", [] { return selFormulaTopic == 2; }},
      {"menEinsetzenM", "frmEinsetzenM", [] { return true; }},
      {"menAddSubbM", "frmAddSubM", [] { return true; }},
      {"menPolyMonM", "frmPolynomeM", [] { return selPolyExample == 1; }},
      {"menPolyPolyM", "frmPolynomeM", [] { return selPolyExample == 2; }},
      {"menBinomeM", "frmPolynomeM", [] { return selPolyExample == 3; }},
      {"menErgaenzenM", "frmPolynomeM", [] { return selPolyExample == 4; }},
      {"menHeraushebenM", "frmPolynomeM", [] { return selPolyExample == 5; }},
      {"menStufe1E", "frmEinsetzenU", [] { return selSubstLevel == 1; }},
      {"menStufe3E", "frmEinsetzenU", [] { return selSubstLevel == 3; }},
      {"menStufe2AS", "frmAddSubU", [] { return selLikeTermsLevel == 2; }},
      {"menStufe1Mon", "frmPolynomeU", [] { return selPolyExercise == 1 && selLevel == 1; }},
      {"menStufe2Poly", "frmPolynomeU", [] { return selPolyExercise == 2 && selLevel == 2; }},
      {"menStufe3Bin", "frmPolynomeU", [] { return selPolyExercise == 3 && selLevel == 3; }},
      {"menStufe2Heraus", "frmPolynomeU", [] { return selPolyExercise == 5 && selLevel == 2; }},
      {"menStufe3Erg", "frmErgaenzen", [] { return selLevel == 3; }},
      {"menPotMultM", "frmPotenzenM", [] { return selPowerExample == 1; }},
      {"menPotDivM", "frmPotenzenM", [] { return selPowerExample == 2; }},
      {"menPotPotM", "frmPotenzenM", [] { return selPowerExample == 3; }},
      {"menAddSubPotM", "frmPotenzenM", [] { return selPowerExample == 4; }},
      {"menStufe2Mult", "frmPotenzenU",
       [] { return selPowerMultLevel == 2 && selPowerAddSubLevel == 0; }},
      {"menStufe3PAS", "frmPotenzenU",
       [] { return selPowerAddSubLevel == 3 && selPowerMultLevel == 0; }},
      {"menStufe1Div", "frmDivPotU",
       [] { return selPowerDivLevel == 1 && selPowerRaiseLevel == 0; }},
      {"menStufe2Pot", "frmDivPotU",
       [] { return selPowerRaiseLevel == 2 && selPowerDivLevel == 0; }},
      {"menDefmengeM", "frmBruchM", [] { return selFractionExample == 1; }},
      {"menKuerzenM", "frmBruchM", [] { return selFractionExample == 2; }},
      {"menKgvM", "frmBruchM", [] { return selFractionExample == 3; }},
      {"menAddSubM1", "frmBruchM", [] { return selFractionExample == 4; }},
      {"menAddSubM2", "frmBruchM", [] { return selFractionExample == 5; }},
      {"menMultM", "frmBruchM", [] { return selFractionExample == 6; }},
      {"menDivM", "frmBruchM", [] { return selFractionExample == 7; }},
      {"menTermDivM", "frmBruchM", [] { return selFractionExample == 8; }},
      {"menDefmengeU", "frmBruchU", [] { return selFractionExercise == 1; }},
      {"menKuerzenU", "frmBruchU", [] { return selFractionExercise == 2; }},
      {"menKgvU", "frmBruchU", [] { return selFractionExercise == 3; }},
      {"menAddSubGU", "frmBruchU", [] { return selFractionExercise == 4 && selLevel == 1; }},
      {"menStufe2MultB", "frmBruchU", [] { return selFractionExercise == 5 && selLevel == 2; }},
      {"menStufe3DivB", "frmBruchU", [] { return selFractionExercise == 6 && selLevel == 3; }},
      {"menAddSubUU2", "frmBruchU2", [] { return selLevel == 2; }},
      // The long-division window has made its division: it waits for answers.
      {"menStufe2DivTB", "frmBruchU3", [] { return selLevel == 2 && DivisionItemReady; }},
      {"menStufe3DivTB", "frmBruchU3", [] { return selLevel == 3 && DivisionItemReady; }},
  };
  for (const MenuCommand& command : commands) {
    SCOPED_TRACE(command.item);
    clickMenu(command.item);
    QWidget* opened = openChildWindow();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->objectName(), QString::fromLatin1(command.window));
    EXPECT_TRUE(command.selectionHolds());
    EXPECT_EQ(opened->windowModality(), Qt::ApplicationModal);
    const bool formulaSheet = opened->objectName() == "frmFormeln";
    EXPECT_EQ(mainWindow().isVisible(), formulaSheet);

    opened->close();
    ProcessEvents();
    EXPECT_FALSE(opened->isVisible());
    EXPECT_TRUE(mainWindow().isVisible());
  }
}

TEST_F(ProgramTest, DividingByTermsAtStufe1OpensTheFractionWindowKeepingTheLevel) {
  selLevel = 3;
  clickMenu("menStufe1DivTB");
  QWidget* opened = openChildWindow();
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->objectName(), "frmBruchU");
  EXPECT_EQ(selFractionExercise, 7);
  EXPECT_EQ(selLevel, 3);
  EXPECT_EQ(opened->windowTitle(),
            "Übungsbeispiele: Bruchterme – Dividieren durch eingliedrige Terme (Stufe 1)");
}

TEST_F(ProgramTest, ClosingResetsTheModeOfThePowerWindow) {
  clickMenu("menStufe2Mult");
  QWidget* powers = openChildWindow();
  ASSERT_NE(powers, nullptr);
  EXPECT_EQ(powers->windowTitle(), "Übungsbeispiele Potenzen – Multiplizieren (Stufe 2)");
  powers->close();
  ProcessEvents();
  EXPECT_EQ(selPowerMultLevel, 0);

  clickMenu("menStufe1PAS");
  EXPECT_EQ(selPowerAddSubLevel, 1);
  EXPECT_EQ(selPowerMultLevel, 0);
  EXPECT_EQ(openChildWindow()->windowTitle(),
            "Übungsbeispiele Potenzen – Addieren und Subtrahieren (Stufe 1)");
}

TEST_F(ProgramTest, ClosingByTheMenuItemSchliessenReturnsToTheMainWindow) {
  clickMenu("menStufe1E");
  auto* opened = qobject_cast<KalkoraWindow*>(openChildWindow());
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->windowTitle(), "Übungsbeispiele: Werte einsetzen (Stufe 1)");
  auto* schliessen = opened->mainMenu()->findChild<QAction*>("menSchliessen");
  ASSERT_NE(schliessen, nullptr);
  EXPECT_EQ(schliessen->text(), "Schließen");
  schliessen->trigger();
  ProcessEvents();
  EXPECT_FALSE(opened->isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
  EXPECT_EQ(selSubstLevel, 0);
}

TEST_F(ProgramTest, MainWindowActivationClearsTheTwoModeSelections) {
  selSubstLevel = selPowerMultLevel = selPowerAddSubLevel = 2;
  selPolyExample = selPowerDivLevel = selPowerRaiseLevel = selPolyExercise = 3;
  selLevel = selLikeTermsLevel = selFractionExercise = 2;
  mainWindow().FormActivate();
  EXPECT_EQ(selSubstLevel + selPowerMultLevel + selPowerAddSubLevel + selPolyExample +
                selPowerDivLevel + selPowerRaiseLevel + selPolyExercise,
            0);
  // These keep their last value.
  EXPECT_EQ(selLevel, 2);
  EXPECT_EQ(selLikeTermsLevel, 2);
  EXPECT_EQ(selFractionExercise, 2);
}

TEST_F(ProgramTest, A1024By768ScreenMaximisesTheWindows) {
  SetScreenSizeForTesting(QSize(1024, 768));
  mainWindow().FormActivate();
  EXPECT_TRUE(FullScreen);
  EXPECT_TRUE(mainWindow().windowState() & Qt::WindowMaximized);

  clickMenu("menStufe2AS");
  QWidget* exercise = openChildWindow();
  ASSERT_NE(exercise, nullptr);
  EXPECT_TRUE(exercise->windowState() & Qt::WindowMaximized);
  exercise->close();
  ProcessEvents();

  clickMenu("menFormelnT");  // the formula sheet is never maximised
  QWidget* formulas = openChildWindow();
  ASSERT_NE(formulas, nullptr);
  EXPECT_FALSE(formulas->windowState() & Qt::WindowMaximized);
}

TEST_F(ProgramTest, OtherScreenSizesKeepTheDesignedSizes) {
  for (const QSize screen : {QSize(1280, 1024), QSize(800, 600), QSize(1024, 769)}) {
    SetScreenSizeForTesting(screen);
    mainWindow().FormActivate();
    EXPECT_FALSE(FullScreen);
    EXPECT_FALSE(mainWindow().windowState() & Qt::WindowMaximized);
    EXPECT_EQ(mainWindow().clientArea()->size(), QSize(1016, 722));
    clickMenu("menStufe1AS");
    QWidget* exercise = openChildWindow();
    ASSERT_NE(exercise, nullptr);
    EXPECT_FALSE(exercise->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(qobject_cast<KalkoraWindow*>(exercise)->clientArea()->size(), QSize(1016, 722));
    exercise->close();
    ProcessEvents();
  }
}

TEST_F(ProgramTest, BeendenClosesTheMainWindow) {
  clickMenu("Beenden");
  EXPECT_FALSE(mainWindow().isVisible());
}

}  // namespace
}  // namespace kalkora

// Rows judged by their "Prüfen" button, driven as a learner drives them, on a small window of
// three rows 200 pixels apart: row 1 has one field judged on leaving it, row 2 a numerator and
// a denominator, row 3 three gaps. Field k of item i in pass p expects "p i k" ("121" for the
// first field of item 2 in pass 1).

#include <gtest/gtest.h>

#include <QTest>
#include <array>

#include "app/window_set.h"
#include "base/shared_functions.h"
#include "exercise_test.h"
#include "frame/information_box.h"
#include "practice/evaluation_window.h"
#include "practice/exercise_window.h"
#include "practice/practice_run.h"

namespace kalkora {
namespace {

using test::ProcessEvents;

class CheckedRowsWindow : public ExerciseWindow {
 public:
  CheckedRowsWindow() : ExerciseWindow(Design(), Rows()) {}

 private:
  static WindowDesign Design() { return WindowDesign{"frmChecked", "Checked", QSize(1016, 722)}; }
  static Layout Rows() {
    Layout layout;
    layout.items = 3;
    layout.rowStep = 200;
    layout.fields = {{"edtA", 30}, {"edtB", 70}, {"edtC", 30}};
    layout.checkButtons = true;
    layout.checkButton = QRect(800, 25, 80, 30);
    layout.pageRowY = 39;
    layout.pageRowStep = 20;
    return layout;
  }

 protected:
  QString caption() const override { return "Prüfen"; }
  Text instruction() const override { return u"Anfang"; }
  Text changeInstruction() const override { return u"Geändert"; }
  Text instructionAfterEvaluation() const override { return u"Neuer Lauf"; }
  void generateItem(int) override {}
  ItemFlags& flags(int item) override { return flags_[static_cast<std::size_t>(item - 1)]; }
  RowAnswer rowAnswer(int item) const override { return RowAnswer{item, /*checkButton=*/item > 1}; }
  Text expectedAnswer(int item) const override { return expectedFieldTexts(item).front(); }
  std::vector<Text> expectedFieldTexts(int item) const override {
    std::vector<Text> texts;
    for (int k = 1; k <= item; ++k)
      texts.push_back(IntText(practice::Durchgang * 100 + item * 10 + k));
    return texts;
  }
  Text solutionText(int item) const override { return u"L" + expectedAnswer(item); }
  Text emptyFieldsMessage(int, int empty, int fields) const override {
    return IntText(empty) + u" von " + IntText(fields);
  }
  KeyFilter keyFilter(int) const override { return KeyFilter::Numbers(); }
  int fieldWidth(int, int) const override { return 60; }
  void pntUebPaint(QPainter&) override {}

 private:
  std::array<ItemFlags, 3> flags_;
};

class CheckedRowsTest : public test::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    SetInformationBoxForTesting([this](const QString& text) { boxes.push_back(text); });
    TfrmAuswertung::SetStepIntervalForTesting(0);
    window = std::make_unique<CheckedRowsWindow>();
    mainWindow().openModal(*window);
    QApplication::setActiveWindow(window.get());
    ProcessEvents();
    exercise = window.get();
  }
  void TearDown() override {
    exercise = nullptr;
    window.reset();
    SetInformationBoxForTesting({});
    TfrmAuswertung::SetStepIntervalForTesting(100);
    ExerciseTest::TearDown();
  }

  AnswerField* field(int i, int k) const { return window->answerField(i, k); }
  QString expected(int i, int k) const {
    return QString::number(practice::Durchgang * 100 + i * 10 + k);
  }
  // Types into the field with the keyboard, as a learner does: a click into it, the keys.
  void type(int i, int k, const QString& text) {
    field(i, k)->setFocus(Qt::OtherFocusReason);
    ProcessEvents();
    field(i, k)->clear();
    QTest::keyClicks(field(i, k), text);
    ProcessEvents();
  }
  void check(int i) {
    QTest::mouseClick(window->checkButton(i), Qt::LeftButton);
    ProcessEvents();
  }
  // Fills every field of the row with its expected text (or `wrong`) and presses "Prüfen".
  void answerRow(int i, const QString& wrong = {}) {
    for (int k = 1; k <= i; ++k) type(i, k, wrong.isEmpty() ? expected(i, k) : wrong);
    check(i);
  }
  bool shown(QWidget* widget) const { return widget->isVisibleTo(window.get()); }

  std::unique_ptr<CheckedRowsWindow> window;
  std::vector<QString> boxes;
};

TEST_F(CheckedRowsTest, EachRowShowsItsFieldsAndButton) {
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(shown(field(i, k)), k <= i) << k;
    EXPECT_EQ(shown(window->checkButton(i)), i > 1);
    // Faces 200 pixels apart; the button and the result pictures on the row.
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("img%1").arg(i))->y(), 100 + 200 * (i - 1));
    EXPECT_EQ(window->checkButton(i)->geometry(), QRect(800, 125 + 200 * (i - 1), 80, 30));
  }
  EXPECT_EQ(field(2, 2)->y(), 370);
  // Tab order: row by row the fields, then the row's "Prüfen".
  field(2, 1)->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(field(2, 1), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), field(2, 2));
  QTest::keyClick(field(2, 2), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window->checkButton(2));
  QTest::keyClick(window->checkButton(2), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), field(3, 1));
}

TEST_F(CheckedRowsTest, LeavingTheFieldsOfACheckedRowJudgesNothing) {
  type(2, 1, expected(2, 1));
  type(2, 2, expected(2, 2));
  QTest::keyClick(field(2, 2), Qt::Key_Return);  // on to "Prüfen", nothing judged
  ProcessEvents();
  EXPECT_EQ(QApplication::focusWidget(), window->checkButton(2));
  EXPECT_EQ(label("lblAktVersuche"), "0");
  QTest::keyClick(window->checkButton(2), Qt::Key_Return);  // Enter on the button checks
  ProcessEvents();
  EXPECT_EQ(label("lblAktVersuche"), "1");
  EXPECT_EQ(label("lblAnzeige"), "Bravo, deine Eingabe ist richtig!");
  EXPECT_FALSE(shown(field(2, 1)));
  EXPECT_FALSE(shown(field(2, 2)));
  EXPECT_FALSE(shown(window->checkButton(2)));
}

TEST_F(CheckedRowsTest, AnEmptyFieldAtPruefenIsReportedAndNothingJudged) {
  type(3, 2, expected(3, 2));  // only the middle gap
  check(3);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "2 von 3");
  EXPECT_EQ(QApplication::focusWidget(), field(3, 1));
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(practice::Versuch, 1);
  EXPECT_TRUE(shown(window->checkButton(3)));
  type(3, 1, expected(3, 1));
  check(3);
  EXPECT_EQ(boxes.back(), "1 von 3");
  EXPECT_EQ(QApplication::focusWidget(), field(3, 3));
}

TEST_F(CheckedRowsTest, AFirstWrongAnswerKeepsTheRowOpenTheSecondShowsTheSolution) {
  answerRow(2, "9");
  EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
  EXPECT_TRUE(shown(field(2, 1)));
  EXPECT_TRUE(shown(field(2, 2)));
  EXPECT_TRUE(shown(window->checkButton(2)));
  EXPECT_EQ(QApplication::focusWidget(), field(2, 1));
  EXPECT_EQ(field(2, 2)->text(), "9");
  // A change brings the topic's change text back.
  QTest::keyClick(field(2, 1), Qt::Key_Backspace);
  EXPECT_EQ(label("lblAnzeige"), "Geändert");

  type(2, 1, expected(2, 1));  // the numerator corrected, the denominator still wrong
  check(2);
  EXPECT_TRUE(label("lblAnzeige").contains("Das Ergebnis lautet L121"));
  EXPECT_FALSE(shown(window->checkButton(2)));
  EXPECT_EQ(field(2, 2)->text(), "9");  // kept for drawing the learner's answer
  EXPECT_EQ(label("lblAktVersuche"), "2");
  EXPECT_EQ(label("lblAktPunkte"), "0,0");

  answerRow(3, "7");
  answerRow(3);
  EXPECT_EQ(label("lblAktPunkte"), "0,5");
}

// "Weiter" counts the rows that can still be answered: a row filled but not checked keeps the
// pass open, and the focus goes to its "Prüfen".
TEST_F(CheckedRowsTest, WeiterIsRefusedWhileARowIsNotChecked) {
  QTest::keyClicks(field(1, 1), expected(1, 1));
  QTest::keyClick(field(1, 1), Qt::Key_Return);
  ProcessEvents();
  type(2, 1, expected(2, 1));
  type(2, 2, expected(2, 2));
  answerRow(3);
  QTest::mouseClick(window->findChild<QPushButton*>("btnWeiter"), Qt::LeftButton);
  ProcessEvents();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], QString::fromUtf8("Es fehlt noch 1 Eintrag!"));
  EXPECT_EQ(QApplication::focusWidget(), window->checkButton(2));
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");

  QTest::keyClick(window->checkButton(2), Qt::Key_Space);
  ProcessEvents();
  EXPECT_EQ(label("lblAktVersuche"), "3");
  // All rows done: "Weiter" starts pass 2 with every row open again.
  QTest::mouseClick(window->findChild<QPushButton*>("btnWeiter"), Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(label("lblDurchgang"), "2 / 3");
  EXPECT_TRUE(shown(field(3, 3)));
  EXPECT_TRUE(field(3, 3)->text().isEmpty());
  EXPECT_TRUE(shown(window->checkButton(2)));
  EXPECT_EQ(label("lblAnzeige"), "Anfang");
}

TEST_F(CheckedRowsTest, ThreePassesOfCheckedRowsReachTheEvaluation) {
  for (int pass = 1; pass <= 3; ++pass) {
    SCOPED_TRACE(pass);
    type(1, 1, expected(1, 1));
    QTest::keyClick(field(1, 1), Qt::Key_Return);
    ProcessEvents();
    answerRow(2);
    answerRow(3);
    if (pass < 3) {
      QTest::mouseClick(window->findChild<QPushButton*>("btnWeiter"), Qt::LeftButton);
      ProcessEvents();
    }
  }
  QWidget* place = window->clientArea()->childAt(900, 690);
  ASSERT_EQ(place, window->findChild<QPushButton*>("btnAuswertung"));
  QTest::mouseClick(static_cast<QPushButton*>(place), Qt::LeftButton);
  ProcessEvents();
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  EXPECT_TRUE(evaluation.isVisible());
  EXPECT_FLOAT_EQ(practice::Punkte, 9.0f);
  EXPECT_EQ(practice::Versuche, 9);

  // The new run after the evaluation starts under the window's text for it.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluation.countUpRunning(); }, 5000));
  evaluation.findChild<QPushButton*>("btnSchliessen")->click();
  ProcessEvents();
  EXPECT_FALSE(evaluation.isVisible());
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(label("lblAnzeige"), "Neuer Lauf");
  EXPECT_TRUE(shown(window->checkButton(3)));
}

// The exercise windows of one field per row keep it: one field each, no "Prüfen", judged when
// the learner leaves it.
class OneFieldWindowsTest : public test::ExerciseTest {};

TEST_F(OneFieldWindowsTest, EveryRowHasOneFieldJudgedOnLeaving) {
  for (const char* menu : {"menStufe1E", "menStufe3AS", "menStufe2Poly", "menStufe3PAS"}) {
    SCOPED_TRACE(menu);
    ASSERT_NE(openExercise(QString::fromUtf8(menu)), nullptr);
    EXPECT_EQ(exercise->itemCount(), 5);
    for (int i = 1; i <= 5; ++i) {
      EXPECT_EQ(exercise->answerField(i)->objectName(), QStringLiteral("edt%1").arg(i));
      EXPECT_TRUE(exercise->answerField(i)->isVisible());
      EXPECT_EQ(exercise->checkButton(i), nullptr);
      EXPECT_EQ(exercise->fieldsPerRow(), 1);
    }
    typeKeys(3, "9999");
    QTest::keyClick(exercise->answerField(3), Qt::Key_Tab);
    ProcessEvents();
    EXPECT_EQ(label("lblAktVersuche"), "1");
    EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
    closeExercise();
  }
}

}  // namespace
}  // namespace kalkora

// The long-division exercise as a learner meets it, opened from the menu: one field at a time
// over the place of its answer, judged on Enter, the division drawn as it grows, "Weiter" that
// replaces a division without cost, and three divisions to the evaluation.

#include "topics/polynomials/long_division_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <algorithm>

#include "app/window_set.h"
#include "base/random.h"
#include "exercise_test.h"
#include "frame/information_box.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "practice/evaluation_window.h"
#include "program_test.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/long_division_generators.h"
#include "topics/polynomials/long_division_drawing.h"

namespace kalkora {
namespace {

using fractions::DivisionStep;
using test::ProcessEvents;
using test::Typed;

const char* const kRightFirst = "Bravo, deine Eingabe ist richtig!";
const char* const kWrongSecond =
    "Deine Eingabe ist leider wieder falsch!\nVergleiche das Ergebnis mit deiner Eingabe und "
    "überlege, warum du den Fehler begangen hast!";

class LongDivisionWindowTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    SetInformationBoxForTesting([this](const QString& text) { boxes.push_back(text); });
    TfrmAuswertung::SetStepIntervalForTesting(0);
  }
  void TearDown() override {
    SetInformationBoxForTesting({});
    TfrmAuswertung::SetStepIntervalForTesting(100);
    ProgramTest::TearDown();
  }

  TfrmBruchU3& open(int level) {
    clickMenu(level == 3 ? "menStufe3DivTB" : "menStufe2DivTB");
    auto* opened = qobject_cast<TfrmBruchU3*>(openChildWindow());
    EXPECT_NE(opened, nullptr);
    window = opened;
    QApplication::setActiveWindow(window);
    ProcessEvents();
    return *window;
  }

  QString label(const char* name) const { return window->findChild<QLabel*>(name)->text(); }
  QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }

  const DivisionStep& asked() const { return *window->progress().currentStep(); }

  // The fields a learner can see.
  std::vector<AnswerField*> visibleFields() const {
    std::vector<AnswerField*> shown;
    for (int n = 1; n <= TfrmBruchU3::kFields; ++n) {
      if (window->answerField(n)->isVisible()) shown.push_back(window->answerField(n));
    }
    return shown;
  }

  // The control a click at the middle of `widget`'s place would reach.
  QWidget* atPlaceOf(const QWidget* widget) const {
    return window->clientArea()->childAt(widget->geometry().center());
  }

  // Clicks into the one visible field, types the keys and presses Enter.
  void enter(const QString& keys) {
    AnswerField* field = window->currentField();
    ASSERT_NE(field, nullptr);
    QTest::mouseClick(field, Qt::LeftButton);
    ProcessEvents();
    QTest::keyClicks(field, keys);
    QTest::keyClick(field, Qt::Key_Return);
    ProcessEvents();
  }
  void enterRight() { enter(Typed(asked().answer)); }
  // A wrong answer: the right one with a digit too many.
  void enterWrong() { enter(Typed(asked().answer) + "7"); }

  void finishDivision() {
    while (window->currentField() != nullptr && !testing::Test::HasFatalFailure()) enterRight();
  }

  QImage page() const { return window->findChild<QWidget*>("pntUeb")->grab().toImage(); }

  // Pixels of the colour in the band of a row of the page (0 the task line), from pixel x on.
  int pixelsInRow(const QImage& image, int row, const QColor& colour, int fromX = 0,
                  int toX = 1000) const {
    const int top = long_division_drawing::PagePixelOf(0, long_division_drawing::RowY(row)).y();
    int count = 0;
    for (int y = top; y < top + 28; ++y) {
      for (int x = fromX; x < toX; ++x) {
        if (image.pixelColor(x, y).rgb() == colour.rgb()) ++count;
      }
    }
    return count;
  }
  int promptPixels() const {
    const QImage image = page();
    int count = 0;
    for (int y = 595; y < 625; ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y).rgb() == palette::palPurple.rgb()) ++count;
      }
    }
    return count;
  }

  TfrmBruchU3* window = nullptr;
  std::vector<QString> boxes;
};

TEST_F(LongDivisionWindowTest, AWholeStufe2DivisionAnsweredRight) {
  TfrmBruchU3& w = open(2);
  EXPECT_EQ(
      w.windowTitle(),
      "Übungsbeispiele: Bruchterme – Dividieren durch mehrgliedrige Terme ohne Rest (Stufe 2)");
  EXPECT_EQ(label("lblAnzeige"), "Gib das Ergebnis ein und drücke die Enter–Taste!");
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  const int steps = w.progress().stepCount();
  ASSERT_TRUE(steps == 9 || steps == 12);
  for (int n = 1; n <= steps; ++n) {
    SCOPED_TRACE(testing::Message() << "answer " << n << ": " << Utf8FromText(asked().answer));
    // One field, where its answer goes, focused; the prompt of its step below the division.
    const std::vector<AnswerField*> shown = visibleFields();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.front(), w.currentField());
    EXPECT_EQ(shown.front()->objectName(),
              QStringLiteral("edt%1").arg(asked().field, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(atPlaceOf(shown.front()), shown.front());
    EXPECT_EQ(QApplication::focusWidget(), shown.front());
    EXPECT_GT(promptPixels(), 0);
    enterRight();
    EXPECT_EQ(label("lblAnzeige"), kRightFirst);
    // Judged once: the next line prepared after it judges nothing.
    EXPECT_EQ(label("lblAktVersuche"), QString::number(n));
    EXPECT_EQ(label("lblAktPunkte"), QStringLiteral("%1,0").arg(n));
    EXPECT_TRUE(boxes.empty());
  }
  // Finished: no field, no prompt; every line in violet, the rules under the products; the
  // label already shows the next pass while the division stays on screen.
  EXPECT_TRUE(visibleFields().empty());
  EXPECT_EQ(promptPixels(), 0);
  const QImage image = page();
  for (int n = 1; n <= steps; ++n) {
    const DivisionStep& step = w.progress().step(n);
    EXPECT_GT(pixelsInRow(image, step.row, palette::palViolet), 0) << "answer " << n;
    EXPECT_EQ(pixelsInRow(image, step.row, palette::palRose), 0) << "answer " << n;
  }
  EXPECT_EQ(label("lblDurchgang"), "2 / 3");
  EXPECT_EQ(atPlaceOf(button("btnWeiter")), button("btnWeiter"));
  EXPECT_EQ(QApplication::focusWidget(), button("btnWeiter"));
}

TEST_F(LongDivisionWindowTest, ALineWrongTwiceShowsItsTextAndAsksTheNextLine) {
  TfrmBruchU3& w = open(2);
  enterRight();  // Q1
  const DivisionStep product = asked();
  ASSERT_EQ(product.kind, fractions::DivisionAnswer::Product);
  enterWrong();
  EXPECT_EQ(label("lblAnzeige"),
            "Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe und versuche es noch "
            "einmal.");
  EXPECT_EQ(w.currentField(), w.answerField(1));  // the learner corrects the same line
  EXPECT_EQ(QApplication::focusWidget(), w.answerField(1));
  enterWrong();
  EXPECT_EQ(label("lblAnzeige"), kWrongSecond);
  EXPECT_EQ(label("lblAktVersuche"), "3");
  EXPECT_EQ(label("lblAktPunkte"), "1,0");
  // The expected line in black at its place, the learner's text in rose right of it; the next
  // line asked in its own field.
  const QImage image = page();
  const int quotientX =
      long_division_drawing::PagePixelOf(window->divisionLayout().quotientStarts.front(), 0).x();
  EXPECT_GT(pixelsInRow(image, product.row, QColor(Qt::black), 0, quotientX - 10), 100);
  EXPECT_EQ(pixelsInRow(image, product.row, palette::palViolet), 0);
  EXPECT_GT(pixelsInRow(image, product.row, palette::palRose, quotientX), 50);
  EXPECT_EQ(asked().kind, fractions::DivisionAnswer::Difference);
  ASSERT_EQ(visibleFields().size(), 1u);
  EXPECT_EQ(visibleFields().front(), w.answerField(2));
  EXPECT_EQ(QApplication::focusWidget(), w.answerField(2));
  enterRight();
  EXPECT_EQ(label("lblAktPunkte"), "2,0");  // a first attempt again
}

TEST_F(LongDivisionWindowTest, AnEmptyFieldIsNotJudged) {
  TfrmBruchU3& w = open(3);
  enter("");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes.front(), "Das Eingabefeld darf nicht leer sein!");
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(w.progress().current(), 1);
  EXPECT_EQ(QApplication::focusWidget(), w.answerField(9));
  enterRight();
  EXPECT_EQ(label("lblAktPunkte"), "1,0");
  // Escape in a field closes the window, as "Schließen" does.
  QTest::keyClick(w.currentField(), Qt::Key_Escape);
  ProcessEvents();
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
}

// "Weiter" in the middle of a division, clicked with the mouse or reached with Tab and pressed
// with Space: leaving the field for it judges nothing and raises no box; a new division starts
// with its first field, the counters and the pass as they were, and a first wrong answer of
// the replaced division does not make the next answer a second attempt.
TEST_F(LongDivisionWindowTest, WeiterInTheMiddleReplacesTheDivisionWithoutCost) {
  for (const bool withMouse : {true, false}) {
    SCOPED_TRACE(withMouse ? "mouse" : "keyboard");
    TfrmBruchU3& w = open(2);
    enterRight();
    enterRight();
    enterWrong();  // R1 wrong once
    const Text oldTask = w.progress().division().wholeLine;
    AnswerField* field = w.currentField();
    QTest::keyClicks(field, "12");  // typed, not judged
    if (withMouse) {
      QTest::mouseClick(button("btnWeiter"), Qt::LeftButton);
    } else {
      QTest::keyClick(field, Qt::Key_Tab);
      ProcessEvents();
      ASSERT_EQ(QApplication::focusWidget(), button("btnWeiter"));
      QTest::keyClick(button("btnWeiter"), Qt::Key_Space);
    }
    ProcessEvents();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(label("lblAktVersuche"), "3");
    EXPECT_EQ(label("lblAktPunkte"), "2,0");
    EXPECT_EQ(label("lblDurchgang"), "1 / 3");
    EXPECT_EQ(label("lblAnzeige"), "Gib das Ergebnis ein und drücke die Enter–Taste!");
    EXPECT_EQ(w.progress().current(), 1);
    EXPECT_NE(w.progress().division().wholeLine, oldTask);
    ASSERT_EQ(visibleFields().size(), 1u);
    EXPECT_EQ(visibleFields().front(), w.answerField(9));
    EXPECT_TRUE(w.answerField(9)->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), w.answerField(9));
    enterRight();
    EXPECT_EQ(label("lblAnzeige"), kRightFirst);
    EXPECT_EQ(label("lblAktPunkte"), "3,0");
    window->close();
    ProcessEvents();
  }
}

TEST_F(LongDivisionWindowTest, ThreeDivisionsMakeARunAndTheEvaluationStartsANewOne) {
  TfrmBruchU3& w = open(3);
  EXPECT_EQ(
      w.windowTitle(),
      "Übungsbeispiele: Bruchterme – Dividieren durch mehrgliedrige Terme mit Rest (Stufe 3)");
  int answers = 0;
  for (int pass = 1; pass <= 3; ++pass) {
    SCOPED_TRACE(testing::Message() << "pass " << pass);
    EXPECT_EQ(label("lblDurchgang"), QStringLiteral("%1 / 3").arg(pass));
    answers += w.progress().stepCount();
    finishDivision();
    EXPECT_EQ(label("lblAktVersuche"), QString::number(answers));  // no counter is reset
    if (pass < 3) {
      EXPECT_EQ(label("lblDurchgang"), QStringLiteral("%1 / 3").arg(pass + 1));
      ASSERT_EQ(atPlaceOf(button("btnWeiter")), button("btnWeiter"));
      QTest::mouseClick(button("btnWeiter"), Qt::LeftButton);
      ProcessEvents();
    }
  }
  // After the third division "Weiter" is hidden: "Auswertung" in its place, with the focus.
  EXPECT_EQ(label("lblDurchgang"), "3 / 3");
  EXPECT_FALSE(button("btnWeiter")->isVisible());
  EXPECT_EQ(atPlaceOf(button("btnAuswertung")), button("btnAuswertung"));
  ASSERT_EQ(QApplication::focusWidget(), button("btnAuswertung"));
  QTest::keyClick(button("btnAuswertung"), Qt::Key_Return);
  ProcessEvents();
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  ASSERT_TRUE(evaluation.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluation.countUpRunning(); }, 5000));
  EXPECT_EQ(evaluation.Prozent(), 100);
  evaluation.findChild<QPushButton*>("btnSchliessen")->click();
  ProcessEvents();
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(label("lblAktPunkte"), "0");
  EXPECT_EQ(atPlaceOf(button("btnWeiter")), button("btnWeiter"));
  EXPECT_EQ(w.progress().current(), 1);
  ASSERT_EQ(visibleFields().size(), 1u);
  EXPECT_EQ(visibleFields().front(), w.answerField(9));
}

TEST_F(LongDivisionWindowTest, FieldsTakeOnlyTheDivisionsCharacters) {
  TfrmBruchU3& w = open(2);
  const QString letter = ToQString(Text(1, fractions::Bruch[1].Var1));
  QString otherLetters = letter.toUpper();
  for (const QChar c : test::LowerCaseLetters()) {
    if (c != letter.front()) otherLetters += c;
  }
  AnswerField* quotient = w.currentField();
  QTest::keyClicks(quotient, "-" + otherLetters + "4* ·" + letter + "^2");
  EXPECT_EQ(quotient->text(), QStringLiteral("–4") + letter + "^2");
  QTest::keyClicks(quotient, "123");  // a quotient term has at most 5 characters
  EXPECT_EQ(quotient->text().size(), 5);
  quotient->clear();
  enterRight();
  AnswerField* line = w.currentField();
  QTest::keyClicks(line, QString(30, QLatin1Char('1')));
  EXPECT_EQ(line->text().size(), 20);
}

// The widest divisions (six dividend terms with two-digit coefficients and four quotient
// terms) still fit the page: the task line with its quotient is never cut, and its columns
// and quotient terms stand in their order.
TEST(LongDivisionLayout, EveryDivisionFitsThePage) {
  for (const int level : {2, 3}) {
    SetRandomSeed(static_cast<std::uint32_t>(40 + level));
    for (int n = 0; n < 3000; ++n) {
      fractions::MakeDivisionItem(level, 1);
      const fractions::WrittenDivision division =
          fractions::DivisionSteps(fractions::Bruch[1].TermDiv);
      const long_division_drawing::DivisionLayout layout =
          long_division_drawing::MeasureDivision(division);
      SCOPED_TRACE(Utf8FromText(division.wholeLine));
      ASSERT_GE(layout.lineStart, -50);
      ASSERT_TRUE(std::is_sorted(layout.columnEnds.begin(), layout.columnEnds.end()));
      ASSERT_TRUE(std::is_sorted(layout.quotientStarts.begin(), layout.quotientStarts.end()));
      ASSERT_LT(layout.columnEnds.back(), layout.quotientStarts.front());
    }
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

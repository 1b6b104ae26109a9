// The stepwise fraction worked examples as a learner meets them: the unlike-denominator example
// walked through with "Weiter", the long division of dividing by terms at Stufe 2 and 3, its
// comparison with the division of whole numbers from "Schrittweise Erklärung", and what every
// control offers on the way; and every page of many examples kept on the paint box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <functional>

#include "base/random.h"
#include "base/selection.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "example_window_test.h"
#include "frame/palette.h"
#include "page_pixels.h"
#include "program_test.h"
#include "terms/term_letters.h"
#include "topics/fractions/fraction_example_drawing.h"
#include "topics/fractions/fraction_example_texts.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_examples_window.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_step_drawing.h"
#include "topics/fractions/long_division_generators.h"
#include "topics/fractions/number_comparison.h"
#include "topics/fractions/unlike_example_page.h"
#include "topics/fractions/worked_division.h"

namespace kalkora {
namespace {

using test::CountPixels;
using test::PageImage;
using test::PixelColumn;
using test::PixelRow;
using test::ProcessEvents;
using test::SameArea;

const TBruchM& Item(int i) { return fractions::Bruch[static_cast<std::size_t>(i)]; }

const char* const kUnlikeSteps[] = {
    "",
    "Zerlege die Nenner in Faktoren (wenn nötig) und ermittle die Definitionsmenge.",
    "Bestimme den Hauptnenner (kgV) und die Erweiterungsfaktoren.",
    "Erweitere die ungleichnamigen Bruchterme entsprechend.",
    "Addiere bzw. Subtrahiere die Bruchterme und kürze das Ergebnis, wenn möglich.",
};

// The pixel rows under the heading and the example label: from page y 29 (the unlike
// denominators' label stands at y 32) or 25 (the division's at y 28) down to the page's foot.
constexpr int kBodyTop = 60;
constexpr int kDivisionTop = 100;
constexpr int kBodyBottom = 700;

class StepwiseExamplesTest : public test::ExampleWindowTest<TfrmBruchM> {
 protected:
  void pressWeiter() {
    ASSERT_TRUE(window->stepButton()->isVisible());
    QTest::mouseClick(window->stepButton(), Qt::LeftButton);
    ProcessEvents();
  }
  QString label() const { return window->instructionLabel()->text(); }
  bool levelsEnabled() const { return window->levelButton(1)->isEnabled(); }
};

TEST_F(StepwiseExamplesTest, UnlikeDenominatorsAreWorkedThroughInFourSteps) {
  for (const int level : {1, 2, 3}) {
    SCOPED_TRACE(level);
    open("menAddSubM2");
    if (level > 1) chooseLevel(level);
    EXPECT_EQ(window->exampleCount(), 1);
    EXPECT_FALSE(window->stepMenuItem()->isVisible());
    for (int step = 1; step <= 4; ++step) {
      SCOPED_TRACE(step);
      EXPECT_EQ(label(), QString::fromUtf8(kUnlikeSteps[step]));
      EXPECT_EQ(window->stepButton()->isVisible(), step < 4);
      EXPECT_EQ(window->moreExamplesButton()->isEnabled(), step == 4);
      // The level stays free until the first "Weiter", then until the last step.
      EXPECT_EQ(levelsEnabled(), step == 1 || step == 4);
      const QImage page = painted();
      const QImage drawn = PageImage([&](QPainter& painter) {
        DrawUnlikeExample(painter, fractions::UnlikeExampleAt(Item(1), step));
      });
      EXPECT_TRUE(SameArea(page, drawn, kBodyTop, kBodyBottom));
      // The factors appear in step 2 in the fraction's colour (the first rose), in their
      // column.
      const int row1 = PixelRow(fractions::UnlikeTableRowY(1));
      const int roseFactors = CountPixels(page, row1, row1 + 25, PixelColumn(26.5),
                                          PixelColumn(48.5), palette::palRose);
      EXPECT_EQ(roseFactors > 30, step >= 2);
      if (step < 4) pressWeiter();
    }
    close();
  }
}

// The steps draw lines ever further down: nothing under the task until step 3.
TEST_F(StepwiseExamplesTest, EachStepAddsItsLine) {
  open("menAddSubM2");
  const double taskY = Item(1).Anzahl == 3 ? -2 : 4;
  const int extendedTop = PixelRow(taskY - 8 + 3);
  const int resultTop = PixelRow(taskY - 16 + 3);
  EXPECT_EQ(CountPixels(painted(), extendedTop, PixelRow(-25)), 0);
  pressWeiter();
  pressWeiter();
  EXPECT_GT(CountPixels(painted(), extendedTop, resultTop), 300);
  EXPECT_EQ(CountPixels(painted(), resultTop, PixelRow(-25)), 0);
  pressWeiter();
  EXPECT_GT(CountPixels(painted(), resultTop, PixelRow(-25)), 300);
}

TEST_F(StepwiseExamplesTest, ALevelChangeGivesANewUnlikeExampleAtStepOne) {
  open("menAddSubM2");
  chooseLevel(3);
  EXPECT_EQ(selection::selLevel, 3);
  ASSERT_GE(Item(1).Variante, 1);
  ASSERT_LE(Item(1).Variante, 8);
  pressWeiter();
  EXPECT_FALSE(levelsEnabled());
  pressWeiter();
  pressWeiter();
  chooseLevel(2);
  EXPECT_EQ(label(), QString::fromUtf8(kUnlikeSteps[1]));
  EXPECT_TRUE(window->stepButton()->isVisible());
  EXPECT_FALSE(window->moreExamplesButton()->isEnabled());
}

// The division at Stufe 2 and 3: "Weiter" through every step, the menu item offered, the
// label empty, the page the engine's step.
TEST_F(StepwiseExamplesTest, TheLongDivisionIsBuiltStepByStep) {
  open("menTermDivM");
  for (const int level : {2, 3}) {
    SCOPED_TRACE(level);
    chooseLevel(level);
    const int steps = fractions::WorkedDivisionStepCount(Item(1).TermDiv);
    const int quotientTerms = Item(1).TermDiv.AnzQuotient;
    EXPECT_EQ(steps, 2 * quotientTerms + (level == 2 ? 1 : 2));
    EXPECT_EQ(window->exampleCount(), 1);
    EXPECT_TRUE(window->stepMenuItem()->isVisible());
    EXPECT_EQ(window->stepMenuItem()->text(), "Schrittweise Erklärung");
    EXPECT_TRUE(label().isEmpty());
    EXPECT_FALSE(window->moreExamplesButton()->isEnabled());
    for (int step = 1; step <= steps; ++step) {
      SCOPED_TRACE(step);
      EXPECT_EQ(window->stepButton()->isVisible(), step < steps);
      EXPECT_EQ(levelsEnabled(), step == 1 || step == steps);
      const QImage page = painted();
      const QImage drawn =
          PageImage([&](QPainter& painter) { DrawWorkedDivision(painter, Item(1).TermDiv, step); });
      EXPECT_TRUE(SameArea(page, drawn, kDivisionTop, kBodyBottom));
      // The sentence at y −25: its olive part in the steps that name a product.
      const int olive = CountPixels(page, PixelRow(-25), PixelRow(-28), 0, 1000, palette::palOlive);
      EXPECT_EQ(olive > 20, step > 1 && step <= 2 * quotientTerms + 1);
      // Stufe 3 ends with the result and its remainder in rose at y −18.
      const int rose = CountPixels(page, PixelRow(-17), PixelRow(-23), 0, 1000, palette::palRose);
      EXPECT_EQ(rose > 100, level == 3 && step == steps);
      if (step < steps) pressWeiter();
    }
    EXPECT_TRUE(window->moreExamplesButton()->isEnabled());
    EXPECT_TRUE(window->stepMenuItem()->isVisible());
  }
}

// The Part's case: a three-term quotient at Stufe 2 takes 7 steps, and "Weiter" is gone at the
// seventh.
TEST_F(StepwiseExamplesTest, AThreeTermQuotientAtStufe2EndsAtStepSeven) {
  open("menTermDivM");
  chooseLevel(2);
  for (int press = 0; press < 200 && Item(1).TermDiv.AnzQuotient != 3; ++press) chooseLevel(2);
  ASSERT_EQ(Item(1).TermDiv.AnzQuotient, 3);
  for (int step = 1; step < 7; ++step) pressWeiter();
  EXPECT_FALSE(window->stepButton()->isVisible());
  EXPECT_TRUE(window->moreExamplesButton()->isEnabled());
  EXPECT_TRUE(levelsEnabled());
}

TEST_F(StepwiseExamplesTest, SchrittweiseErklaerungOnlyForTheLongDivision) {
  open("menTermDivM");
  EXPECT_FALSE(window->stepMenuItem()->isVisible());
  chooseLevel(2);
  EXPECT_TRUE(window->stepMenuItem()->isVisible());
  chooseLevel(1);
  EXPECT_FALSE(window->stepMenuItem()->isVisible());
  EXPECT_FALSE(window->stepButton()->isVisible());
  EXPECT_EQ(window->exampleCount(), 3);
  EXPECT_FALSE(label().isEmpty());
  chooseLevel(3);
  EXPECT_TRUE(window->stepMenuItem()->isVisible());
  close();
  open("menAddSubM2");
  for (const int level : {1, 2, 3}) {
    chooseLevel(level);
    EXPECT_FALSE(window->stepMenuItem()->isVisible());
  }
}

TEST_F(StepwiseExamplesTest, TheComparisonRunsBesideTheDivisionOfWholeNumbers) {
  open("menTermDivM");
  for (const int level : {2, 3}) {
    SCOPED_TRACE(level);
    chooseLevel(level);
    pressWeiter();  // in the middle of the division
    startSteps();
    EXPECT_FALSE(window->stepMenuItem()->isVisible());
    EXPECT_TRUE(window->stepButton()->isVisible());
    EXPECT_FALSE(window->moreExamplesButton()->isEnabled());
    EXPECT_FALSE(levelsEnabled());
    EXPECT_TRUE(label().isEmpty());
    // Both headings at y 35: the numbers' violet on the left, the terms' olive on the right;
    // no topic heading in the middle.
    QImage page = painted();
    EXPECT_GT(CountPixels(page, 0, 25, 0, PixelColumn(-13), palette::palViolet), 200);
    EXPECT_GT(CountPixels(page, 0, 25, PixelColumn(-12), 1000, palette::palOlive), 200);
    const int steps = fractions::ComparisonStepCount(level);
    for (int step = 2; step <= steps; ++step) {
      pressWeiter();
      EXPECT_EQ(window->stepButton()->isVisible(), step < steps);
      EXPECT_EQ(levelsEnabled(), step == steps);
      EXPECT_EQ(window->moreExamplesButton()->isEnabled(), step == steps);
    }
    // The last step's sentences at y −26 on both sides, and at Stufe 3 the mixed number.
    page = painted();
    EXPECT_GT(CountPixels(page, PixelRow(-26), PixelRow(-29), 0, PixelColumn(-13)), 100);
    EXPECT_GT(CountPixels(page, PixelRow(-26), PixelRow(-29), PixelColumn(-12), 1000), 100);
    const int mixed =
        CountPixels(page, PixelRow(-2), PixelRow(-8), 0, PixelColumn(-13), palette::palRose);
    EXPECT_EQ(mixed > 100, level == 3);
    // The comparison stays until new examples are asked for: then the division again.
    EXPECT_FALSE(window->stepMenuItem()->isVisible());
    askForMore();
    EXPECT_TRUE(window->stepMenuItem()->isVisible());
    EXPECT_TRUE(window->stepButton()->isVisible());
    const QImage division = painted();
    const QImage drawn =
        PageImage([&](QPainter& painter) { DrawWorkedDivision(painter, Item(1).TermDiv, 1); });
    EXPECT_TRUE(SameArea(division, drawn, kDivisionTop, kBodyBottom));
  }
}

// Closing in the middle of steps and opening again starts clean.
TEST_F(StepwiseExamplesTest, ReopeningInTheMiddleOfStepsStartsClean) {
  open("menAddSubM2");
  pressWeiter();
  pressWeiter();
  close();
  open("menAddSubM2");
  EXPECT_EQ(label(), QString::fromUtf8(kUnlikeSteps[1]));
  EXPECT_TRUE(window->stepButton()->isVisible());
  EXPECT_TRUE(levelsEnabled());
  EXPECT_EQ(selection::selLevel, 1);
  const QImage first = PageImage([&](QPainter& painter) {
    DrawUnlikeExample(painter, fractions::UnlikeExampleAt(Item(1), 1));
  });
  EXPECT_TRUE(SameArea(painted(), first, kBodyTop, kBodyBottom));
  close();

  open("menTermDivM");
  chooseLevel(3);
  startSteps();
  pressWeiter();
  close();
  open("menTermDivM");
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  EXPECT_EQ(window->exampleCount(), 3);
  EXPECT_FALSE(window->stepMenuItem()->isVisible());
  EXPECT_FALSE(window->stepButton()->isVisible());
  EXPECT_TRUE(levelsEnabled());
  EXPECT_TRUE(window->moreExamplesButton()->isEnabled());
  chooseLevel(2);
  EXPECT_TRUE(window->stepMenuItem()->isVisible());
  const QImage drawn =
      PageImage([&](QPainter& painter) { DrawWorkedDivision(painter, Item(1).TermDiv, 1); });
  EXPECT_TRUE(SameArea(painted(), drawn, kDivisionTop, kBodyBottom));
}

// A learner who goes through the comparison with Space on "Weiter": at its last step "Weiter"
// goes, and the keyboard moves on to a control that is shown (the levels are free again), not
// stays on the hidden button, which Space would still press.
TEST_F(StepwiseExamplesTest, TheComparisonEndsWithTheKeyboardOnAShownControl) {
  open("menTermDivM");
  QApplication::setActiveWindow(window);
  for (const int level : {2, 3}) {
    SCOPED_TRACE(level);
    chooseLevel(level);
    startSteps();
    window->stepButton()->setFocus(Qt::TabFocusReason);
    for (int step = 2; step <= fractions::ComparisonStepCount(level); ++step) {
      ASSERT_EQ(QApplication::focusWidget(), window->stepButton());
      QTest::keyClick(window->stepButton(), Qt::Key_Space);
      ProcessEvents();
    }
    EXPECT_FALSE(window->stepButton()->isVisible());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(QApplication::focusWidget()->isVisible())
        << QApplication::focusWidget()->objectName().toStdString();
  }
}

// ---- every page of many examples on the paint box ----

constexpr double kLeft = -49.5;
constexpr double kRight = 49.5;

TEST(StepwisePages, TheWidestDivisionsAndComparisonsStayOnThePage) {
  SetPalette();
  for (const int level : {2, 3}) {
    SetRandomSeed(700 + static_cast<std::uint32_t>(level));
    for (int n = 0; n < 300; ++n) {
      fractions::MakeDivisionItem(level, 1);
      const TTermDiv& d = Item(1).TermDiv;
      for (int step = 1; step <= fractions::WorkedDivisionStepCount(d); ++step) {
        const fractions::WorkedDivisionStep page = fractions::WorkedDivisionAt(d, step);
        const WrittenPlaces places = WorkedDivisionPlaces(d);
        EXPECT_GE(places.lineStart, kLeft);
        EXPECT_LE(places.lineEnd, kRight);
        for (const fractions::WrittenLine& line : page.lines) {
          const LineSpan span = WrittenLineSpan(line, places);
          EXPECT_GE(span.left, kLeft);
          EXPECT_LE(span.right, kRight);
        }
      }
      const fractions::NumberComparison c = fractions::MakeComparison(level, RandomLetter());
      for (int step = 1; step <= fractions::ComparisonStepCount(level); ++step) {
        const fractions::ComparisonPage page = fractions::ComparisonAt(c, step);
        const WrittenPlaces numbers = ComparisonPlaces(page.numbers);
        const WrittenPlaces terms = ComparisonPlaces(page.polynomials);
        // The numbers keep left of the terms, which keep on the page.
        for (const auto& line : page.numbers.lines) {
          const LineSpan span = WrittenLineSpan(line, numbers);
          EXPECT_GE(span.left, kLeft);
          EXPECT_LT(span.right, -14);
        }
        for (const auto& line : page.polynomials.lines) {
          const LineSpan span = WrittenLineSpan(line, terms);
          EXPECT_GT(span.left, -12);  // a product's "–(" stands left of the task's "( "
          EXPECT_LE(span.right, kRight);
        }
      }
      if (testing::Test::HasFailure()) break;
    }
    ClearFixedRandomSeed();
  }
}

TEST(StepwisePages, UnlikeExamplesKeepToTheirCellsAndAboveTheLabel) {
  SetPalette();
  const fractions::ExampleBuilder builders[] = {
      fractions::AddSubUngleichM1, fractions::AddSubUngleichM2, fractions::AddSubUngleichM3};
  // The columns of the table: first, middle, right.
  const double cellLeft[] = {-49, -5, 26};
  const double cellRight[] = {-5, 26, 49};
  for (int level = 1; level <= 3; ++level) {
    SetRandomSeed(800 + static_cast<std::uint32_t>(level));
    for (int n = 0; n < 600; ++n) {
      builders[level - 1](1);
      const fractions::UnlikeExamplePage page = fractions::UnlikeExampleAt(Item(1), 4);
      for (const fractions::ExampleRow& cell : page.cells) {
        const RowSpan span = ExampleRowSpan(cell);
        const int column = cell.centre < -5 ? 0 : cell.centre < 26 ? 1 : 2;
        EXPECT_GT(span.left, cellLeft[column] + 0.4) << level << " " << Item(1).Variante;
        EXPECT_LT(span.right, cellRight[column] - 0.4) << level << " " << Item(1).Variante;
      }
      for (const fractions::ExampleRow& line : page.lines) {
        const RowSpan span = ExampleRowSpan(line);
        EXPECT_GE(span.left, kLeft);
        EXPECT_LE(span.right, kRight);
        // A fraction reaches 4.4 below its line; the label's text starts at y −25.3.
        EXPECT_GT(line.y - 4.4, -25);
      }
      if (testing::Test::HasFailure()) {
        ADD_FAILURE() << "Stufe " << level << " Variante " << Item(1).Variante;
        break;
      }
    }
    ClearFixedRandomSeed();
  }
}

}  // namespace
}  // namespace kalkora

// The worked examples of the polynomials as a learner sees them: each kind opened from the menu
// with its texts, new examples for a level and on "Weitere Beispiele", the step-by-step display
// with "Weiter" (the choice taken away until the last step, then the same three examples
// again), a close in the middle of the steps, and every page kept to the paint box.

#include "topics/polynomials/polynomial_examples_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <array>
#include <string>

#include "base/random.h"
#include "base/selection.h"
#include "base/shared_functions.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "example_window_test.h"
#include "frame/palette.h"
#include "page_pixels.h"
#include "program_test.h"
#include "topics/polynomials/polynomial_example_texts.h"
#include "topics/polynomials/polynomial_items.h"
#include "topics/polynomials/polynomial_record.h"
#include "topics/polynomials/polynomial_step_drawing.h"
#include "topics/polynomials/polynomial_steps.h"

namespace kalkora {
namespace {

using test::CountPixels;
using test::PixelColumn;
using test::PixelRow;
using test::ProcessEvents;
using test::SameArea;

const TPolynom& Item(int i) { return polynomials::Polynom[static_cast<std::size_t>(i)]; }

struct KindWindow {
  int kind;
  const char* menu;
  const char* caption;
  const char* instruction;
  const char* menuCaption;
};

const KindWindow kKinds[] = {
    {1, "menPolyMonM", "Musterbeispiele: Multiplizieren mit eingliedrigen Termen",
     "Man multipliziert jedes Glied des mehrgliedrigen Terms (Polynom) mit dem eingliedrigen "
     "Term (Monom).",
     "Schrittweise Darstellung"},
    {2, "menPolyPolyM", "Musterbeispiele: Multiplizieren mit mehrgliedrigen Termen",
     "Man multipliziert jedes Glied des 1.Polynoms mit jedem Glied des 2.Polynoms.\n"
     "Das Ergebnis wird alphabetisch geodnet und mit fallenden Potenzen der 1.Variablen "
     "angeschrieben.",
     "Schrittweise Darstellung"},
    {3, "menBinomeM", "Musterbeispiele: Formeln für Binome", "Verwende die Formeln für Binome",
     "Schrittweise Darstellung pro Stufe"},
    {4, "menErgaenzenM", "Musterbeispiele: Ergänzen von Binomen", "Verwende die Formeln für Binome",
     "Schrittweise Darstellung pro Stufe"},
    {5, "menHeraushebenM", "Musterbeispiele: Herausheben", "Verwende das Verteilungsgesetz",
     "Schrittweise Darstellung pro Stufe"},
};

// The heading "Beispiel k" at page x −45; the examples stand under it, right of x −32.
constexpr std::array<double, 3> kHeadingY{29, 11, -7};
constexpr int kHeadingLeft = 50;
constexpr int kHeadingRight = 180;
// Rows of example k: from its heading down to 13 units under it.
int BandTop(int k) { return PixelRow(kHeadingY[static_cast<std::size_t>(k - 1)]) - 3; }
int BandBottom(int k) { return PixelRow(kHeadingY[static_cast<std::size_t>(k - 1)] - 13); }

class PolynomialExamplesTest : public test::ExampleWindowTest<TfrmPolynomeM> {
 protected:
  void pressWeiter() {
    QTest::mouseClick(window->stepButton(), Qt::LeftButton);
    ProcessEvents();
  }
  bool canChoose() const {
    return window->levelButton(1)->isEnabled() && window->levelButton(3)->isEnabled() &&
           window->moreExamplesButton()->isEnabled();
  }
  bool inSteps() const {
    return window->stepButton()->isVisible() && !window->stepMenuItem()->isVisible();
  }
  std::array<Text, 3> solutions() const {
    return {Item(1).LoesungMarkup, Item(2).LoesungMarkup, Item(3).LoesungMarkup};
  }
};

TEST_F(PolynomialExamplesTest, EachKindOpensFromTheMenuWithItsTextsAndThreeExamples) {
  for (const KindWindow& k : kKinds) {
    SCOPED_TRACE(k.menu);
    open(k.menu);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(k.caption));
    QLabel* label = window->instructionLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(k.instruction));
    EXPECT_GT(CountPixels(label->grab().toImage(), 0, 57, 0, 977, palette::palBrown), 200);
    EXPECT_EQ(window->stepMenuItem()->text(), QString::fromUtf8(k.menuCaption));
    EXPECT_TRUE(window->stepMenuItem()->isVisible());
    EXPECT_FALSE(window->stepButton()->isVisible());
    EXPECT_TRUE(canChoose());
    EXPECT_TRUE(window->levelButton(1)->isChecked());

    const QImage page = painted();
    EXPECT_GT(CountPixels(page, 0, 25), 300);  // the heading
    for (int i = 1; i <= 3; ++i) {
      SCOPED_TRACE(i);
      EXPECT_TRUE(Item(i).Aktiv);
      const int headingRow = PixelRow(kHeadingY[static_cast<std::size_t>(i - 1)]);
      EXPECT_GT(CountPixels(page, headingRow, headingRow + 25, kHeadingLeft, kHeadingRight,
                            palette::palViolet),
                150);
      EXPECT_GT(CountPixels(page, headingRow + 30, BandBottom(i), kHeadingRight), 300);
      // The marked letters (or gaps) of the example in the first marker colour.
      EXPECT_GT(
          CountPixels(page, headingRow + 5, BandBottom(i), kHeadingRight, 1000, palette::palRose),
          15);
    }
    close();
  }
}

// Kind 4 writes each example twice: the task with "?" over the completed formula.
TEST_F(PolynomialExamplesTest, CompletingShowsTheTaskOverTheCompletedFormula) {
  open("menErgaenzenM");
  for (int level = 1; level <= 3; ++level) {
    chooseLevel(level);
    const QImage page = painted();
    for (int i = 1; i <= 3; ++i) {
      const double heading = kHeadingY[static_cast<std::size_t>(i - 1)];
      const QImage lines = [&] {
        QImage image(1000, 700, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        SetPage(-50, 50, -35, 35, 1000, 700);
        DrawMarkup6(painter, 0, heading - 1, Item(i).AufgabeMarkup, 18, true,
                    palette::MarkupColours, true);
        DrawMarkup6(painter, 0, heading - 6, Item(i).LoesungMarkup, 18, true,
                    palette::MarkupColours, true);
        return image;
      }();
      EXPECT_TRUE(SameArea(page, lines, PixelRow(heading - 1) - 6, BandBottom(i), kHeadingRight))
          << "Stufe " << level << ", example " << i;
      EXPECT_EQ(Item(i).Var2 != 0, level >= 2);
    }
  }
}

TEST_F(PolynomialExamplesTest, ALevelChangeAndWeitereBeispieleGiveNewExamples) {
  for (const KindWindow& k : kKinds) {
    SCOPED_TRACE(k.menu);
    open(k.menu);
    for (const bool levelChange : {true, false}) {
      SCOPED_TRACE(levelChange ? "Stufe 2" : "Weitere Beispiele");
      const std::array<Text, 3> before = solutions();
      const QImage pageBefore = painted();
      if (levelChange) {
        chooseLevel(2);
      } else {
        askForMore();
      }
      EXPECT_EQ(selection::selLevel, 2);
      EXPECT_TRUE(window->levelButton(2)->isChecked());
      const QImage page = painted();
      for (int i = 1; i <= 3; ++i) {
        EXPECT_NE(Item(i).LoesungMarkup, before[static_cast<std::size_t>(i - 1)]);
        EXPECT_FALSE(SameArea(page, pageBefore, BandTop(i), BandBottom(i))) << i;
      }
    }
    close();
  }
}

// Steps of each kind at a level: the number of "Weiter" presses that keep the display.
struct StepRun {
  const char* menu;
  int level;
  int lastStep;
};

TEST_F(PolynomialExamplesTest, TheStepsTakeTheChoiceAwayAndEndWithTheSameThreeExamples) {
  const StepRun runs[] = {{"menPolyMonM", 2, 17},   {"menPolyPolyM", 1, 16},
                          {"menBinomeM", 1, 11},    {"menBinomeM", 3, 8},
                          {"menErgaenzenM", 3, 15}, {"menHeraushebenM", 2, 5},
                          {"menHeraushebenM", 3, 5}};
  for (const StepRun& run : runs) {
    SCOPED_TRACE(std::string(run.menu) + " Stufe " + std::to_string(run.level));
    open(run.menu);
    chooseLevel(run.level);
    const std::array<Text, 3> examples = solutions();
    const QImage generated = painted();

    startSteps();
    EXPECT_TRUE(inSteps());
    EXPECT_FALSE(canChoose());
    // A click on a disabled level or on "Weitere Beispiele" changes nothing.
    QTest::mouseClick(window->levelButton(run.level == 1 ? 2 : 1), Qt::LeftButton);
    askForMore();
    EXPECT_EQ(selection::selLevel, run.level);
    EXPECT_EQ(solutions(), examples);
    const QImage firstStep = painted();
    EXPECT_FALSE(SameArea(firstStep, generated, 30, 700));

    for (int step = 1; step <= run.lastStep; ++step) {
      pressWeiter();
      ASSERT_TRUE(inSteps()) << "step " << step;
      EXPECT_FALSE(canChoose());
    }
    pressWeiter();  // after the last step
    EXPECT_FALSE(inSteps());
    EXPECT_TRUE(window->stepMenuItem()->isVisible());
    EXPECT_FALSE(window->stepButton()->isVisible());
    EXPECT_TRUE(canChoose());
    EXPECT_TRUE(window->levelButton(run.level)->isChecked());
    EXPECT_EQ(solutions(), examples);
    EXPECT_TRUE(SameArea(painted(), generated, 0, 700));
    close();
  }
}

TEST_F(PolynomialExamplesTest, ClosingInTheMiddleOfTheStepsAndReopeningStartsClean) {
  open("menErgaenzenM");
  chooseLevel(3);
  startSteps();
  for (int press = 0; press < 4; ++press) pressWeiter();
  QTest::keyClick(window, Qt::Key_Escape);
  ProcessEvents();
  ASSERT_FALSE(window->isVisible());

  open("menErgaenzenM");
  EXPECT_FALSE(window->stepButton()->isVisible());
  EXPECT_TRUE(window->stepMenuItem()->isVisible());
  EXPECT_TRUE(canChoose());
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  EXPECT_EQ(selection::selLevel, 1);
  EXPECT_EQ(Item(1).Var2, 0);  // examples of Stufe 1
  // The generated examples with their headings, not a page of steps.
  const QImage page = painted();
  for (int i = 1; i <= 3; ++i) {
    const int headingRow = PixelRow(kHeadingY[static_cast<std::size_t>(i - 1)]);
    EXPECT_GT(CountPixels(page, headingRow, headingRow + 25, kHeadingLeft, kHeadingRight,
                          palette::palViolet),
              150);
  }
  // The steps start again at their first step.
  startSteps();
  const QImage first = painted();
  EXPECT_EQ(CountPixels(first, PixelRow(18), 700), 0) << "only the first formula";
}

// Kind 1: each product is marked in its own step only; the result grows on the task's row.
TEST_F(PolynomialExamplesTest, TheMultiplicationMarkStandsOverTheFactorsOfTheNewProduct) {
  open("menPolyMonM");
  startSteps();
  const int rowTop = PixelRow(25);
  // The bracket of step 1 rises from the single factor (x −3) to 2 units over the row.
  const auto markPixels = [&](const QImage& page) {
    return CountPixels(page, PixelRow(27) + 2, rowTop, PixelColumn(-3) - 3, PixelColumn(-3) + 3,
                       Qt::black);
  };
  const auto wordPixels = [&](const QImage& page) {
    return CountPixels(page, PixelRow(30), PixelRow(30) + 22, PixelColumn(-12), PixelColumn(6));
  };
  const auto resultPixels = [&](const QImage& page) {
    return CountPixels(page, rowTop, rowTop + 30, PixelColumn(3), 1000);
  };
  QImage page = painted();
  EXPECT_EQ(markPixels(page), 0);
  EXPECT_EQ(resultPixels(page), 0);
  EXPECT_GT(CountPixels(page, rowTop, rowTop + 30, 0, PixelColumn(0), palette::palRose), 30);

  pressWeiter();  // step 1: the first product, marked
  page = painted();
  EXPECT_GT(markPixels(page), 20);
  EXPECT_GT(wordPixels(page), 100);
  const int firstProduct = resultPixels(page);
  EXPECT_GT(firstProduct, 100);

  pressWeiter();  // step 2: the sign only, no mark
  page = painted();
  EXPECT_EQ(markPixels(page), 0);
  EXPECT_EQ(wordPixels(page), 0);
  EXPECT_GT(resultPixels(page), firstProduct);
  EXPECT_EQ(CountPixels(page, PixelRow(7), PixelRow(7) + 30), 0) << "example 2 not yet";

  for (int step = 3; step <= 4; ++step) pressWeiter();
  EXPECT_GT(CountPixels(painted(), PixelRow(7), PixelRow(7) + 30), 300) << "example 2 at step 4";
}

// Kind 3: the third formula starts a new page.
TEST_F(PolynomialExamplesTest, TheBinomialStepsRenewThePageForTheThirdFormula) {
  open("menBinomeM");
  startSteps();
  for (int step = 1; step <= 7; ++step) pressWeiter();
  EXPECT_GT(CountPixels(painted(), PixelRow(1), PixelRow(-21)), 2000);
  pressWeiter();  // step 8
  const QImage page = painted();
  EXPECT_EQ(CountPixels(page, PixelRow(24), 700), 0);
  EXPECT_GT(CountPixels(page, PixelRow(29), PixelRow(26)), 500);
}

// Every page of every kind and level stays in the paint box, clear of the heading above and of
// the instruction label below (from page y −24 on).
TEST(PolynomialStepLayout, EveryStepKeepsToThePage) {
  SetPalette();
  SetRandomSeed(8);
  for (int kind = 1; kind <= 5; ++kind) {
    for (int level = 1; level <= 3; ++level) {
      const auto steps =
          polynomials::PolynomSteps(kind, level, polynomials::DrawStepExampleValues());
      for (int step = 0; step < static_cast<int>(steps.size()); ++step) {
        SCOPED_TRACE("kind " + std::to_string(kind) + ", Stufe " + std::to_string(level) +
                     ", step " + std::to_string(step));
        QImage page(1000, 700, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
          QPainter painter(&page);
          SetPage(-50, 50, -35, 35, 1000, 700);
          DrawStepShapes(painter, polynomials::PageAtStep(steps, step));
        }
        EXPECT_GT(CountPixels(page, 0, 700), kind == 5 && level == 3 ? 100 : 500);
        EXPECT_EQ(CountPixels(page, 0, 30), 0) << "into the heading";
        EXPECT_EQ(CountPixels(page, PixelRow(-24), 700), 0) << "into the instruction";
        EXPECT_EQ(CountPixels(page, 0, 700, 0, 5), 0) << "off the left edge";
        EXPECT_EQ(CountPixels(page, 0, 700, 995, 1000), 0) << "off the right edge";
      }
    }
  }
}

// The widest generated examples of many draws still fit on the page (DrawMarkup6 centres by
// the width without markers and carets, and draws the exponents small).
TEST(PolynomialExampleLayout, TheWidestExamplesFitOnThePage) {
  for (int kind = 1; kind <= 5; ++kind) {
    for (int level = 1; level <= 3; ++level) {
      SCOPED_TRACE("kind " + std::to_string(kind) + ", Stufe " + std::to_string(level));
      selection::selLevel = level;
      int left = 500, right = 500;
      for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SetRandomSeed(seed);
        PreparePolynomItems(3, kind);
        for (int i = 1; i <= 3; ++i) {
          for (const Text& line : polynomials::PolynomExampleLines(Item(i), kind)) {
            const int start = 500 - MarkupTextWidth(RemoveChar(line, u'^'), 18, true) / 2;
            left = std::min(left, start);
            right = std::max(right, start + MarkupTextWidth(line, 18, true));
          }
        }
      }
      EXPECT_GE(left, 5);
      EXPECT_LE(right, 995);
    }
  }
  selection::ResetSelection();
}

}  // namespace
}  // namespace kalkora

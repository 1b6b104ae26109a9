// The worked examples of substitution and like terms as a learner sees them: opened from the
// menu, a level picked, new examples asked for, and the colours of the marked parts.

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "base/random.h"
#include "base/selection.h"
#include "drawing/markup.h"
#include "example_window_test.h"
#include "frame/palette.h"
#include "practice/example_window.h"
#include "program_test.h"
#include "topics/terms/like_terms_examples_window.h"
#include "topics/terms/substitution_examples_window.h"
#include "topics/terms/substitution_generators.h"
#include "topics/terms/substitution_texts.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using terms_topic::AddSubTerme;
using terms_topic::EinsetzenTerme;
using test::ProcessEvents;

const TTerm& Substitution(int i) { return EinsetzenTerme[static_cast<std::size_t>(i)]; }
const TTerm& LikeTerm(int i) { return AddSubTerme[static_cast<std::size_t>(i)]; }

// The paint-box pixel row of a page y on the example page (y 35 at the top, 10 pixels a unit).
int PixelRow(double pageY) { return static_cast<int>((35 - pageY) * 10); }

class TermExamplesTest : public test::ExampleWindowTest<ExampleWindow> {
 protected:
  // Pixels of the colour in the text line at page y, between pixel columns [fromX, toX).
  int pixelsInLine(const QImage& page, double pageY, const QColor& colour, int fromX = 0,
                   int toX = 1000) const {
    int count = 0;
    for (int y = PixelRow(pageY); y < PixelRow(pageY) + 28; ++y) {
      for (int x = fromX; x < toX; ++x) {
        if (page.pixelColor(x, y).rgb() == colour.rgb()) ++count;
      }
    }
    return count;
  }
};

// The substitution line of each example (page y 13 and −17), left of the arrow.
constexpr double kSubstitutionY[] = {13, -17};

TEST_F(TermExamplesTest, SubstitutionValuesAreRoseAndTheSecondValueOlive) {
  open("menEinsetzenM");
  EXPECT_EQ(window->windowTitle(), "Musterbeispiele: Werte einsetzen");
  for (int level : {1, 2, 3}) {
    SCOPED_TRACE(level);
    if (level != 1) chooseLevel(level);
    const QImage page = painted();
    const int arrowPixel = 500 + (level == 3 ? 130 : 230);
    for (int example = 1; example <= 2; ++example) {
      SCOPED_TRACE(example);
      const double y = kSubstitutionY[example - 1];
      EXPECT_GT(pixelsInLine(page, y, palette::palRose, 0, arrowPixel), 30);
      EXPECT_EQ(pixelsInLine(page, y, palette::palOlive, 0, arrowPixel) > 30, level == 2);
      // The arrow and the result after it are black.
      EXPECT_GT(pixelsInLine(page, y, Qt::black, arrowPixel), 100);
      EXPECT_EQ(pixelsInLine(page, y, palette::palRose, arrowPixel), 0);
      // The given term above has no marked parts.
      EXPECT_EQ(pixelsInLine(page, y + 14, palette::palRose), 0);
      EXPECT_GT(pixelsInLine(page, y + 14, Qt::black), 100);
    }
  }
}

TEST_F(TermExamplesTest, SubstitutionLevelsChangeAtOnceAndReopeningStartsAtStufe1) {
  open("menEinsetzenM");
  chooseLevel(3);
  EXPECT_EQ(selection::selLevel, 3);
  for (int i = 1; i <= 2; ++i) {
    // A multiple of a letter is put in for x.
    EXPECT_NE(Substitution(i).Wert1Text.find(u'·'), Text::npos);
  }
  chooseLevel(2);
  const QImage before = painted();
  const Text termBefore = Substitution(1).TermAnzeige;
  askForMore();
  EXPECT_TRUE(window->levelButton(2)->isChecked());
  EXPECT_EQ(selection::selLevel, 2);
  EXPECT_NE(painted(), before);
  EXPECT_NE(Substitution(1).TermAnzeige, termBefore);
  EXPECT_GT(pixelsInLine(painted(), kSubstitutionY[0], palette::palOlive), 30);

  close();
  open("menEinsetzenM");
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  EXPECT_EQ(selection::selLevel, 1);
  EXPECT_EQ(pixelsInLine(painted(), kSubstitutionY[0], palette::palOlive), 0);
}

// Over many examples of every level the substitution line ends before the arrow.
TEST_F(TermExamplesTest, SubstitutionLineNeverRunsIntoTheArrow) {
  for (int level = 1; level <= 3; ++level) {
    const int room = 10 * (level == 3 ? 13 + 27 : 23 + 27);
    int widest = 0;
    for (int run = 0; run < 3000; ++run) {
      terms_topic::EinsetzenStufe(level, 1);
      const Text line = terms_topic::SubstitutionExample(Substitution(1), level).substitution;
      widest = std::max(widest, MarkupTextWidth(line, 18, true));
    }
    EXPECT_LT(widest, room) << "Stufe " << level;
  }
}

// The first line of each like-term example (page y 25, 7, −11); Stufe 1 has a second line
// 5 units lower.
constexpr double kLikeTermY[] = {25, 7, -11};
// Right of the headings "Beispiel n".
constexpr int kLinesFrom = 180;

TEST_F(TermExamplesTest, LikeTermExamplesOfEachLevel) {
  open("menAddSubbM");
  EXPECT_EQ(window->windowTitle(), "Musterbeispiele: Addieren und Subtrahieren");
  for (int level : {1, 2, 3}) {
    SCOPED_TRACE(level);
    if (level != 1) chooseLevel(level);
    EXPECT_EQ(selection::selLevel, level);
    const QImage page = painted();
    for (int example = 1; example <= 3; ++example) {
      SCOPED_TRACE(example);
      const double y = kLikeTermY[example - 1];
      EXPECT_GT(pixelsInLine(page, y, Qt::black, kLinesFrom), 100);
      // The line with letters under the line with digits only at Stufe 1.
      EXPECT_EQ(pixelsInLine(page, y - 5, Qt::black, kLinesFrom) > 100, level == 1);
      // The task marks every occurrence of the first letter in rose from Stufe 2 on.
      if (level >= 2) {
        EXPECT_GT(pixelsInLine(page, y, palette::palRose, kLinesFrom), 20);
      }
      // Stufe 3 has a minus before parentheses, Stufe 2 no parentheses.
      EXPECT_EQ(LikeTerm(example).Term.find(u'(') != Text::npos, level == 3);
    }
  }
  const Text before = LikeTerm(1).Term;
  askForMore();
  EXPECT_EQ(selection::selLevel, 3);
  EXPECT_NE(LikeTerm(1).Term, before);
  EXPECT_NE(LikeTerm(1).Term.find(u'('), Text::npos);

  close();
  open("menAddSubbM");
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  EXPECT_EQ(LikeTerm(1).Term.find(u'#'), Text::npos);  // Stufe 1 marks no letters
}

}  // namespace
}  // namespace kalkora

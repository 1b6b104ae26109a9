// The fraction worked examples of three on a page as a learner sees them: each topic opened
// from the menu, a level picked, new examples asked for, reopened; the special forms of the
// page; and every example kept to its place on the page. (The stepwise pages:
// fraction_stepwise_examples_test.cpp.)

#include "topics/fractions/fraction_examples_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <array>

#include "base/random.h"
#include "base/selection.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "example_window_test.h"
#include "frame/palette.h"
#include "page_pixels.h"
#include "program_test.h"
#include "topics/fractions/fraction_example_drawing.h"
#include "topics/fractions/fraction_example_rows.h"
#include "topics/fractions/fraction_example_texts.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora {
namespace {

using test::CountPixels;
using test::PageImage;
using test::PixelColumn;
using test::PixelRow;
using test::ProcessEvents;
using test::SameArea;

const TBruchM& Item(int i) { return fractions::Bruch[static_cast<std::size_t>(i)]; }

struct Topic {
  int number;
  const char* menu;
  const char* instruction;  // at Stufe 1
};

const std::vector<Topic>& TopicsWithExamples() {
  static const std::vector<Topic> topics{
      {1, "menDefmengeM", ""},
      {2, "menKuerzenM", ""},
      {3, "menKgvM",
       "Zerlege jede Zahl in Faktoren.\nVerwende alle Daten der 1.Zahl und ergänze was fehlt."},
      {4, "menAddSubM1",
       "Zerlege, wenn nötig die Nenner in Faktoren. Ermittle die Definitionsmenge und Addiere "
       "bzw. Subtrahiere die Terme. Kürze das Ergebnis, wenn möglich."},
      {6, "menMultM",
       "Ermittle die Definitionsmenge.\nSchau, ob du kürzen kannst bevor du die Brüche "
       "ausmultiplizierst!"},
      {7, "menDivM",
       "Zerlege die Zähler und Nenner in Faktoren (wenn nötig) und ermittle die "
       "Definitionsmenge.\n(Beachte auch den Zähler des 2.Bruchs). Schau, ob du kürzen kannst "
       "bevor du die Brüche ausmultiplizierst!"},
      {8, "menTermDivM",
       "Ordne die Terme nach fallenden Potenzen, wenn nicht geordnet und ermittle die "
       "Definitionsmenge.\nVerwende das Verteilungsgesetz oder hebe heraus!"},
  };
  return topics;
}

// The example's rows as the page draws them, on their own.
QImage RowsOf(int topic, int level, int example) {
  return PageImage([&](QPainter& painter) {
    for (const auto& row : fractions::FractionExampleRows(Item(example), topic, level, example)) {
      DrawExampleRow(painter, row);
    }
  });
}

// The pixel rows of example i of three: from 5 units above its line to 6 below (two lines of
// dividing at Stufe 2 and 3 reach 7 above).
int BandTop(int i) { return PixelRow(45 - 20 * i + 7); }
int BandBottom(int i) { return PixelRow(45 - 20 * i - 7); }

class FractionExamplesTest : public test::ExampleWindowTest<TfrmBruchM> {
 protected:
  // Presses "Weitere Beispiele" until one of the three examples is wanted; its number, or 0.
  int moreUntil(const std::function<bool(const TBruchM&)>& wanted) {
    for (int press = 0; press < 500; ++press) {
      for (int i = 1; i <= 3; ++i) {
        if (wanted(Item(i))) return i;
      }
      askForMore();
    }
    return 0;
  }
};

TEST_F(FractionExamplesTest, EachTopicOpensAtStufe1WithThreeExamplesAndItsInstruction) {
  for (const Topic& topic : TopicsWithExamples()) {
    SCOPED_TRACE(topic.menu);
    open(topic.menu);
    EXPECT_EQ(window->windowTitle(), "Musterbeispiele: Bruchterme");
    EXPECT_TRUE(window->levelButton(1)->isChecked());
    EXPECT_EQ(selection::selLevel, 1);
    EXPECT_EQ(window->exampleCount(), 3);
    EXPECT_FALSE(window->stepButton()->isVisible());
    EXPECT_FALSE(window->stepMenuItem()->isVisible());
    EXPECT_EQ(window->stepMenuItem()->text(), "Schrittweise Erklärung");
    EXPECT_TRUE(window->moreExamplesButton()->isEnabled());
    QLabel* label = window->instructionLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(topic.instruction));
    if (*topic.instruction != '\0') {
      EXPECT_GT(CountPixels(label->grab().toImage(), 0, 50, 0, 1000, palette::palPurple), 300);
    }

    const QImage page = painted();
    EXPECT_GT(CountPixels(page, 0, 25), 300);  // the heading
    for (const auto& l : fractions::FractionExampleLabels(topic.number, 3)) {
      const int row = PixelRow(l.y);
      EXPECT_GT(CountPixels(page, row, row + 25, 10, 140, palette::palViolet), 150);
    }
    for (int i = 1; i <= 3; ++i) {
      SCOPED_TRACE(i);
      EXPECT_TRUE(Item(i).Aktiv);
      // The example is drawn as its rows say, and nothing else is drawn in its band right of
      // the labels.
      const QImage rows = RowsOf(topic.number, 1, i);
      EXPECT_GT(CountPixels(rows, BandTop(i), BandBottom(i), 150), 300);
      EXPECT_TRUE(SameArea(page, rows, BandTop(i), BandBottom(i), 150));
    }
    close();
  }
}

TEST_F(FractionExamplesTest, ALevelChangeAndWeitereBeispieleGiveThreeNewExamples) {
  for (const Topic& topic : TopicsWithExamples()) {
    SCOPED_TRACE(topic.menu);
    open(topic.menu);
    for (const bool levelChange : {true, false}) {
      SCOPED_TRACE(levelChange ? "Stufe" : "Weitere Beispiele");
      const auto shown = [](int i) {
        return Item(i).Text[1] + u'|' + Item(i).Text[4] + u'|' + Item(i).Daten[1];
      };
      const std::array<Text, 3> before{shown(1), shown(2), shown(3)};
      const QImage pageBefore = painted();
      if (levelChange) {
        chooseLevel(topic.number == 8 ? 1 : 2);
      } else {
        askForMore();
      }
      const int level = selection::selLevel;
      EXPECT_EQ(window->exampleCount(), 3);
      const QImage page = painted();
      for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(shown(i), before[static_cast<std::size_t>(i - 1)]);
        EXPECT_FALSE(SameArea(page, pageBefore, BandTop(i), BandBottom(i), 150));
        EXPECT_TRUE(SameArea(page, RowsOf(topic.number, level, i), BandTop(i), BandBottom(i), 150));
      }
    }
    EXPECT_FALSE(window->stepMenuItem()->isVisible());
    close();
  }
}

TEST_F(FractionExamplesTest, SchrittweiseErklaerungStaysHiddenOnEveryPageWithExamples) {
  for (const Topic& topic : TopicsWithExamples()) {
    open(topic.menu);
    for (const int level : {2, 3, 1}) {
      chooseLevel(level);
      if (topic.number == 8 && level > 1) continue;
      EXPECT_FALSE(window->stepMenuItem()->isVisible()) << topic.menu << " Stufe " << level;
      EXPECT_FALSE(window->stepButton()->isVisible()) << topic.menu << " Stufe " << level;
    }
    close();
  }
}

TEST_F(FractionExamplesTest, ASingleLetterDenominatorShowsOnlyItsConditionWithoutArrow) {
  open("menDefmengeM");
  const int i = moreUntil([](const TBruchM& item) { return item.Text[4].size() == 1; });
  ASSERT_NE(i, 0);
  const QImage page = painted();
  const int row = PixelRow(45 - 20 * i);
  // Nothing where the condition and the arrow stand otherwise (x 0 … 22), ‹h ≠ 0› in rose
  // from x = 23.
  EXPECT_EQ(CountPixels(page, row - 10, row + 30, PixelColumn(-1), PixelColumn(22.5)), 0);
  EXPECT_GT(
      CountPixels(page, row - 10, row + 30, PixelColumn(23), PixelColumn(35), palette::palRose),
      100);
}

// The page of a special result is the rows the engine gives; the bar a fraction would have
// under the result is not there.
TEST_F(FractionExamplesTest, ResultsWithoutDenominatorAreDrawnAsText) {
  struct Case {
    const char* menu;
    int level;
    std::function<bool(const TBruchM&)> wanted;
  };
  const std::vector<Case> cases{
      {"menKuerzenM", 1, [](const TBruchM& item) { return !item.Schalter; }},
      {"menKuerzenM", 3, [](const TBruchM& item) { return !item.Schalter; }},
      {"menAddSubM1", 3, [](const TBruchM& item) { return item.Daten[12].empty(); }},
      {"menMultM", 1, [](const TBruchM& item) { return item.Text[10] == u"1"; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.menu) + " Stufe " + std::to_string(c.level));
    open(c.menu);
    chooseLevel(c.level);
    const int i = moreUntil(c.wanted);
    ASSERT_NE(i, 0);
    const int topic = selection::selFractionExample;
    const auto rows = fractions::FractionExampleRows(Item(i), topic, c.level, i);
    ASSERT_EQ(rows.size(), 1u);
    const fractions::ExampleRow row = FittedRow(rows[0]);
    const fractions::RowPiece& last = row.pieces.back();
    EXPECT_TRUE(last.form == fractions::PieceForm::Markup ||
                last.form == fractions::PieceForm::Markup6);
    const QImage page = painted();
    EXPECT_TRUE(SameArea(page, RowsOf(topic, c.level, i), BandTop(i), BandBottom(i), 150));
    // No bar: the pixel rows of a fraction bar under the result hold no black line.
    const double left = PieceLefts(row).back();
    const double right = left + PieceWidth(last);
    const int bar = PixelRow(rows[0].y - 1.1);
    int longestBlackRun = 0;
    for (int y = bar - 2; y <= bar + 2; ++y) {
      int run = 0;
      for (int x = PixelColumn(left); x < PixelColumn(right); ++x) {
        run = (page.pixel(x, y) & 0xFFFFFF) == 0 ? run + 1 : 0;
        longestBlackRun = std::max(longestBlackRun, run);
      }
    }
    EXPECT_LT(longestBlackRun, 12);
    if (c.menu == std::string("menAddSubM1")) EXPECT_EQ(last.texts[0], Item(i).Daten[11]);
    close();
  }
}

// The cancelling page's note stands under the instruction label, which is empty for this
// topic and hides nothing.
TEST_F(FractionExamplesTest, TheCancellingNoteIsSeenUnderTheEmptyLabel) {
  open("menKgvM");  // a topic with an instruction first: it must not stay in the label
  ASSERT_FALSE(window->instructionLabel()->text().isEmpty());
  close();
  open("menKuerzenM");
  EXPECT_TRUE(window->instructionLabel()->text().isEmpty());
  const QImage client = window->clientArea()->grab().toImage();
  // Page y −25 is client row 610; the note is purple.
  EXPECT_GT(CountPixels(client, 610, 635, 10, 1010, palette::palPurple), 500);
}

TEST_F(FractionExamplesTest, ReopeningStartsAtStufe1OfTheChosenTopic) {
  open("menMultM");
  chooseLevel(3);
  close();
  open("menDivM");
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  EXPECT_EQ(selection::selLevel, 1);
  EXPECT_EQ(selection::selFractionExample, 7);
  // The division starts with the division in black, left of the marked product.
  const QImage page = painted();
  for (int i = 1; i <= 3; ++i) {
    EXPECT_TRUE(SameArea(page, RowsOf(7, 1, i), BandTop(i), BandBottom(i), 150));
  }
  close();
  open("menAddSubM2");
  chooseLevel(2);
  close();
  open("menKgvM");
  EXPECT_TRUE(window->moreExamplesButton()->isEnabled());
  EXPECT_EQ(window->exampleCount(), 3);
}

// Over many examples of every topic and level: the labels stay free, nothing is drawn at the
// page's edges or into the instruction label's text.
TEST_F(FractionExamplesTest, ExamplesKeepToTheirPlaces) {
  for (const Topic& topic : TopicsWithExamples()) {
    open(topic.menu);
    const QImage labels = PageImage([&](QPainter& painter) {
      for (const auto& l : fractions::FractionExampleLabels(topic.number, 3)) {
        DrawMarkupLeft(painter, -49, l.y, l.text, 18, true, palette::MarkupColours);
      }
    });
    const int labelRight = PixelColumn(-49) + MarkupTextWidth(u"Beispiel 1", 18, true) + 5;
    for (int level = 1; level <= (topic.number == 8 ? 1 : 3); ++level) {
      chooseLevel(level);
      for (int press = 0; press < 15; ++press) {
        SCOPED_TRACE(std::string(topic.menu) + " Stufe " + std::to_string(level) + " press " +
                     std::to_string(press));
        const QImage page = painted();
        for (const auto& l : fractions::FractionExampleLabels(topic.number, 3)) {
          const int row = PixelRow(l.y);
          EXPECT_TRUE(SameArea(page, labels, row - 5, row + 27, 0, labelRight));
        }
        EXPECT_EQ(CountPixels(page, 0, 700, 0, 5), 0);
        EXPECT_EQ(CountPixels(page, 0, 700, 995, 1000), 0);
        // The label's text starts 3 pixels under page y −25 (two lines of 19 pixels in 50);
        // the cancelling note stands there on purpose.
        EXPECT_EQ(CountPixels(page, topic.number == 2 ? 625 : 603, 700), 0);
        askForMore();
      }
    }
    close();
  }
}

// The widest rows of many examples still fit on the page, and rows beside a label leave it
// free.
TEST(FractionExampleLayout, WidestRowsFitOnThePageAndBesideTheLabels) {
  SetPalette();
  const double labelRight = -49 + MarkupTextWidth(u"Beispiel 1", 18, true) / 10.0;
  for (const Topic& topic : TopicsWithExamples()) {
    for (int level = 1; level <= 3; ++level) {
      const fractions::ExampleBuilder build =
          fractions::FractionExampleBuilder(topic.number, level);
      if (build == nullptr) continue;
      SCOPED_TRACE(std::string(topic.menu) + " Stufe " + std::to_string(level));
      const auto labels = fractions::FractionExampleLabels(topic.number, 3);
      SetRandomSeed(static_cast<std::uint32_t>(topic.number * 10 + level));
      for (int n = 0; n < 1500; ++n) {
        const int i = n % 3 + 1;
        build(i);
        const double labelTop = labels[static_cast<std::size_t>(i - 1)].y;
        for (const auto& row : fractions::FractionExampleRows(Item(i), topic.number, level, i)) {
          const RowSpan span = ExampleRowSpan(row);
          EXPECT_GE(span.left, -49.5);
          EXPECT_LE(span.right, 49.5);
          // A row whose band (a fraction reaches 2.6 above its line, 4.4 below) meets the
          // label's (2.4 high) keeps right of it.
          const bool besideLabel = row.y + 2.6 > labelTop - 2.4 && row.y - 4.4 < labelTop;
          if (besideLabel) EXPECT_GT(span.left, labelRight + 1);
          if (testing::Test::HasFailure()) {
            ADD_FAILURE() << fractions::Bruch[static_cast<std::size_t>(i)].Variante;
            ClearFixedRandomSeed();
            return;
          }
        }
      }
    }
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

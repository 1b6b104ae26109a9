// The worked examples of the power rules as a learner sees them: opened from the menu for each
// rule, a level picked, new examples asked for, reopened; the colours of the marked letters,
// a sum whose terms all cancel, and every example kept to its place on the page.

#include "topics/powers/power_examples_window.h"

#include <gtest/gtest.h>

#include <QImage>
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
#include "topics/powers/power_example_drawing.h"
#include "topics/powers/power_example_lines.h"
#include "topics/powers/power_record.h"

namespace kalkora {
namespace {

using powers::PowerRule;
using test::CountPixels;
using test::PageImage;
using test::PixelRow;
using test::ProcessEvents;
using test::SameArea;

const TPotenz& Item(int i) { return powers::Potenzen[static_cast<std::size_t>(i)]; }

// The heading "Beispiel k" stands at page x −45 and these y.
constexpr std::array<double, 3> kHeadingY{25, 7, -11};
constexpr int kHeadingLeft = 50;
// Right of the headings.
constexpr int kExamplesFrom = 180;

struct RuleWindow {
  PowerRule rule;
  const char* menu;
  const char* caption;
  const char* ruleText;
};

const std::vector<RuleWindow>& Rules() {
  static const std::vector<RuleWindow> rules{
      {PowerRule::Multiply, "menPotMultM", "Musterbeispiele: Multiplizieren von Potenzen",
       "Potenzen gleicher Basis werden multipliziert, indem man die Hochzahlen addiert und die "
       "Basis unverändert lässt."},
      {PowerRule::Divide, "menPotDivM", "Musterbeispiele: Dividieren von Potenzen",
       "Potenzen gleicher Basis werden dividiert, indem man die Hochzahlen subtrahiert und die "
       "Basis unverändert lässt."},
      {PowerRule::Raise, "menPotPotM", "Musterbeispiele: Potenzieren von Potenzen",
       "Potenzen werden potenziert, indem man die Hochzahlen multipliziert"},
      {PowerRule::AddSub, "menAddSubPotM",
       "Musterbeispiele: Addieren und Subtrahieren von Potenzen",
       "Reihenfolge der Berechnung: Klammern zuerst – Potenzieren – Punktrechnung – "
       "Strichrechnung"},
  };
  return rules;
}

// The example rows of example k: from its heading's top 3 units up to 8 units under it.
int BandTop(int k) { return PixelRow(kHeadingY[static_cast<std::size_t>(k - 1)]) - 30; }
int BandBottom(int k) { return PixelRow(kHeadingY[static_cast<std::size_t>(k - 1)]) + 80; }

class PowerExamplesTest : public test::ExampleWindowTest<TfrmPotenzenM> {};

TEST_F(PowerExamplesTest, EachRuleOpensFromTheMenuWithItsCaptionRuleAndThreeExamples) {
  for (const RuleWindow& r : Rules()) {
    SCOPED_TRACE(r.menu);
    open(r.menu);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(r.caption));
    QLabel* label = window->instructionLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(r.ruleText));
    EXPECT_TRUE(label->isVisible());
    EXPECT_GT(CountPixels(label->grab().toImage(), 0, 41, 0, 977, palette::palBrown), 200);
    EXPECT_TRUE(window->levelButton(1)->isChecked());
    EXPECT_EQ(selection::selLevel, 1);

    const QImage page = painted();
    EXPECT_GT(CountPixels(page, 0, 25), 300);  // the title
    for (int k = 1; k <= 3; ++k) {
      SCOPED_TRACE(k);
      const int headingRow = PixelRow(kHeadingY[static_cast<std::size_t>(k - 1)]);
      EXPECT_GT(CountPixels(page, headingRow, headingRow + 25, kHeadingLeft, kExamplesFrom,
                            palette::palViolet),
                150);
      EXPECT_GT(CountPixels(page, BandTop(k), BandBottom(k), kExamplesFrom), 300);
    }
    close();
  }
}

// The rightmost column of a line's ink in the pixel rows [top, bottom), or -1.
int RightmostInk(const QImage& page, int top, int bottom) {
  for (int x = page.width() - 1; x >= kExamplesFrom; --x) {
    if (CountPixels(page, top, bottom, x, x + 1) > 0) return x;
  }
  return -1;
}

// The generators mark the letters of the products; the window draws those marks as they are,
// so the letters keep their colours on both sides (rose the first, olive the second). At
// Stufe 2 and 3 the result at the line's right end ends with a power whose letter (below its
// raised exponent) is coloured: marked twice, the letter would turn black.
TEST_F(PowerExamplesTest, LettersOfTheProductsShowInTheirColours) {
  open("menPotMultM");
  for (int level = 1; level <= 3; ++level) {
    SCOPED_TRACE(level);
    if (level > 1) chooseLevel(level);
    const QImage page = painted();
    for (int k = 1; k <= 3; ++k) {
      SCOPED_TRACE(k);
      const int row = PixelRow(kHeadingY[static_cast<std::size_t>(k - 1)]);
      const int lines = level == 1 ? 2 : 1;
      for (int line = 0; line < lines; ++line) {
        const int top = row - 8 + 50 * line;
        const int bottom = top + 36;
        EXPECT_GT(CountPixels(page, top, bottom, kExamplesFrom, 1000, palette::palRose), 20);
        EXPECT_EQ(CountPixels(page, top, bottom, kExamplesFrom, 1000, palette::palOlive) > 20,
                  level != 2);
        if (level == 1) continue;
        const int end = RightmostInk(page, top, bottom);
        const QColor last = level == 2 ? palette::palRose : palette::palOlive;
        EXPECT_GT(CountPixels(page, row + 12, row + 24, end - 40, end + 1, last), 10);
      }
    }
  }
}

TEST_F(PowerExamplesTest, ALevelChangeAndWeitereBeispieleGiveThreeNewExamples) {
  for (const RuleWindow& r : Rules()) {
    SCOPED_TRACE(r.menu);
    open(r.menu);
    for (const bool levelChange : {true, false}) {
      SCOPED_TRACE(levelChange ? "Stufe 2" : "Weitere Beispiele");
      std::array<TPotenz, 3> before{Item(1), Item(2), Item(3)};
      const QImage pageBefore = painted();
      if (levelChange) {
        chooseLevel(2);
      } else {
        askForMore();
      }
      EXPECT_EQ(selection::selLevel, 2);
      EXPECT_TRUE(window->levelButton(2)->isChecked());
      const QImage page = painted();
      for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NE(Item(k).Text, before[static_cast<std::size_t>(k - 1)].Text);
        EXPECT_FALSE(SameArea(page, pageBefore, BandTop(k), BandBottom(k)));
      }
    }
    close();
  }
}

TEST_F(PowerExamplesTest, ReopeningShowsStufe1) {
  open("menPotMultM");
  chooseLevel(3);
  // Only Stufe 1 writes the product with numbers over the product with letters.
  const int secondLine = PixelRow(kHeadingY[0] - 5);
  EXPECT_EQ(CountPixels(painted(), secondLine, secondLine + 28, kExamplesFrom), 0);
  close();

  open("menPotMultM");
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  EXPECT_EQ(selection::selLevel, 1);
  EXPECT_GT(CountPixels(painted(), secondLine, secondLine + 28, kExamplesFrom), 300);
  chooseLevel(2);
  close();

  open("menPotDivM");
  EXPECT_EQ(window->windowTitle(), "Musterbeispiele: Dividieren von Potenzen");
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  EXPECT_EQ(selection::selLevel, 1);
}

TEST_F(PowerExamplesTest, ASumWhoseTermsAllCancelShowsEqualsZero) {
  open("menAddSubPotM");
  chooseLevel(3);
  int cancelled = 0;
  for (int press = 0; press < 3000 && cancelled == 0; ++press) {
    for (int k = 1; k <= 3 && cancelled == 0; ++k) {
      if (Item(k).Text[2] == u"0") cancelled = k;
    }
    if (cancelled == 0) askForMore();
  }
  ASSERT_NE(cancelled, 0) << "no sum cancelled";
  // The line stands under its heading, 4.8 units lower.
  const double y = kHeadingY[static_cast<std::size_t>(cancelled - 1)] - 4.8;
  const Text expected = Text(Item(cancelled).Text[0]).append(u" = 0");
  const QImage reference = PageImage([&](QPainter& painter) {
    DrawMarkup3(painter, 0, y, expected, 18, true, palette::MarkupColours, true);
  });
  EXPECT_TRUE(SameArea(painted(), reference, PixelRow(y) - 10, PixelRow(y) + 35));
}

// Over many examples of every rule and level: nothing is drawn into the headings, between the
// examples, over the instruction label or at the page's edges.
TEST_F(PowerExamplesTest, ExamplesKeepToTheirPlaces) {
  const QImage headings = PageImage([](QPainter& painter) {
    for (int k = 1; k <= 3; ++k) {
      const Text heading = u"~Beispiel " + Text(1, static_cast<char16_t>(u'0' + k)) + u'~';
      DrawMarkupLeft(painter, -45, kHeadingY[static_cast<std::size_t>(k - 1)], heading, 18, true,
                     palette::MarkupColours);
    }
  });
  const int headingRight =
      kHeadingLeft + MarkupTextWidth(u"Beispiel 1", 18, true) + 5;  // and a little room
  // Free rows: under the title, between the examples, and from under example 3 down over the
  // instruction label (rows 590 … 631) to the page's end.
  const std::array<std::pair<int, int>, 4> freeRows{{{30, 65},
                                                     {BandBottom(1) + 5, BandTop(2) - 5},
                                                     {BandBottom(2) + 5, BandTop(3) - 5},
                                                     {BandBottom(3) + 5, 700}}};
  for (const RuleWindow& r : Rules()) {
    open(r.menu);
    for (int level = 1; level <= 3; ++level) {
      chooseLevel(level);
      for (int press = 0; press < 25; ++press) {
        SCOPED_TRACE(std::string(r.menu) + " Stufe " + std::to_string(level) + " press " +
                     std::to_string(press));
        const QImage page = painted();
        for (int k = 1; k <= 3; ++k) {
          const int row = PixelRow(kHeadingY[static_cast<std::size_t>(k - 1)]);
          EXPECT_TRUE(SameArea(page, headings, row - 5, row + 27, 0, headingRight));
        }
        for (const auto& [top, bottom] : freeRows) EXPECT_EQ(CountPixels(page, top, bottom), 0);
        EXPECT_EQ(CountPixels(page, 0, 700, 0, 5), 0);
        EXPECT_EQ(CountPixels(page, 0, 700, 995, 1000), 0);
        askForMore();
      }
    }
    close();
  }
}

// The widest lines of many examples still fit on the page, and those beside a heading leave it
// free.
TEST(PowerExampleLayout, WidestLinesFitBesideTheHeadings) {
  const double headingRight = -45 + MarkupTextWidth(u"Beispiel 1", 18, true) / 10.0;
  for (const PowerRule rule :
       {PowerRule::Multiply, PowerRule::Divide, PowerRule::Raise, PowerRule::AddSub}) {
    for (int level = 1; level <= 3; ++level) {
      SCOPED_TRACE(static_cast<int>(rule) * 10 + level);
      const bool underTheHeading = rule == PowerRule::AddSub && level >= 2;
      double left = 0;
      double right = 0;
      for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        SetRandomSeed(seed);
        powers::PowerExampleGenerator(rule, level)(1);
        for (const auto& line : powers::PowerExampleLines(Item(1), rule, level)) {
          const PageSpan span = PowerExampleLineSpan(line);
          left = std::min(left, span.left);
          right = std::max(right, span.right);
        }
      }
      EXPECT_GE(left, -49.5);
      EXPECT_LE(right, 49.5);
      if (!underTheHeading) EXPECT_GT(left, headingRight + 1);
    }
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

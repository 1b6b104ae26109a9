// The two formula sheets drawn onto an image as pnt shows them: violet headings without their
// markers, formulas and explanations spelt, placed and coloured as the sheets give them, the
// places left free for the pictures, and the pictures themselves.

#include <gtest/gtest.h>

#include "drawing/markup.h"
#include "drawing/page.h"
#include "frame/palette.h"
#include "image_probe.h"
#include "reference/formula_sheets.h"
#include "reference_probe.h"

namespace kalkora {
namespace {

using test::Drawing;
using test::Drawn;

const QColor kBlack(0, 0, 0);

QSize sheetSize(int topic) { return topic == 2 ? QSize(600, 540) : QSize(600, 440); }

QImage sheet(int topic) {
  SetPalette();
  return Drawn(sheetSize(topic), [topic](QPainter& canvas) { DrawFormulaSheet(canvas, topic); });
}

void onSheet(int topic) {
  SetPage(-30, 30, topic == 2 ? -32 : -22, 22, 600, sheetSize(topic).height());
}

struct Shown {
  int topic;
  TextView text;
  Drawing draw;
};
void PrintTo(const Shown& shown, std::ostream* out) { *out << Utf8FromText(shown.text); }

Shown heading(int topic, double y, TextView text) {
  return {topic, text, [=](QPainter& c) {
            onSheet(topic);
            DrawMarkupCentred(c, 0, y, text, 14, true, palette::MarkupColours);
          }};
}
Shown markup3(int topic, double x, double y, int size, TextView text, bool centred) {
  return {topic, text, [=](QPainter& c) {
            onSheet(topic);
            DrawMarkup3(c, x, y, text, size, true, palette::MarkupColours, centred);
          }};
}
Shown condition(int topic, double y, TextView text) {
  return {topic, text, [=](QPainter& c) {
            onSheet(topic);
            DrawSymbolMixed(c, 10, y, text, 14, true, kBlack);
          }};
}

class SheetText : public ::testing::TestWithParam<Shown> {};

TEST_P(SheetText, StandsAsTheSheetGivesIt) {
  SetPalette();
  const QImage alone = Drawn(sheetSize(GetParam().topic), GetParam().draw);
  EXPECT_TRUE(test::ShowsTextAsAlone(sheet(GetParam().topic), alone));
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, SheetText,
    ::testing::Values(
        heading(1, 22, u"~Multiplizieren mit eingliedrigen Termen~"),
        markup3(1, 0, 18.5, 14, u"(a + b + c)·#x# = a·#x# + b·#x# + c·#x#", true),
        markup3(1, -29, 13, 12, u"#eingliedrigen Term# (Monom).", false),
        heading(1, 8, u"~Multiplizieren mit mehrgliedrigen Termen~"),
        markup3(1, 0, 4.5, 14, u"(#a# + _b_)·(#c# + _d_) = #a#·#c# + _b_·#c# + #a#·_d_ + _b_·_d_",
                true),
        markup3(1, -29, 1, 12,
                u"Man multipliziert jedes Glied des 1.Polynoms mit jedem Glied des 2.Polynoms.",
                false),
        heading(1, -4, u"~Formeln für Binome~"),
        markup3(1, 8, -8, 14, u"(a _–_ b)^2 = a^2 _–_ 2·a·b + b^2", false),
        markup3(1, -29, -12, 12, u"Multiplizieren:", false),
        markup3(1, -16, -12, 14, u"(a #+# b)·(a _–_ b) = a^2 _–_ b^2", false),
        heading(2, 22, u"~Multiplizieren von Potenzen~"),
        markup3(2, 0, 19, 16, u"a^#r#·a^_s_ = a^#r#^+^_s_", true),
        markup3(2, -29.5, 14, 12, u"_addiert_ und die Basis unverändert lässt.", false),
        condition(2, 7, u"a ~¹0; r, s ~Î      ; r > s"),
        markup3(2, -29.5, 2, 12, u"_subtrahiert_ und die Basis unverändert lässt.", false),
        heading(2, -1, u"~Potenzieren eines Produkts~"),
        markup3(2, 0, -4, 16, u"(a·b)^#n# = a^#n#·b^#n#", true),
        heading(2, -10, u"~Potenzieren eines Quotienten~"), condition(2, -14, u"b ~¹0; n ~Î"),
        markup3(2, -29.5, -19, 12,
                u"Ein #Quotient# (Bruch) wird potenziert, indem man #Zähler und Nenner# "
                u"potenziert.",
                false),
        heading(2, -22, u"~Potenzieren einer Potenz~"),
        markup3(2, 0, -25, 14, u"(a^#r#)^_s_ = a^#r#^·^_s_", true),
        markup3(2, -29.5, -28, 12,
                u"Eine #Potenz# wird potenziert, indem man die _Hochzahlen multipliziert_.",
                false)));

TEST(TermSheet, DrawsBothMinusSignsOfTheSecondBinomialInOlive) {
  const QImage terms = sheet(1);
  // "(a _–_ b)^2 = a^2 _–_ 2·a·b + b^2" from page (8, –8).
  EXPECT_EQ(test::ColumnGroups(terms, test::Tinted(palette::palOlive), QRect(380, 300, 220, 25)),
            2);
  EXPECT_EQ(test::ColumnGroups(terms, test::Tinted(palette::palRose), QRect(380, 300, 220, 25)), 0);
}

TEST(FormulaSheets, ShowHeadingsInVioletCentredAndNoOrange) {
  struct Case {
    int topic;
    std::vector<double> headings;
  };
  for (const Case& c : {Case{1, {22, 8, -4}}, Case{2, {22, 10, -1, -10, -22}}}) {
    const QImage image = sheet(c.topic);
    for (const double y : c.headings) {
      const QRect violet = test::ColourBox(image, palette::palViolet,
                                           QRect(0, 220 - static_cast<int>(y * 10), 600, 22));
      ASSERT_FALSE(violet.isEmpty()) << c.topic << " " << y;
      EXPECT_NEAR(violet.center().x(), 300, 2) << c.topic << " " << y;
    }
    EXPECT_EQ(test::CountColour(image, palette::palOrange), 0) << c.topic;
  }
}

TEST(FormulaSheets, AreEmptyForATopicTheMenuNeverSets) {
  for (const int topic : {0, 3}) {
    EXPECT_TRUE(test::InkBox(sheet(topic)).isEmpty()) << topic;
  }
}

TEST(PowerSheetPictures, StandAfterTheirConditionsWhereTheSheetLeavesRoom) {
  // Client positions (255, 360), (455, 40) … of the pictures, on the sheet whose pnt is at
  // (5, 10).
  const std::vector<QRect> expected{QRect(250, 350, 95, 52), QRect(450, 30, 26, 19),
                                    QRect(501, 150, 26, 19), QRect(434, 260, 26, 19),
                                    QRect(487, 360, 26, 19), QRect(450, 470, 26, 19)};
  const QImage powers = sheet(2);
  ASSERT_EQ(SheetPictures().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const SheetPicture& picture = SheetPictures()[i];
    EXPECT_EQ(SheetPictureArea(picture), expected[i]) << picture.name;
    // What the picture draws falls on a free place of the sheet: img1 where the formula line
    // would be, img3 in the blanks of its condition …
    const QImage alone =
        Drawn(QSize(600, 540), [&](QPainter& canvas) { DrawSheetPicture(canvas, picture); });
    const QRect drawn = test::InkBox(alone);
    EXPECT_TRUE(test::InkBox(powers, drawn).isEmpty()) << picture.name;
    // … and each ℤ⁺ right after the ∈ of the condition on its line.
    if (picture.kind == SheetPictureKind::PositiveIntegers) {
      const QRect before(drawn.left() - 10, drawn.top(), 10, drawn.height());
      EXPECT_FALSE(test::InkBox(powers, before).isEmpty()) << picture.name;
    }
  }
}

TEST(PowerSheetPictures, DrawTheQuotientRuleWithRoseExponentsAndABlackZPlus) {
  SetPalette();
  for (const SheetPicture& picture : SheetPictures()) {
    const QImage image =
        Drawn(QSize(600, 540), [&](QPainter& canvas) { DrawSheetPicture(canvas, picture); });
    const QRect area = SheetPictureArea(picture);
    const QRect ink = test::InkBox(image);
    ASSERT_FALSE(ink.isEmpty()) << picture.name;
    EXPECT_TRUE(area.contains(ink)) << picture.name;
    if (picture.kind == SheetPictureKind::QuotientRule) {
      // (a/b)ⁿ = aⁿ/bⁿ: three exponents n, letters and bars black.
      const auto rose = test::Tinted(palette::palRose);
      const QRect bracket(area.left(), area.top(), 45, area.height());
      const QRect fraction(area.left() + 45, area.top(), area.width() - 45, area.height());
      EXPECT_EQ(test::ColumnGroups(image, rose, bracket), 1) << "(a/b)ⁿ";
      EXPECT_EQ(test::ColumnGroups(image, rose, fraction), 1) << "aⁿ/bⁿ";
      EXPECT_EQ(test::Bands(image, rose, fraction).size(), 2u) << "aⁿ/bⁿ";
      EXPECT_GT(test::CountColour(image, kBlack, area), 100);
    } else {
      const QRect grey =
          test::BoxOf(image, [](QRgb p) { return qRed(p) != qGreen(p) || qGreen(p) != qBlue(p); });
      EXPECT_TRUE(grey.isEmpty()) << picture.name << " is black only";
    }
  }
}

}  // namespace
}  // namespace kalkora

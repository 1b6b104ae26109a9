// Stacked fractions and the chains made of them: placement of numerator, bar and denominator,
// the widths returned and the gaps of each chain.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <string>
#include <vector>

#include "drawing/fonts.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "drawing/primitives.h"
#include "frame/palette.h"
#include "image_probe.h"

namespace kalkora {
namespace {

using test::Blank;
using test::InkBox;

// Pixel width of a plain text in bold "Arial", from the font metrics.
int plain(const QString& text, int points) {
  const QFontMetrics metrics(ArialFont(points, true));
  int width = 0;
  for (const QChar c : text) width += metrics.horizontalAdvance(c);
  return width;
}

class Fractions : public ::testing::Test {
 protected:
  void SetUp() override {
    SetPalette();
    SetPage(-50, 50, -35, 35, 1000, 700);
  }
  const ColourSet& colours() const { return palette::MarkupColours; }
  // The inked columns of the bar of a fraction at page height y.
  QRect bar(double y) const {
    return InkBox(image, QRect(0, PageToPixel(0, y - 1.1).y(), 1000, 1));
  }
  QImage image = Blank(1000, 700);
};

TEST_F(Fractions, DenominatorWithAnExponentSitsLower) {
  constexpr double x = -20, y = 10;
  for (const auto& [den, top] : {std::pair{u"4·y^2", y - 2}, std::pair{u"4·y", y - 1.2}}) {
    image = Blank(1000, 700);
    QImage expected = Blank(1000, 700);
    double width = 0;
    {
      QPainter canvas(&image);
      width = DrawFraction(canvas, x, y, u"3·x", den, 18, colours());
    }
    {
      QPainter canvas(&expected);
      DrawMarkup3(canvas, x + width / 2, y + 2, u"3·x", 18, true, colours(), true);
      PageLine(canvas, 3, QColor(0, 0, 0), x, y - 1.1, x + width, y - 1.1, LineStyle::Solid);
      DrawMarkup3(canvas, x + width / 2, top, den, 18, true, colours(), true);
    }
    EXPECT_EQ(image, expected) << QString::fromStdU16String(den).toStdString();
  }
}

TEST_F(Fractions, DenominatorTopsDifferByEightPixels) {
  constexpr double y = 10;
  const int below = PageToPixel(0, y - 1.1).y() + 2;
  // The baselines of the two denominators (the exponent stands above the line).
  int baselines[2] = {};
  int i = 0;
  for (const char16_t* den : {u"4^2", u"4"}) {
    image = Blank(1000, 700);
    {
      QPainter canvas(&image);
      DrawFraction(canvas, -20, y, u"1", den, 18, colours());
    }
    baselines[i++] = InkBox(image, QRect(0, below, 1000, 100)).bottom();
  }
  EXPECT_EQ(baselines[0] - baselines[1], 8);  // y – 2 against y – 1.2 on 10 pixels per unit
}

TEST_F(Fractions, BarIsExactlyAsLongAsTheWiderTextOrLongerWhenWide) {
  constexpr double x = -20, y = 10;
  const std::u16string num = u"12·x^2 + 5·x", den = u"3";
  double width = 0;
  {
    QPainter canvas(&image);
    width = DrawFraction(canvas, x, y, num, den, 18, colours());
  }
  EXPECT_DOUBLE_EQ(width, MarkupWidth(num, 18, true) / 10.0);
  // The bar runs from x to x + W; the round ends of the pen reach a pixel or two beyond.
  const QRect narrow = bar(y);
  const int capLeft = PageToPixel(x, 0).x() - narrow.left();
  const int capRight = narrow.right() - PageToPixel(x + width, 0).x();
  EXPECT_GE(capLeft, 0);
  EXPECT_LE(capLeft, 2);
  EXPECT_GE(capRight, 0);
  EXPECT_LE(capRight, 2);

  image = Blank(1000, 700);
  double half = 0;
  {
    QPainter canvas(&image);
    half = DrawWideFraction(canvas, 0, y, num, den, 18, colours());
  }
  EXPECT_DOUBLE_EQ(half, width / 2 + 0.2);
  const QRect wide = bar(y);
  EXPECT_EQ(wide.left(), PageToPixel(-width / 2 - 0.2, 0).x() - capLeft);
  EXPECT_EQ(wide.right(), PageToPixel(width / 2 + 0.2, 0).x() + capRight);
}

TEST_F(Fractions, BarsAreThreePixelsThick) {
  {
    QPainter canvas(&image);
    DrawFraction6(canvas, -20, 10, u"#a#", u"b", 18, colours());
  }
  const QPoint p = PageToPixel(-19.5, 10 - 1.1);
  EXPECT_EQ(InkBox(image, QRect(p.x(), p.y() - 3, 1, 7)).height(), 3);
}

TEST_F(Fractions, EachFractionMeasuresItsOwnWay) {
  QPainter canvas(&image);
  // Markers are not measured; DrawWideFraction keeps a "ß" in its measure.
  EXPECT_DOUBLE_EQ(DrawFraction(canvas, 0, 0, u"#a#_b_~c~", u"d", 18, colours()),
                   plain("abc", 18) / 10.0);
  EXPECT_DOUBLE_EQ(DrawFraction6(canvas, 0, 0, u"$a$§b§ßcß", u"d", 18, colours()),
                   plain("abc", 18) / 10.0);
  EXPECT_DOUBLE_EQ(DrawWideFraction(canvas, 0, 0, u"#a#$b$ßcß", u"d", 18, colours()),
                   plain("abßcß", 18) / 20.0 + 0.2);
  // DrawPowerFraction counts the second digit of an exponent at full size.
  const double power = DrawPowerFraction(canvas, 0, 0, u"x^1^0", u"2", 18, colours());
  const double plainFraction = DrawFraction(canvas, 0, 0, u"x^1^0", u"2", 18, colours());
  EXPECT_DOUBLE_EQ(power, (plain("x", 18) + plain("1", 14) + plain("0", 18)) / 10.0);
  EXPECT_DOUBLE_EQ(plainFraction, (plain("x", 18) + plain("10", 14)) / 10.0);
  EXPECT_DOUBLE_EQ(DrawPowerFraction(canvas, 0, 0, u"a^1^2·b^3^4^5", u"1", 18, colours()),
                   MarkupWidth(u"a^12·b^345", 18, true) / 10.0);
  EXPECT_DOUBLE_EQ(FractionWidth(u"#3·x#", u"4·§y^2§", 18),
                   std::max(plain("3·x", 18), plain("4·y", 18) + plain("2", 14)) / 10.0);
}

// The widths a window lays out with before it draws are the widths the drawing takes.
TEST_F(Fractions, WidthsWithoutDrawingAreTheDrawnWidths) {
  QPainter canvas(&image);
  const std::vector<std::pair<Text, Text>> fractions{
      {u"#a^1^2#·_b_", u"~c^3~"}, {u"45·r^4", u"54·r^1^0"}, {u"1", u"$x$^§4§"}};
  for (const auto& [num, den] : fractions) {
    EXPECT_DOUBLE_EQ(PowerFractionWidth(num, den, 18),
                     DrawPowerFraction(canvas, 0, 0, num, den, 18, colours()));
    EXPECT_DOUBLE_EQ(WideFractionHalfWidth(num, den, 18),
                     DrawWideFraction(canvas, 0, 0, num, den, 18, colours()));
  }
}

TEST(FractionWidths, PairAndTripleAddOperatorsEqualsAndGaps) {
  SetPalette();
  const int m1 = plain("3·x", 18);
  const int m2 = plain("12", 18);
  const int op = plain("+", 18);
  const int eq = plain("=", 18);
  EXPECT_DOUBLE_EQ(FractionPairWidth(u"#3·x#", u"4", u"+", u"5", u"12", 18),
                   (m1 + m2 + op + 2 + eq + 2) / 10.0);
  const int m3 = plain("7", 18);
  const int op2 = plain("–", 18);
  EXPECT_DOUBLE_EQ(FractionTripleWidth(u"3·x", u"4", u"+", u"5", u"12", u"–", u"7", u"1", 18),
                   (m1 + m2 + m3 + op + 2 + op2 + 2 + eq + 2) / 10.0);
}

TEST(FractionWidths, TripleWidthGrowsWithTheThirdFractionAlone) {
  const std::vector<std::u16string> thirds = {u"1", u"12", u"123·x", u"123·x^2 + 4",
                                              u"123·x^2 + 45·x"};
  double previous = 0;
  int previousPixels = 0;
  for (size_t i = 0; i < thirds.size(); ++i) {
    const double width =
        FractionTripleWidth(u"3·x", u"4", u"+", u"5", u"12", u"–", thirds[i], u"1", 18);
    const int pixels = MarkupWidth(thirds[i], 18, true);
    if (i > 0) {
      EXPECT_GT(width, previous) << i;
      EXPECT_NEAR(width - previous, (pixels - previousPixels) / 10.0, 1e-9) << i;
    }
    previous = width;
    previousPixels = pixels;
  }
  // A wider denominator counts as well.
  EXPECT_GT(FractionTripleWidth(u"a", u"b", u"+", u"c", u"d", u"+", u"e", u"f + g", 18),
            FractionTripleWidth(u"a", u"b", u"+", u"c", u"d", u"+", u"e", u"f", 18));
}

TEST_F(Fractions, OperatorChainsReturnTheirWidths) {
  QPainter canvas(&image);
  const double w1 = FractionWidth(u"3", u"4", 18);
  const double w2 = FractionWidth(u"5·x", u"12", 18);
  const double w3 = FractionWidth(u"7", u"2·x", 18);
  const double wop = plain("·", 18) / 10.0;
  const double weq = plain("=", 18) / 10.0;
  EXPECT_DOUBLE_EQ(
      DrawFractionOpFraction(canvas, -40, 0, u"3", u"4", u"·", u"5·x", u"12", 18, colours()),
      w1 + wop + w2 + weq + 4);
  EXPECT_DOUBLE_EQ(DrawThreeFractions(canvas, -40, 0, u"3", u"4", u"+", u"5·x", u"12", u":", u"7",
                                      u"2·x", 18, colours()),
                   w1 + w2 + w3 + 3 * 3.4);
  const struct {
    const char16_t* op2;
    double gaps;
  } threes[] = {{u"+", 3.4 * 3}, {u"–", 3.4 * 3}, {u":", 2.4 * 2 + 3.4}, {u"·", 2.4 * 2 + 3.4}};
  for (const auto& c : threes) {
    EXPECT_DOUBLE_EQ(DrawThreeFractions6(canvas, -40, 0, u"3", u"4", u"+", u"5·x", u"12", c.op2,
                                         u"7", u"2·x", 18, colours()),
                     w1 + w2 + w3 + c.gaps);
  }
}

TEST_F(Fractions, ColonAndDotLeaveOneUnitLessAroundTheOperatorThanPlusAndMinus) {
  std::vector<double> widths;
  std::vector<int> secondBars;
  for (const char16_t* op : {u"+", u"–", u":", u"·"}) {
    image = Blank(1000, 700);
    {
      QPainter canvas(&image);
      widths.push_back(
          DrawFractionOpFraction6(canvas, -40, 0, u"3", u"4", op, u"#1234#", u"5", 18, colours()));
    }
    // The second fraction, found by its rose numerator.
    secondBars.push_back(test::ColourBox(image, palette::palRose).right());
  }
  const double w = FractionWidth(u"3", u"4", 18) + FractionWidth(u"1234", u"5", 18);
  EXPECT_DOUBLE_EQ(widths[0], w + 2 * 3.4);
  EXPECT_DOUBLE_EQ(widths[1], w + 2 * 3.4);
  EXPECT_DOUBLE_EQ(widths[2], w + 2 * 2.4);
  EXPECT_DOUBLE_EQ(widths[3], w + 2 * 2.4);
  EXPECT_EQ(secondBars[0] - secondBars[2], 10);  // one unit on a 10-pixel page
  EXPECT_EQ(secondBars[1], secondBars[0]);
  EXPECT_EQ(secondBars[3], secondBars[2]);
}

struct SpacingCase {
  int spacing;
  double secondOffset;  // second fraction at x + W1 + offset
};

class FractionEquals : public Fractions, public ::testing::WithParamInterface<SpacingCase> {};

TEST_P(FractionEquals, PlacesTheSecondFractionBySpacing) {
  constexpr double x = -30, y = 0;
  double w1 = 0;
  {
    QPainter canvas(&image);
    DrawFractionEquals(canvas, x, y, u"c^#2#", u"c^#7#", u"1", u"c^#5#", 18, colours(),
                       GetParam().spacing);
    w1 = FractionWidth(u"c^2", u"c^7", 18);
  }
  // The bars: the first from x, the second from x + W1 + offset.
  const QRect bars = bar(y);
  const int cap = PageToPixel(x, 0).x() - bars.left();
  const int secondLeft = PageToPixel(x + w1 + GetParam().secondOffset, 0).x() - cap;
  const QPoint row = PageToPixel(0, y - 1.1);
  EXPECT_TRUE(InkBox(image, QRect(secondLeft - 1, row.y(), 1, 1)).isEmpty());
  EXPECT_FALSE(InkBox(image, QRect(secondLeft, row.y(), 1, 1)).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Spacings, FractionEquals,
                         ::testing::Values(SpacingCase{1, 3}, SpacingCase{2, 4}, SpacingCase{3, 3},
                                           SpacingCase{0, 3}));

TEST_F(Fractions, EqualsFactorFollowsTheSecondFraction) {
  QImage expected = Blank(1000, 700);
  {
    QPainter canvas(&image);
    DrawFractionEqualsFactor(canvas, -30, 0, u"12·q^#9#", u"9·q^#4#", u"4", u"3", u"q^#5#", 18,
                             colours());
  }
  {
    QPainter canvas(&expected);
    DrawFractionEquals(canvas, -30, 0, u"12·q^#9#", u"9·q^#4#", u"4", u"3", 18, colours(), 1);
    const double w1 = FractionWidth(u"12·q^9", u"9·q^4", 18);
    DrawMarkup3(canvas, -30 + w1 + 5, 0.2, u"·q^#5#", 18, true, colours(), false);
  }
  EXPECT_EQ(image, expected);
}

TEST_F(Fractions, PowerOfAFractionStandsInBracketsAndReturnsTheNextX) {
  constexpr double x = -20, y = 0;
  double next = 0;
  {
    QPainter canvas(&image);
    next = DrawPowerOfFraction(canvas, x, y, u"2·a", u"3·b", u"#3#", u"8·a^3", u"27·b^3", 18,
                               colours(), false);
  }
  const double h1 = FractionWidth(u"2·a", u"3·b", 18) / 2 + 0.2;
  EXPECT_DOUBLE_EQ(next, x + h1 + 4);
  // The brackets' lines at x ∓ (H1 + 1), 2.7 above and below y – 1.
  for (const double side : {-1.0, 1.0}) {
    const QPoint p = PageToPixel(x + side * (h1 + 1), y - 1);
    EXPECT_FALSE(InkBox(image, QRect(p.x(), p.y() - 20, 1, 40)).isEmpty()) << side;
  }
  // The exponent in rose, up and right of the closing bracket.
  const QPoint exponent = PageToPixel(x + h1 + 1.5, y + 3);
  EXPECT_GT(test::CountColour(image, palette::palRose, QRect(exponent, QSize(30, 30))), 5);
  // Without the right side nothing is drawn after " = ".
  EXPECT_TRUE(InkBox(image, QRect(PageToPixel(next + 1, 0).x(), 0, 500, 700)).isEmpty());

  QPainter canvas(&image);
  DrawPowerOfFraction(canvas, x, y, u"2·a", u"3·b", u"#3#", u"8·a^3", u"27·b^3", 18, colours(),
                      true);
  canvas.end();
  EXPECT_FALSE(InkBox(image, QRect(PageToPixel(next + 1, 0).x(), 0, 500, 700)).isEmpty());
}

// The chains at a size of their own: the fractions and every measured width follow the size,
// while the operators and "=" keep 18 points where the layout fixes them ("=" of the "6" chains
// takes the size, the right side of a power is placed by its 18-point measure). Each chain is
// compared with the picture put together from its parts at the places of the layout.
class FractionChainsAtSize : public Fractions, public ::testing::WithParamInterface<int> {
 protected:
  int size() const { return GetParam(); }
  // A measured width in page units at the chain's size.
  double measure(TextView text) const { return MarkupWidth(text, size(), true) / 10.0; }
  void left(QPainter& canvas, double x, double y, TextView text, int points) const {
    DrawMarkupLeft(canvas, x, y, text, points, true, colours());
  }
  QImage expected = Blank(1000, 700);
};

TEST_P(FractionChainsAtSize, WidthsAreMeasuredAtTheSize) {
  const auto pixels = [&](TextView text) { return MarkupWidth(text, size(), true); };
  EXPECT_DOUBLE_EQ(FractionWidth(u"#3·x#", u"4·§y^2§", size()),
                   std::max(pixels(u"3·x"), pixels(u"4·y^2")) / 10.0);
  EXPECT_DOUBLE_EQ(FractionPairWidth(u"#3·x#", u"4", u"+", u"5", u"12", size()),
                   (pixels(u"3·x") + pixels(u"12") + pixels(u"+") + 2 + pixels(u"=") + 2) / 10.0);
  EXPECT_DOUBLE_EQ(FractionTripleWidth(u"3·x", u"4", u"+", u"5", u"12", u"–", u"7", u"1", size()),
                   (pixels(u"3·x") + pixels(u"12") + pixels(u"7") + pixels(u"+") + 2 +
                    pixels(u"–") + 2 + pixels(u"=") + 2) /
                       10.0);
}

TEST_P(FractionChainsAtSize, FractionOpFraction) {
  constexpr double x = -40, y = 0;
  double width = 0;
  {
    QPainter canvas(&image);
    width =
        DrawFractionOpFraction(canvas, x, y, u"3", u"4", u"·", u"5·x", u"12", size(), colours());
  }
  const double w1 = FractionWidth(u"3", u"4", size());
  const double w2 = FractionWidth(u"5·x", u"12", size());
  const double wop = measure(u"·");
  {
    QPainter canvas(&expected);
    DrawFraction(canvas, x, y, u"3", u"4", size(), colours());
    left(canvas, x + w1 + 1, y + 0.5, u"·", 18);
    DrawFraction(canvas, x + w1 + wop + 2, y, u"5·x", u"12", size(), colours());
    left(canvas, x + w1 + wop + w2 + 3, y + 0.3, u"=", 18);
  }
  EXPECT_EQ(image, expected);
  EXPECT_DOUBLE_EQ(width, w1 + wop + w2 + measure(u"=") + 4);
}

TEST_P(FractionChainsAtSize, FractionOpFraction6) {
  constexpr double x = -40, y = 0;
  double width = 0;
  {
    QPainter canvas(&image);
    width =
        DrawFractionOpFraction6(canvas, x, y, u"#3#", u"4", u"–", u"5·x", u"12", size(), colours());
  }
  const double w1 = FractionWidth(u"3", u"4", size());
  const double w2 = FractionWidth(u"5·x", u"12", size());
  {
    QPainter canvas(&expected);
    DrawFraction6(canvas, x, y, u"#3#", u"4", size(), colours());
    left(canvas, x + w1 + 1, y + 0.5, u"–", 18);
    DrawFraction6(canvas, x + w1 + 3.4, y, u"5·x", u"12", size(), colours());
    left(canvas, x + w1 + 3.4 + w2 + 1, y + 0.3, u"=", size());
  }
  EXPECT_EQ(image, expected);
  EXPECT_DOUBLE_EQ(width, w1 + 3.4 + w2 + 3.4);
}

// The widths of the "6" chains, known before drawing, are what drawing them returns, for the
// narrow and the wide operators and marked texts.
TEST_P(FractionChainsAtSize, Chain6WidthsAreWhatTheDrawingReturns) {
  QPainter canvas(&image);
  for (const char16_t* op : {u"+", u"–", u"·", u":"}) {
    SCOPED_TRACE(QString::fromStdU16String(op).toStdString());
    EXPECT_DOUBLE_EQ(FractionOpFraction6Width(u"#14#·n", u"13·m", op, u"11·u", u"#7#", size()),
                     DrawFractionOpFraction6(canvas, -40, 0, u"#14#·n", u"13·m", op, u"11·u",
                                             u"#7#", size(), colours()));
    EXPECT_DOUBLE_EQ(
        ThreeFractions6Width(u"#21#·_f^8_", u"#7#·_f^3_", op, u"#56#·~f^5~", u"#7#·~f^3~", op,
                             u"$x$", u"#7#", size()),
        DrawThreeFractions6(canvas, -40, 0, u"#21#·_f^8_", u"#7#·_f^3_", op, u"#56#·~f^5~",
                            u"#7#·~f^3~", op, u"$x$", u"#7#", size(), colours()));
  }
}

TEST_P(FractionChainsAtSize, ThreeFractions) {
  constexpr double x = -45, y = 0;
  for (const bool six : {false, true}) {
    SCOPED_TRACE(six ? "DrawThreeFractions6" : "DrawThreeFractions");
    image = expected = Blank(1000, 700);
    double width = 0;
    {
      QPainter canvas(&image);
      width = six ? DrawThreeFractions6(canvas, x, y, u"3", u"4", u"+", u"5·x", u"12", u":", u"7",
                                        u"2·x", size(), colours())
                  : DrawThreeFractions(canvas, x, y, u"3", u"4", u"+", u"5·x", u"12", u":", u"7",
                                       u"2·x", size(), colours());
    }
    const double w1 = FractionWidth(u"3", u"4", size());
    const double w2 = FractionWidth(u"5·x", u"12", size());
    const double w3 = FractionWidth(u"7", u"2·x", size());
    const double gap = six ? 2.4 : 3.4;  // the "6" chain is narrow around ":"
    {
      QPainter canvas(&expected);
      const auto fraction = six ? DrawFraction6 : DrawFraction;
      fraction(canvas, x, y, u"3", u"4", size(), colours());
      left(canvas, x + w1 + 1, y + 0.5, u"+", 18);
      fraction(canvas, x + w1 + gap, y, u"5·x", u"12", size(), colours());
      left(canvas, x + w1 + gap + w2 + 1, y + 0.5, u":", 18);
      fraction(canvas, x + w1 + 2 * gap + w2, y, u"7", u"2·x", size(), colours());
      if (six) {
        left(canvas, x + w1 + 2 * gap + w2 + w3 + 1, y + 0.1, u"=", size());
      } else {
        left(canvas, x + w1 + 2 * gap + w2 + w3 + 1, y + 0.3, u"=", 18);
      }
    }
    EXPECT_EQ(image, expected);
    EXPECT_DOUBLE_EQ(width, w1 + 2 * gap + w2 + w3 + 3.4);
  }
}

TEST_P(FractionChainsAtSize, FractionEqualsFactor) {
  constexpr double x = -30, y = 0;
  {
    QPainter canvas(&image);
    DrawFractionEqualsFactor(canvas, x, y, u"12·q^#9#", u"9·q^#4#", u"4", u"3", u"q^#5#", size(),
                             colours());
  }
  {
    QPainter canvas(&expected);
    const double w1 = DrawPowerFraction(canvas, x, y, u"12·q^#9#", u"9·q^#4#", size(), colours());
    EXPECT_DOUBLE_EQ(w1, FractionWidth(u"12·q^9", u"9·q^4", size()));
    left(canvas, x + w1 + 1, y + 0.2, u"= ", 18);
    DrawPowerFraction(canvas, x + w1 + 3, y, u"4", u"3", size(), colours());
    DrawMarkup3(canvas, x + w1 + 5, y + 0.2, u"·q^#5#", 18, true, colours(), false);
  }
  EXPECT_EQ(image, expected);
}

TEST_P(FractionChainsAtSize, PowerOfAFraction) {
  constexpr double x = -20, y = 0;
  double next = 0;
  {
    QPainter canvas(&image);
    next = DrawPowerOfFraction(canvas, x, y, u"2·a", u"3·b", u"#3#", u"8·a^3", u"27·b^3", size(),
                               colours(), true);
  }
  const double h1 = FractionWidth(u"2·a", u"3·b", size()) / 2 + 0.2;
  const double h2 = FractionWidth(u"8·a^3", u"27·b^3", 18) / 2 + 0.2;
  {
    QPainter canvas(&expected);
    const QColor black(0, 0, 0);
    DrawWideFraction(canvas, x, y, u"2·a", u"3·b", size(), colours());
    PageBracket(canvas, 3, black, x - h1 - 1, y - 1, 2.7, 1, BracketKind::Opening);
    PageBracket(canvas, 3, black, x + h1 + 1, y - 1, 2.7, 1, BracketKind::Closing);
    left(canvas, x + h1 + 1.5, y + 3, u"#3#", 14);
    left(canvas, x + h1 + 2, y + 0.2, u" = ", 18);
    DrawWideFraction(canvas, x + h1 + 5 + h2, y, u"8·a^3", u"27·b^3", size(), colours());
  }
  EXPECT_EQ(image, expected);
  EXPECT_DOUBLE_EQ(next, x + h1 + 4);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FractionChainsAtSize, ::testing::Values(12, 14, 24));

}  // namespace
}  // namespace kalkora

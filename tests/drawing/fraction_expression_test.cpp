// Fraction expressions: bars by size, text on the height of the bars, exponent groups, the
// widths the layout advances by, and the text line with a fraction after it.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <string>

#include "drawing/fonts.h"
#include "drawing/fraction_expression.h"
#include "drawing/page.h"
#include "image_probe.h"

namespace kalkora {
namespace {

using test::Blank;
using test::InkBox;

const QColor kBlack(0, 0, 0);

int w(QChar c, int points) { return QFontMetrics(ArialFont(points, true)).horizontalAdvance(c); }

int w(const QString& text, int points) {
  int width = 0;
  for (const QChar c : text) width += w(c, points);
  return width;
}

class FractionExpression : public ::testing::Test {
 protected:
  void SetUp() override { SetPage(-50, 50, -35, 35, 1000, 700); }
  // Page (–40, 0) is pixel (100, 350).
  static constexpr int kPx = 100, kPy = 350;
  QImage image = Blank(1000, 700);
};

struct BarCase {
  int size;
  int rows;
};

class FractionBar : public FractionExpression, public ::testing::WithParamInterface<BarCase> {};

TEST_P(FractionBar, IsTwoRowsOfAPenThatGrowsWithTheSize) {
  {
    QPainter canvas(&image);
    DrawFractionExpr(canvas, -40, 0, u"{1234/1}", GetParam().size, kBlack);
  }
  const QRect column = InkBox(image, QRect(kPx + 1, kPy - 2, 1, 5));
  EXPECT_EQ(column.height(), GetParam().rows);
  EXPECT_TRUE(column.contains(kPx + 1, kPy));
  EXPECT_TRUE(column.contains(kPx + 1, kPy + 1));
  // Exactly as long as the wider text.
  const QRect row = InkBox(image, QRect(0, kPy, 1000, 1));
  EXPECT_EQ(row.left(), kPx);
  EXPECT_EQ(row.right(), kPx + w("1234", GetParam().size) - 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FractionBar,
                         ::testing::Values(BarCase{8, 2}, BarCase{12, 2}, BarCase{13, 3},
                                           BarCase{14, 3}, BarCase{20, 3}, BarCase{22, 4}));

TEST_F(FractionExpression, TextBetweenFractionsStandsOnTheHeightOfTheBars) {
  {
    QPainter canvas(&image);
    DrawFractionExpr(canvas, -40, 0, u"{5/2}·b +{c/3}", 18, kBlack);
  }
  const int first = std::max(w(u'5', 18), w(u'2', 18));
  const int between = w("·b ", 18) + w(u'+', 18) + 4;
  const int secondLeft = kPx + first + 4 + between + 4;
  const QRect bars = InkBox(image, QRect(0, kPy, 1000, 1));
  EXPECT_EQ(bars.left(), kPx);
  EXPECT_EQ(bars.right(), secondLeft + std::max(w(u'c', 18), w(u'3', 18)) - 1);
  EXPECT_TRUE(InkBox(image, QRect(kPx + first, kPy + 1, 4, 1)).isEmpty());
  // "·b +" between them, its middle on the bars.
  const QRect text = InkBox(image, QRect(kPx + first + 2, 0, between, 700));
  ASSERT_FALSE(text.isEmpty());
  EXPECT_LT(text.top(), kPy - 4);
  EXPECT_GT(text.bottom(), kPy + 4);
  EXPECT_NEAR((text.top() + text.bottom()) / 2.0, kPy, 4);
  // Numerators above the bars, denominators below.
  EXPECT_LT(InkBox(image, QRect(kPx, 0, first, kPy - 1)).bottom(), kPy);
  EXPECT_GT(InkBox(image, QRect(kPx, kPy + 2, first, 300)).top(), kPy + 1);
}

TEST_F(FractionExpression, DenominatorWithAnExponentSitsLower) {
  const int h = QFontMetrics(ArialFont(18, true)).height();
  int bottoms[2] = {};
  int i = 0;
  for (const char16_t* text : {u"{1/2^2}", u"{1/2}"}) {
    image = Blank(1000, 700);
    {
      QPainter canvas(&image);
      DrawFractionExpr(canvas, -40, 0, text, 18, kBlack);
    }
    bottoms[i++] = InkBox(image, QRect(0, kPy + 2, 1000, 200)).bottom();
  }
  const int lower = Nearest(kPy + h - h / 4.0 - h / 2.0) - Nearest(kPy + h - h / 2.0 - h / 2.0);
  EXPECT_GT(lower, 0);
  EXPECT_EQ(bottoms[0] - bottoms[1], lower);
}

TEST_F(FractionExpression, ExponentGroupsRaiseEveryCharacter) {
  // "^{12}" inside a fraction raises both digits and hides its braces, like "^1^2". (The
  // measured widths differ, so only the shape of the numerator is compared.)
  QRect numerators[2];
  int i = 0;
  for (const char16_t* text : {u"{x^{12}/1}", u"{x^1^2/1}"}) {
    image = Blank(1000, 700);
    {
      QPainter canvas(&image);
      DrawFractionExpr(canvas, -40, 0, text, 18, kBlack);
    }
    numerators[i++] = InkBox(image, QRect(0, 0, 1000, kPy - 1));
  }
  EXPECT_EQ(numerators[0].size(), numerators[1].size());
  EXPECT_EQ(numerators[0].top(), numerators[1].top());
  // The raised digits reach higher than the x alone.
  image = Blank(1000, 700);
  {
    QPainter canvas(&image);
    DrawFractionExpr(canvas, -40, 0, u"{x/1}", 18, kBlack);
  }
  EXPECT_LT(numerators[0].top(), InkBox(image, QRect(0, 0, 1000, kPy - 1)).top() - 5);
}

TEST_F(FractionExpression, DotsStarsAndMinusesAreDrawnAsTheProgramWritesThem) {
  QImage written = Blank(1000, 700);
  {
    QPainter canvas(&image);
    DrawFractionExpr(canvas, -40, 0, u"2.5*x", 18, kBlack);
  }
  {
    QPainter canvas(&written);
    DrawFractionExpr(canvas, -40, 0, u"2,5·x", 18, kBlack);
  }
  EXPECT_EQ(image, written);
}

struct WidthCase {
  const char* name;
  std::u16string text;
  int (*expected)();
};

class ExpressionWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ExpressionWidth, FollowsTheMeasuringRules) {
  EXPECT_EQ(FractionExprWidth(GetParam().text, 18), GetParam().expected());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExpressionWidth,
    ::testing::Values(
        WidthCase{"empty", u"", [] { return 0; }},
        WidthCase{"plain", u"ab", [] { return w("ab", 18) + 4; }},
        WidthCase{"plus", u"a+b", [] { return w("a+b", 18) + 4 + 4; }},
        WidthCase{"minus", u"a-b", [] { return w("a-b", 18) + 8 + 4; }},
        WidthCase{"brackets", u"(a)", [] { return w("(a)", 18) + 2 + 4; }},
        WidthCase{"hash", u"a#b", [] { return w("ab", 18) + 3 + 4; }},
        WidthCase{"exponent", u"x^2", [] { return w("x", 18) + w("2", 14) + 4; }},
        WidthCase{"exponent_group", u"x^(12)y", [] { return w("xy", 18) + w("12", 14) + 4; }},
        WidthCase{"hash_ends_exponent", u"x^(1#2)",
                  [] { return w("x", 18) + w("1", 14) + 3 + w("2", 18) + w(")", 18) + 1 + 4; }},
        WidthCase{"decimal_times", u"2.5*x", [] { return w("2,5·x", 18) + 4; }},
        WidthCase{"fraction", u"{5/12}", [] { return w("12", 18) + 4; }},
        WidthCase{"fraction_then_text", u"{5/2}·b",
                  [] { return std::max(w("5", 18), w("2", 18)) + 4 + w("·b", 18) + 4; }},
        WidthCase{"braces_without_slash", u"{ab}", [] { return w("{ab}", 18); }},
        WidthCase{"open_fraction", u"{a/bc", [] { return w("bc", 18) + 4; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FractionExpression, TextWithFractionPutsTheFractionAfterTheText) {
  for (const auto& [fraction, shift] : {std::pair{u"3/4", 0.0}, std::pair{u"–3/4", 1.7}}) {
    image = Blank(1000, 700);
    {
      QPainter canvas(&image);
      DrawTextWithFraction(canvas, -40, 10, u"x ~¹ ", fraction, 18, kBlack);
    }
    // The text without its first "~" and "¹", plus 14 pixels; 1.5 lower.
    const double cx = w("x  ", 18) + 14;
    const QPoint bar = PageToPixel(-40 + cx / 10 + shift, 10 - 1.5);
    // The text ends 14 pixels before the bar (its ≠ takes the room the removed "¹" leaves).
    const QRect row = InkBox(image, QRect(bar.x() - 5, bar.y(), 200, 1));
    EXPECT_EQ(row.left(), bar.x()) << shift;
  }
}

// The width of a text with a fraction ends where the fraction's bar ends, 4 pixels of the
// expression's advance after it.
TEST_F(FractionExpression, TextWithFractionWidthEndsAfterTheFraction) {
  for (const auto& [text, fraction] :
       {std::pair{u"x ~¹ ", u"3/4"}, std::pair{u"x ~¹ – ", u"12·y/5"},
        std::pair{u"a ~¹ ", u"–3/4"}}) {
    image = Blank(1000, 700);
    {
      QPainter canvas(&image);
      DrawTextWithFraction(canvas, -40, 10, text, fraction, 18, kBlack);
    }
    const double end = -40 + TextWithFractionWidth(text, fraction, 18);
    const int endPixel = PageToPixel(end, 10 - 1.5).x();
    const int inkRight = InkBox(image).right();
    EXPECT_LE(inkRight, endPixel - 3) << QString::fromStdU16String(fraction).toStdString();
    EXPECT_GE(inkRight, endPixel - 6) << QString::fromStdU16String(fraction).toStdString();
  }
}

}  // namespace
}  // namespace kalkora

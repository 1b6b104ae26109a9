// Texts no generator writes must not harm the renderer: every operation draws what it can,
// measures something finite, and returns.

#include <gtest/gtest.h>

#include <QPainter>
#include <string>
#include <vector>

#include "drawing/fraction_expression.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "frame/palette.h"
#include "image_probe.h"

namespace kalkora {
namespace {

std::vector<std::u16string> badTexts() {
  std::u16string mixed;
  const std::u16string pieces[] = {u"#x^2#", u"{a/", u"^{", u"}/{", u"~¹", u"$§ß", u"^", u"/"};
  while (mixed.size() < 10000) mixed += pieces[mixed.size() % 8];
  // Lone halves of surrogate pairs, and a whole pair.
  std::u16string surrogates = u"a";
  surrogates += static_cast<char16_t>(0xD800);
  surrogates += u'b';
  surrogates += static_cast<char16_t>(0xDC00);
  surrogates += u"\U0001F600";
  return {u"",        u"^",
          u"x^",      u"#",
          u"#x",      u"x#_~$§ß",
          u"{",       u"{a",
          u"{a/",     u"^{",
          u"x^{12",   u"}",
          u"/",       u"//{/}/",
          u"{/}",     u"{{}}}{",
          u"^(",      u"x^(1#",
          u"~",       u"a~",
          u"~~~",     u"^^^^",
          u"-",       u"\0\1\2",
          surrogates, std::u16string(10000, u'x'),
          mixed};
}

class BadInput : public ::testing::TestWithParam<std::u16string> {
 protected:
  void SetUp() override {
    SetPalette();
    SetPage(-50, 50, -35, 35, 1000, 700);
  }
};

TEST_P(BadInput, MeasuringGivesFiniteWidths) {
  const std::u16string& text = GetParam();
  for (const int size : {-3, 0, 1, 18, 72}) {
    EXPECT_GE(MarkupWidth(text, size, true), 0);
    EXPECT_GE(MarkupWidthCaret(text, size, false), MarkupWidth(text, size, false));
    EXPECT_GE(MarkupTextWidth(text, size, true), 0);
    EXPECT_GE(FractionExprWidth(text, size), 0);
    EXPECT_GE(FractionWidth(text, text, size), 0);
    EXPECT_GE(FractionTripleWidth(text, text, text, text, text, text, text, text, size), 0);
  }
}

TEST_P(BadInput, EveryOperationDrawsAndReturns) {
  const std::u16string& text = GetParam();
  const ColourSet& colours = palette::MarkupColours;
  const QColor black(0, 0, 0);
  QImage image = test::Blank(200, 100);
  QPainter canvas(&image);
  DrawMarkupLeft(canvas, -45, 30, text, 18, true, colours);
  DrawMarkupRight(canvas, 45, 30, text, 18, true, colours);
  DrawMarkupCentred(canvas, 0, 30, text, 18, true, colours);
  EXPECT_GE(DrawMarkupCentredHalf(canvas, 0, 30, text, 18, true, colours), 0);
  DrawMarkupMiddle(canvas, 0, 30, text, 18, true, colours);
  DrawMarkup6(canvas, 0, 30, text, 18, true, colours, true);
  DrawMarkup3(canvas, 0, 30, text, 18, true, colours, true);
  DrawAlternating(canvas, 0, 30, text, 18, true, colours, true);
  DrawTwoColour(canvas, 0, 30, text, 18, true, black, black);
  DrawTitle(canvas, 0, 30, text, 18, true, black, black);
  DrawSymbolMixed(canvas, 0, 30, text, 18, true, black);
  DrawSymbolMixedCentred(canvas, 0, 30, text, 18, true, black);
  DrawSymbolText(canvas, 0, 30, text, 18, true, black);
  DrawMarkup(canvas, 5, 5, text, 0, false, colours);
  DrawFractionExpr(canvas, -45, 20, text, 18, black);
  DrawTextWithFraction(canvas, -45, 20, text, text, 18, black);
  EXPECT_GE(DrawFraction(canvas, -45, 20, text, text, 18, colours), 0);
  EXPECT_GE(DrawPowerFraction(canvas, -45, 20, text, text, 18, colours), 0);
  EXPECT_GE(DrawFraction6(canvas, -45, 20, text, text, 18, colours), 0);
  EXPECT_GE(DrawWideFraction(canvas, 0, 20, text, text, 18, colours), 0.2);
  DrawFractionOpFraction(canvas, -45, 20, text, text, text, text, text, 18, colours);
  DrawFractionOpFraction6(canvas, -45, 20, text, text, text, text, text, 18, colours);
  DrawThreeFractions(canvas, -45, 20, text, text, text, text, text, text, text, text, 18, colours);
  DrawThreeFractions6(canvas, -45, 20, text, text, text, text, text, text, text, text, 18, colours);
  DrawFractionEquals(canvas, -45, 20, text, text, text, text, 18, colours, 2);
  DrawFractionEqualsFactor(canvas, -45, 20, text, text, text, text, text, 18, colours);
  DrawPowerOfFraction(canvas, -20, 20, text, text, text, text, text, 18, colours, true);
}

INSTANTIATE_TEST_SUITE_P(Texts, BadInput, ::testing::ValuesIn(badTexts()),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace kalkora

// The three measuring functions, against widths taken from the font metrics directly.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <string>

#include "drawing/fonts.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "image_probe.h"

namespace kalkora {
namespace {

// Sum of the advances of the characters in "Arial" of this size.
int plain(const QString& text, int points, bool bold) {
  const QFontMetrics metrics(ArialFont(points, bold));
  int width = 0;
  for (const QChar c : text) width += metrics.horizontalAdvance(c);
  return width;
}

struct WidthCase {
  const char* name;
  std::u16string text;
  int size;
  bool bold;
  // The expected widths, built from full-size and exponent-size pieces.
  QString full;
  QString small;
  int extra;             // pixels of exponent "4"s
  QString caretsAtFull;  // what MarkupWidthCaret adds
};

class Widths : public ::testing::TestWithParam<WidthCase> {};

TEST_P(Widths, AddFullSizeAndExponentSizeCharacters) {
  const WidthCase& c = GetParam();
  const int expected =
      plain(c.full, c.size, c.bold) + plain(c.small, ExponentSize(c.size), c.bold) + c.extra;
  EXPECT_EQ(MarkupWidth(c.text, c.size, c.bold), expected);
  EXPECT_EQ(MarkupWidthCaret(c.text, c.size, c.bold),
            expected + plain(c.caretsAtFull, c.size, c.bold));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Widths,
    ::testing::Values(WidthCase{"empty", u"", 18, true, "", "", 0, ""},
                      WidthCase{"plain", u"3·x – 2", 18, true, "3·x – 2", "", 0, ""},
                      WidthCase{"square", u"x^2", 18, true, "x", "2", 0, "^"},
                      WidthCase{"two_digits", u"x^1^0", 14, false, "x", "10", 0, "^^"},
                      WidthCase{"four", u"y^4 + 1", 16, true, "y + 1", "4", 1, "^"},
                      // Markers count as characters: callers remove them first.
                      WidthCase{"markers", u"#a#", 18, true, "#a#", "", 0, ""},
                      WidthCase{"caret_at_end", u"ab^", 18, true, "ab", "", 0, "^"},
                      WidthCase{"double_caret", u"a^^b", 12, true, "a", "b", 0, "^^"},
                      WidthCase{"umlauts", u"Übungsbeispiele", 24, true, "Übungsbeispiele", "", 0,
                                ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MarkupTextWidth, LeavesOutTheSixMarkers) {
  EXPECT_EQ(MarkupTextWidth(u"#x^2#", 18, true), MarkupWidth(u"x^2", 18, true));
  EXPECT_EQ(MarkupTextWidth(u"#x^2#", 18, true), plain("x", 18, true) + plain("2", 14, true));
  EXPECT_EQ(MarkupTextWidth(u"4·#x^2# – 49·§y^2§", 18, true),
            MarkupWidth(u"4·x^2 – 49·y^2", 18, true));
  EXPECT_EQ(MarkupTextWidth(u"_a_~b~$c$§d§ße", 16, false), plain("abcde", 16, false));
  EXPECT_EQ(MarkupTextWidth(u"#_~$§ß", 16, false), 0);
}

// A text drawn in two parts, the second at the first's measured width, is the text drawn at
// once: the width is the advance of the Arial characters and the Symbol glyphs alike.
TEST(SymbolWidths, AreTheAdvanceOfTheDrawnText) {
  SetPage(-50, 50, -35, 35, 1000, 700);
  const QColor black(0, 0, 0);
  struct Split {
    const char16_t* first;
    const char16_t* second;
    bool allSymbol;
  };
  for (const Split& c :
       {Split{u"x ~¹ ", u"5", false}, Split{u"3·x^2 ~¹", u" 0", false}, Split{u"Þ", u"Þ", true}}) {
    const Text whole = Text(c.first) + c.second;
    SCOPED_TRACE(QString::fromStdU16String(whole).toStdString());
    QImage once = test::Blank(1000, 700);
    QImage parts = test::Blank(1000, 700);
    {
      QPainter canvas(&once);
      QPainter split(&parts);
      if (c.allSymbol) {
        DrawSymbolText(canvas, -40, 0, whole, 18, true, black);
        DrawSymbolText(split, -40, 0, c.first, 18, true, black);
        DrawSymbolText(split, -40 + SymbolTextWidth(c.first, 18, true) / 10.0, 0, c.second, 18,
                       true, black);
      } else {
        DrawSymbolMixed(canvas, -40, 0, whole, 18, true, black);
        DrawSymbolMixed(split, -40, 0, c.first, 18, true, black);
        DrawSymbolMixed(split, -40 + SymbolMixedWidth(c.first, 18, true) / 10.0, 0, c.second, 18,
                        true, black);
      }
    }
    EXPECT_EQ(once, parts);
  }
  // The Symbol glyph takes its own advance, not that of the escape characters.
  EXPECT_EQ(SymbolMixedWidth(u"x ~¹ 0", 18, true),
            plain("x  0", 18, true) + SymbolMixedWidth(u"~¹", 18, true));
  EXPECT_GT(SymbolMixedWidth(u"~¹", 18, true), 10);
}

TEST(MarkupWidth, OfALongTextIsTheSumOfItsCharacters) {
  const std::u16string text(10000, u'x');
  EXPECT_EQ(MarkupWidth(text, 18, true), 10000 * plain("x", 18, true));
}

TEST(MarkupWidth, SizesOutsideTheRendererRangeAreClamped) {
  EXPECT_EQ(MarkupWidth(u"abc", 0, false), MarkupWidth(u"abc", 1, false));
  EXPECT_EQ(MarkupWidth(u"abc", -40, false), MarkupWidth(u"abc", 1, false));
  EXPECT_EQ(MarkupWidth(u"abc", 1'000'000, false), MarkupWidth(u"abc", 500, false));
}

}  // namespace
}  // namespace kalkora

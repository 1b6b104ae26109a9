// The markup renderer, probed in images: colours of the markers each operation knows,
// characters it draws instead, exponents, the Symbol glyphs and the centring of each operation.
// Reference pictures are drawn character by character with the toolkit's own text drawing.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <functional>
#include <string>

#include "drawing/fonts.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "frame/palette.h"
#include "image_probe.h"

namespace kalkora {
namespace {

using test::Blank;
using test::ColourBox;
using test::CountColour;
using test::InkBox;

const QColor kBlack(0, 0, 0);

// Draws single characters with QPainter::drawText at the top of their character cell.
class Reference {
 public:
  explicit Reference(QImage& image) : canvas_(&image) {}
  // Returns the advance of the character.
  int put(QChar c, const QFont& font, int left, int top, const QColor& colour = kBlack) {
    const QFontMetrics metrics(font);
    canvas_.setFont(font);
    canvas_.setPen(colour);
    canvas_.drawText(QPointF(left, top + metrics.ascent()), QString(c));
    return metrics.horizontalAdvance(c);
  }

 private:
  QPainter canvas_;
};

int advance(QChar c, int points, bool bold) {
  return QFontMetrics(ArialFont(points, bold)).horizontalAdvance(c);
}

class Markup : public ::testing::Test {
 protected:
  void SetUp() override {
    SetPalette();
    SetPage(-50, 50, -35, 35, 1000, 700);
  }
  // A strip of the image: columns from `left`, `width` wide, the whole height.
  static QRect columns(int left, int width) { return QRect(left, 0, width, 700); }

  QImage image = Blank(1000, 700);
  // Page (–40, 20) is pixel (100, 150).
  static constexpr double kX = -40, kY = 20;
  static constexpr int kPx = 100, kPy = 150;
};

// ---- colours ----------------------------------------------------------------------------

struct ColourCase {
  const char* name;
  std::function<void(QPainter&, TextView)> draw;
  std::u16string marked;  // "o" + marker + "x" + marker + "o"
  QColor (*expected)();
};

QColor rose() { return palette::palRose; }
QColor olive() { return palette::palOlive; }
QColor violet() { return palette::palViolet; }
QColor purple() { return palette::palPurple; }
QColor brown() { return palette::palBrown; }
QColor orange() { return palette::palOrange; }

void left6(QPainter& c, TextView t) {
  DrawMarkupLeft(c, -40, 20, t, 36, true, palette::MarkupColours);
}
void left3(QPainter& c, TextView t) {
  DrawMarkup3(c, -40, 20, t, 36, true, palette::MarkupColours, false);
}
void alternating(QPainter& c, TextView t) {
  DrawAlternating(c, -40, 20, t, 36, true, palette::MarkupColours, false);
}
void twoColour(QPainter& c, TextView t) {
  DrawTwoColour(c, -40, 20, t, 36, true, kBlack, palette::palViolet);
}

class MarkerColour : public Markup, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(MarkerColour, DrawsTheMarkedPartInItsColourAndTheRestInBlack) {
  const ColourCase& c = GetParam();
  {
    QPainter canvas(&image);
    c.draw(canvas, c.marked);
  }
  const int o = advance(u'o', 36, true);
  const int x = advance(u'x', 36, true);
  const QRect first = columns(kPx, o);
  const QRect marked = columns(kPx + o, x);
  const QRect last = columns(kPx + o + x, o);
  EXPECT_GT(CountColour(image, kBlack, first), 20);
  EXPECT_GT(CountColour(image, c.expected(), marked), 20);
  EXPECT_EQ(CountColour(image, kBlack, marked), 0);
  EXPECT_GT(CountColour(image, kBlack, last), 20);
  EXPECT_EQ(CountColour(image, c.expected(), last), 0);
  // The markers themselves leave no ink: the text is exactly "oxo" wide.
  EXPECT_LE(InkBox(image).right(), kPx + 2 * o + x);
}

INSTANTIATE_TEST_SUITE_P(Operations, MarkerColour,
                         ::testing::Values(ColourCase{"left_hash", left6, u"o#x#o", rose},
                                           ColourCase{"left_underscore", left6, u"o_x_o", olive},
                                           ColourCase{"left_tilde", left6, u"o~x~o", violet},
                                           ColourCase{"left_dollar", left6, u"o$x$o", purple},
                                           ColourCase{"left_paragraph", left6, u"o§x§o", brown},
                                           ColourCase{"left_sharp_s", left6, u"oßxßo", orange},
                                           ColourCase{"three_hash", left3, u"o#x#o", rose},
                                           ColourCase{"three_underscore", left3, u"o_x_o", olive},
                                           ColourCase{"three_tilde", left3, u"o~x~o", violet},
                                           ColourCase{"alternating", alternating, u"o#x#o", rose},
                                           ColourCase{"two_colour", twoColour, u"o#x#o", violet}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Markup, AMarkerClosesWhateverColourIsOpen) {
  // "#a_b_c": a in rose; "_" closes the rose, so b is black; the second "_" opens olive.
  {
    QPainter canvas(&image);
    DrawMarkupLeft(canvas, kX, kY, u"#a_b_c", 36, true, palette::MarkupColours);
  }
  const int a = advance(u'a', 36, true);
  const int b = advance(u'b', 36, true);
  const int c = advance(u'c', 36, true);
  EXPECT_GT(CountColour(image, palette::palRose, columns(kPx, a)), 20);
  EXPECT_GT(CountColour(image, kBlack, columns(kPx + a, b)), 20);
  EXPECT_EQ(CountColour(image, palette::palRose, columns(kPx + a, b)), 0);
  EXPECT_GT(CountColour(image, palette::palOlive, columns(kPx + a + b, c)), 20);
}

TEST_F(Markup, AnOpenMarkerColoursTheRestButNotTheNextCall) {
  {
    QPainter canvas(&image);
    DrawMarkupLeft(canvas, kX, kY, u"#ab", 36, true, palette::MarkupColours);
    DrawMarkupLeft(canvas, kX, kY - 10, u"b", 36, true, palette::MarkupColours);
  }
  const int a = advance(u'a', 36, true);
  EXPECT_GT(CountColour(image, palette::palRose, QRect(kPx + a, 0, 60, 200)), 20);
  EXPECT_EQ(CountColour(image, kBlack, QRect(kPx + a, 0, 60, 200)), 0);
  EXPECT_GT(CountColour(image, kBlack, QRect(kPx, 240, 60, 100)), 20);
  EXPECT_EQ(CountColour(image, palette::palRose, QRect(kPx, 240, 60, 100)), 0);
}

TEST_F(Markup, AlternatingMarksTakeTheFirstAndSecondColourInTurn) {
  {
    QPainter canvas(&image);
    DrawAlternating(canvas, kX, kY, u"#a#b#c#d#e#", 36, true, palette::MarkupColours, false);
  }
  const QColor expected[] = {palette::palRose, kBlack, palette::palOlive, kBlack, palette::palRose};
  int left = kPx;
  for (int i = 0; i < 5; ++i) {
    const QChar letter(u'a' + i);
    const int width = advance(letter, 36, true);
    EXPECT_GT(CountColour(image, expected[i], columns(left, width)), 20) << i;
    left += width;
  }
}

TEST_F(Markup, BlackColoursHideEveryMarker) {
  {
    QPainter canvas(&image);
    DrawMarkupLeft(canvas, kX, kY, u"#a_b~c$d§eßf^2", 36, true, palette::BlackColours);
  }
  // Only black and the grey of its smoothed edges: no pixel with any hue.
  const QRect coloured =
      test::BoxOf(image, [](QRgb p) { return qRed(p) != qGreen(p) || qGreen(p) != qBlue(p); });
  EXPECT_TRUE(coloured.isEmpty());
  QImage plain = Blank(1000, 700);
  {
    QPainter canvas(&plain);
    DrawMarkupLeft(canvas, kX, kY, u"abcdef^2", 36, true, palette::MarkupColours);
  }
  EXPECT_EQ(image, plain);
}

// ---- characters each operation draws ----------------------------------------------------

TEST_F(Markup, DollarIsADollarSignForDrawMarkup3AndAColourSwitchForDrawMarkupLeft) {
  QImage three = Blank(1000, 700);
  {
    QPainter canvas(&three);
    DrawMarkup3(canvas, kX, kY, u"a$b", 36, true, palette::MarkupColours, false);
  }
  {
    QPainter canvas(&image);
    DrawMarkupLeft(canvas, kX, kY, u"a$b", 36, true, palette::MarkupColours);
  }
  const int a = advance(u'a', 36, true);
  const int dollar = advance(u'$', 36, true);
  // DrawMarkup3: a, $ and b, all black; DrawMarkupLeft: a in black and b in purple.
  EXPECT_GT(CountColour(three, kBlack, columns(kPx + a, dollar)), 20);
  EXPECT_EQ(CountColour(three, palette::palPurple), 0);
  EXPECT_GT(InkBox(three).right(), kPx + a + dollar);
  EXPECT_GT(CountColour(image, palette::palPurple, columns(kPx + a, 60)), 20);
  EXPECT_LE(InkBox(image).right(), kPx + a + advance(u'b', 36, true));
}

TEST_F(Markup, DrawTitleTreatsSharpSAsALetter) {
  const Text text = u"heißt #Potenzieren#.";
  {
    QPainter canvas(&image);
    DrawTitle(canvas, 0, kY, text, 24, true, kBlack, palette::palRose);
  }
  // Centred by MarkupTextWidth (which leaves out the ß), drawn with the ß.
  const int left = 500 - MarkupTextWidth(text, 24, true) / 2;
  int heisst = 0;
  for (const QChar c : QStringLiteral("heißt ")) heisst += advance(c, 24, true);
  const QRect ink = InkBox(image);
  EXPECT_NEAR(ink.left(), left, 3);
  EXPECT_NEAR(ink.right(), left + MarkupWidth(u"heißt Potenzieren.", 24, true), 4);
  // "heißt " is black, ß included; "Potenzieren" rose.
  EXPECT_EQ(CountColour(image, palette::palRose, columns(left, heisst)), 0);
  const int ss = left + advance(u'h', 24, true) + advance(u'e', 24, true) + advance(u'i', 24, true);
  EXPECT_GT(CountColour(image, kBlack, columns(ss, advance(u'ß', 24, true))), 5);
  EXPECT_GT(CountColour(image, palette::palRose, columns(left + heisst, 150)), 20);
}

// ---- exponents --------------------------------------------------------------------------

// The text drawn at kPx, kPy against the reference: full-size characters at the cell top,
// exponents at 14 points (18 · 0.75) raised by 7 pixels.
void expectSameAsReference(const QImage& image, const std::function<void(Reference&)>& reference) {
  QImage expected = Blank(image.width(), image.height());
  {
    Reference r(expected);
    reference(r);
  }
  EXPECT_EQ(image, expected);
}

TEST_F(Markup, ExponentsAreThreeQuartersHighAndRaisedByHalfTheirSize) {
  {
    QPainter canvas(&image);
    DrawMarkupLeft(canvas, kX, kY, u"a^2", 18, false, palette::MarkupColours);
  }
  expectSameAsReference(image, [](Reference& r) {
    const int a = r.put(u'a', ArialFont(18, false), kPx, kPy);
    r.put(u'2', ArialFont(14, false), kPx + a, kPy - 7);
  });
}

TEST_F(Markup, EveryCaretRaisesOneCharacter) {
  {
    QPainter canvas(&image);
    DrawMarkupLeft(canvas, kX, kY, u"x^1^0 + y^", 18, true, palette::MarkupColours);
  }
  expectSameAsReference(image, [](Reference& r) {
    const QFont normal = ArialFont(18, true);
    const QFont small = ArialFont(14, true);
    int left = kPx;
    left += r.put(u'x', normal, left, kPy);
    left += r.put(u'1', small, left, kPy - 7);
    left += r.put(u'0', small, left, kPy - 7);
    for (const QChar c : QStringLiteral(" + y")) left += r.put(c, normal, left, kPy);
  });
}

TEST_F(Markup, AnExponentFourStandsOnePixelFurtherRight) {
  {
    QPainter canvas(&image);
    DrawMarkupLeft(canvas, kX, kY, u"x^4y", 24, true, palette::MarkupColours);
  }
  expectSameAsReference(image, [](Reference& r) {
    int left = kPx;
    left += r.put(u'x', ArialFont(24, true), left, kPy);
    left += r.put(u'4', ArialFont(18, true), left + 1, kPy - 9) + 1;
    r.put(u'y', ArialFont(24, true), left, kPy);
  });
  // Digits are equally wide, so the 4 costs exactly one pixel more than a 3.
  EXPECT_EQ(MarkupWidth(u"x^4y", 24, true), MarkupWidth(u"x^3y", 24, true) + 1);
  EXPECT_EQ(MarkupWidth(u"x4y", 24, true), MarkupWidth(u"x3y", 24, true));
}

TEST_F(Markup, AMarkerBetweenCaretAndCharacterColoursTheExponent) {
  {
    QPainter canvas(&image);
    DrawMarkupLeft(canvas, kX, kY, u"a^#2#", 36, true, palette::MarkupColours);
  }
  expectSameAsReference(image, [](Reference& r) {
    const int a = r.put(u'a', ArialFont(36, true), kPx, kPy);
    r.put(u'2', ArialFont(27, true), kPx + a, kPy - 13, palette::palRose);
  });
}

// ---- Symbol glyphs ----------------------------------------------------------------------

// Symbol glyphs take the room the Symbol font gives them (thousandths of the size) and stand
// centred in it.
int symbolWidth(int perMille, int pixels) { return (perMille * pixels + 500) / 1000; }

TEST_F(Markup, SymbolEscapeDrawsNotEqualTwoPixelsHigher) {
  {
    QPainter canvas(&image);
    DrawSymbolMixed(canvas, kX, kY, u"a ~¹0", 24, true, kBlack);
  }
  expectSameAsReference(image, [](Reference& r) {
    QFont symbol(SymbolFamily());
    symbol.setHintingPreference(QFont::PreferVerticalHinting);
    symbol.setPixelSize(32);
    const int width = symbolWidth(549, 32);
    const int offset = (width - QFontMetrics(symbol).horizontalAdvance(u'≠')) / 2;
    int left = kPx;
    left += r.put(u'a', ArialFont(24, true), left, kPy);
    left += r.put(u' ', ArialFont(24, true), left, kPy);
    r.put(u'≠', symbol, left + offset, kPy - 2);
    left += width;
    r.put(u'0', ArialFont(24, true), left, kPy);
  });
}

struct SymbolCase {
  char16_t escape;
  char16_t drawn;
  int perMille;
};

class SymbolText : public Markup, public ::testing::WithParamInterface<SymbolCase> {};

TEST_P(SymbolText, DrawsTheSymbolFontsGlyph) {
  const SymbolCase c = GetParam();
  const Text text{c.escape, u'x'};
  {
    QPainter canvas(&image);
    DrawSymbolText(canvas, kX, kY, text, 18, true, kBlack);
  }
  expectSameAsReference(image, [c](Reference& r) {
    QFont symbol(SymbolFamily());
    symbol.setHintingPreference(QFont::PreferVerticalHinting);
    symbol.setPixelSize(24);
    const int width = symbolWidth(c.perMille, 24);
    const int offset = (width - QFontMetrics(symbol).horizontalAdvance(QChar(c.drawn))) / 2;
    r.put(QChar(c.drawn), symbol, kPx + offset, kPy);
    r.put(u'x', symbol, kPx + width, kPy);
  });
  EXPECT_FALSE(InkBox(image).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Escapes, SymbolText,
                         ::testing::Values(SymbolCase{u'¹', u'≠', 549}, SymbolCase{u'Î', u'∈', 713},
                                           SymbolCase{u'Þ', u'⇒', 987}));

// ---- alignment --------------------------------------------------------------------------

struct CentringCase {
  const char* name;
  std::u16string text;
  // Draws the text centred (or right-aligned) on page x = 0 at kY.
  std::function<void(QPainter&, TextView)> aligned;
  // Draws the same text left-aligned at page x.
  std::function<void(QPainter&, double, TextView)> left;
  // The width the operation must align by, from the text.
  std::function<int(TextView)> width;
  bool rightAligned = false;
};

const ColourSet& colours() { return palette::MarkupColours; }

class Alignment : public Markup, public ::testing::WithParamInterface<CentringCase> {};

TEST_P(Alignment, UsesTheWidthOfItsOperation) {
  const CentringCase& c = GetParam();
  {
    QPainter canvas(&image);
    c.aligned(canvas, c.text);
  }
  const int width = c.width(c.text);
  const int left = c.rightAligned ? 500 - width : 500 - width / 2;
  QImage expected = Blank(1000, 700);
  {
    QPainter canvas(&expected);
    c.left(canvas, (left - 500) / 10.0, c.text);
  }
  EXPECT_EQ(image, expected) << "aligned by " << width;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, Alignment,
    ::testing::Values(
        CentringCase{
            "right", u"a^2 + #b#",
            [](QPainter& p, TextView t) { DrawMarkupRight(p, 0, 20, t, 18, true, colours()); },
            [](QPainter& p, double x, TextView t) {
              DrawMarkupLeft(p, x, 20, t, 18, true, colours());
            },
            [](TextView) { return MarkupWidth(u"a^2 + b", 18, true); }, true},
        CentringCase{
            "centred", u"#x^2# – ß4§",
            [](QPainter& p, TextView t) { DrawMarkupCentred(p, 0, 20, t, 18, true, colours()); },
            [](QPainter& p, double x, TextView t) {
              DrawMarkupLeft(p, x, 20, t, 18, true, colours());
            },
            [](TextView) { return MarkupWidth(u"x^2 – 4", 18, true); }},
        // Carets removed: the exponent is counted at full size.
        CentringCase{
            "markup6", u"x^2·$y$",
            [](QPainter& p, TextView t) { DrawMarkup6(p, 0, 20, t, 18, true, colours(), true); },
            [](QPainter& p, double x, TextView t) {
              DrawMarkup6(p, x, 20, t, 18, true, colours(), false);
            },
            [](TextView) { return MarkupWidth(u"x2·y", 18, true); }},
        // "$" is drawn but, as MarkupTextWidth removes it, not counted.
        CentringCase{
            "markup3", u"#x^2#·$y",
            [](QPainter& p, TextView t) { DrawMarkup3(p, 0, 20, t, 18, true, colours(), true); },
            [](QPainter& p, double x, TextView t) {
              DrawMarkup3(p, x, 20, t, 18, true, colours(), false);
            },
            [](TextView) { return MarkupWidth(u"x2·y", 18, true); }},
        CentringCase{"alternating", u"#a# + #b#^2",
                     [](QPainter& p, TextView t) {
                       DrawAlternating(p, 0, 20, t, 18, true, colours(), true);
                     },
                     [](QPainter& p, double x, TextView t) {
                       DrawAlternating(p, x, 20, t, 18, true, colours(), false);
                     },
                     [](TextView) { return MarkupWidth(u"a + b^2", 18, true); }},
        // The Symbol character is measured as the Arial character it stands for.
        CentringCase{"symbol_mixed", u"a ~¹ 0",
                     [](QPainter& p, TextView t) {
                       DrawSymbolMixedCentred(p, 0, 20, t, 18, true, QColor(0, 0, 0));
                     },
                     [](QPainter& p, double x, TextView t) {
                       DrawSymbolMixed(p, x, 20, t, 18, true, QColor(0, 0, 0));
                     },
                     [](TextView) { return MarkupWidth(u"a ¹ 0", 18, true); }},
        CentringCase{"title", u"heißt #Potenzieren#",
                     [](QPainter& p, TextView t) {
                       DrawTitle(p, 0, 20, t, 18, true, QColor(0, 0, 0), palette::palRose);
                     },
                     [](QPainter& p, double x, TextView t) {
                       DrawTwoColour(p, x, 20, t, 18, true, QColor(0, 0, 0), palette::palRose);
                     },
                     [](TextView) { return MarkupWidth(u"heit Potenzieren", 18, true); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Markup, CentredHalfReturnsHalfTheWidthInPageUnits) {
  QPainter canvas(&image);
  const Text text = u"#x^2# + 1";
  const double half = DrawMarkupCentredHalf(canvas, 0, kY, text, 18, true, colours());
  EXPECT_DOUBLE_EQ(half, MarkupWidth(u"x^2 + 1", 18, true) / 20.0);
}

TEST_F(Markup, MiddleIsPlacedByTheHeightOfTheFontLeftOnTheCanvas) {
  for (const int previous : {10, 18, 36}) {
    image = Blank(1000, 700);
    QImage expected = Blank(1000, 700);
    {
      QPainter canvas(&image);
      DrawMarkupLeft(canvas, 30, -20, u"w", previous, false, colours());
      DrawMarkupMiddle(canvas, 0, kY, u"a^2", 18, true, colours());
    }
    const int height = QFontMetrics(ArialFont(previous, false)).height();
    {
      QPainter canvas(&expected);
      DrawMarkupLeft(canvas, 30, -20, u"w", previous, false, colours());
      DrawMarkupCentred(canvas, 0, kY + height / 20.0, u"a^2", 18, true, colours());
    }
    EXPECT_EQ(image, expected) << previous;
  }
}

TEST_F(Markup, EachOperationLeavesTheFontOfItsTextOnTheCanvas) {
  QPainter canvas(&image);
  DrawMarkupLeft(canvas, kX, kY, u"a^2", 18, true, colours());
  EXPECT_EQ(canvas.font().pixelSize(), 24);
  EXPECT_TRUE(canvas.font().bold());
  EXPECT_EQ(canvas.font().family(), ArialFamily());
  DrawSymbolMixed(canvas, kX, kY, u"a ~¹", 14, false, kBlack);
  EXPECT_EQ(canvas.font().pixelSize(), 19);
  EXPECT_EQ(canvas.font().family(), ArialFamily());
  DrawSymbolText(canvas, kX, kY, u"Þ", 12, false, kBlack);
  EXPECT_EQ(canvas.font().pixelSize(), 16);
  EXPECT_EQ(canvas.font().family(), SymbolFamily());
}

TEST_F(Markup, CorePositionIsInPixels) {
  QImage expected = Blank(1000, 700);
  {
    QPainter canvas(&image);
    DrawMarkup(canvas, kPx, kPy, u"#a^2#·b", 18, true, colours());
  }
  {
    QPainter canvas(&expected);
    DrawMarkupLeft(canvas, kX, kY, u"#a^2#·b", 18, true, colours());
  }
  EXPECT_EQ(image, expected);
}

}  // namespace
}  // namespace kalkora

// The embedded fonts: loaded, chosen for "Arial", and a real glyph (never the missing-glyph
// box) for the Symbol escapes and for every character the program shows.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPainter>

#include "drawing/font_faces.h"
#include "drawing/fonts.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "frame/palette.h"
#include "image_probe.h"

namespace kalkora {
namespace {

using test::Blank;
using test::InkBox;

// Every printable character of the program's 8-bit character set (Windows-1252), and the
// letters of the number sets it names.
QString ProgramCharacters() {
  QString characters;
  for (char16_t c = 0x21; c <= 0x7E; ++c) characters += QChar(c);
  characters += QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
  for (char16_t c = 0xA1; c <= 0xFF; ++c) {
    if (c != 0xAD) characters += QChar(c);  // the soft hyphen has no glyph of its own
  }
  characters += QStringLiteral("ℝℕℤℚ");
  return characters;
}

TEST(Fonts, AreLoadedFromTheProgramsResources) {
  EXPECT_TRUE(ProgramFontsLoaded());
  const QFontInfo arial(ArialFont(18, true));
  EXPECT_EQ(arial.family(), QStringLiteral("Liberation Sans"));
  EXPECT_TRUE(arial.bold());
  EXPECT_EQ(arial.pixelSize(), 24);
  // Widgets asking for "Arial" by name get it too.
  QFont byName(QStringLiteral("Arial"));
  byName.setPixelSize(20);
  EXPECT_EQ(QFontInfo(byName).family(), QStringLiteral("Liberation Sans"));
}

// The picture of one character, drawn by the renderer.
QImage drawn(void (*draw)(QPainter&, TextView), char16_t c) {
  QImage image = Blank(80, 80);
  QPainter canvas(&image);
  draw(canvas, Text(1, c));
  return image;
}

void arial(QPainter& canvas, TextView text) {
  DrawTwoColour(canvas, -45, 33, text, 24, true, QColor(0, 0, 0), QColor(0, 0, 0));
}

void arialWithHash(QPainter& canvas, TextView text) {
  DrawSymbolMixed(canvas, -45, 33, text, 24, true, QColor(0, 0, 0));
}

void symbol(QPainter& canvas, TextView text) {
  DrawSymbolText(canvas, -45, 33, text, 24, true, QColor(0, 0, 0));
}

class Glyphs : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { SetPage(-50, 50, -35, 35, 1000, 700); }
};

TEST_P(Glyphs, EveryCharacterOfTheProgramHasARealGlyph) {
  const bool bold = GetParam();
  // A character no embedded font has: the missing-glyph box.
  const QImage box = drawn(arial, u'\uE000');
  ASSERT_FALSE(InkBox(box).isEmpty());
  for (const int size : {10, 18, 36}) {
    const FontFace& face = Face(FaceKind::Arial, size, bold);
    for (const QChar c : ProgramCharacters()) {
      const Glyph& glyph = face.glyph(c.unicode());
      EXPECT_NE(glyph.index, 0u) << QString(c).toStdString() << " at " << size;
      EXPECT_GT(glyph.advance, 0) << QString(c).toStdString() << " at " << size;
    }
  }
  for (const QChar c : ProgramCharacters()) {
    // Every operation reads "^" as a caret and DrawTwoColour reads "#" as a marker.
    if (c == u'^') continue;
    const QImage image = drawn(c == u'#' ? arialWithHash : arial, c.unicode());
    EXPECT_FALSE(InkBox(image).isEmpty()) << QString(c).toStdString();
    EXPECT_NE(image, box) << QString(c).toStdString();
  }
}

TEST_P(Glyphs, TheSymbolEscapesDrawNotEqualElementAndImplies) {
  const QImage box = drawn(symbol, u'\uE000');
  for (const char16_t escape : {u'¹', u'Î', u'Þ'}) {
    const Glyph& glyph = Face(FaceKind::Symbol, 18, GetParam()).glyph(escape);
    EXPECT_NE(glyph.index, 0u);
    const QImage image = drawn(symbol, escape);
    EXPECT_FALSE(InkBox(image).isEmpty());
    EXPECT_NE(image, box);
  }
  EXPECT_EQ(SymbolCharacter(u'¹'), u'≠');
  EXPECT_EQ(SymbolCharacter(u'Î'), u'∈');
  EXPECT_EQ(SymbolCharacter(u'Þ'), u'⇒');
  EXPECT_EQ(SymbolCharacter(u'0'), u'0');
  EXPECT_EQ(SymbolCharacter(u' '), u' ');
}

INSTANTIATE_TEST_SUITE_P(Weights, Glyphs, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "bold" : "regular"; });

TEST(Fonts, TheThreeSymbolGlyphsDiffer) {
  SetPage(-50, 50, -35, 35, 1000, 700);
  const QImage notEqual = drawn(symbol, u'¹');
  const QImage element = drawn(symbol, u'Î');
  const QImage implies = drawn(symbol, u'Þ');
  EXPECT_NE(notEqual, element);
  EXPECT_NE(element, implies);
  EXPECT_NE(notEqual, implies);
  // ⇒ is an arrow, wider than it is tall.
  EXPECT_GT(InkBox(implies).width(), InkBox(implies).height());
}

}  // namespace
}  // namespace kalkora

// Feeds arbitrary text to the measuring functions, the formula layout, every renderer
// operation and the drawing of a domain answer, painting into a small image. Input: one byte
// for the size, one for the flags, then the text, one byte per character: bytes below 0x80
// are themselves, bytes from 0x80 on pick from the characters that mean something to the
// renderer (and a few that are hard for it). A zero byte splits the text into the parts of a
// fraction or chain.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/application.h"
#include "base/text.h"
#include "drawing/denominator_table.h"
#include "drawing/fraction_expression.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "drawing/primitives.h"
#include "frame/palette.h"
#include "topics/fractions/fraction_exercise_rows.h"

namespace {

using namespace kalkora;

constexpr char16_t kSpecial[] = {u'·',
                                 u'–',
                                 u'§',
                                 u'ß',
                                 u'¹',
                                 u'Î',
                                 u'Þ',
                                 u'Ü',
                                 u'ä',
                                 u'ℝ',
                                 u'≠',
                                 u'\u00AD',
                                 u'\uE000',
                                 static_cast<char16_t>(0xD800),
                                 static_cast<char16_t>(0xDFFF),
                                 u'\uFFFF',
                                 u'\u0301'};

Text decode(const uint8_t* data, size_t size) {
  Text text;
  text.reserve(size);
  for (size_t i = 0; i < size; ++i) {
    const uint8_t byte = data[i];
    text.push_back(byte < 0x80 ? static_cast<char16_t>(byte)
                               : kSpecial[(byte - 0x80) % std::size(kSpecial)]);
  }
  return text;
}

std::vector<TextView> parts(const Text& text) {
  std::vector<TextView> result;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == u'\0') {
      result.emplace_back(TextView(text).substr(start, i - start));
      start = i + 1;
    }
  }
  while (result.size() < 8) result.emplace_back(TextView(text));
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(*argc, *argv);
  PrepareApplication(*app);
  SetPalette();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int sizes[] = {-1, 0, 1, 6, 10, 12, 13, 14, 16, 18, 20, 21, 24, 36, 72, 600};
  const int points = sizes[data[0] % std::size(sizes)];
  const uint8_t flags = data[1];
  const bool bold = flags & 1;
  const bool centred = flags & 2;
  const Text text = decode(data + 2, size - 2);
  const std::vector<TextView> p = parts(text);
  const ColourSet& colours = (flags & 4) ? palette::MarkupColours : palette::BlackColours;
  const QColor black(0, 0, 0);

  // Measuring and layout without drawing.
  MarkupWidth(text, points, bold);
  MarkupWidthCaret(text, points, bold);
  MarkupTextWidth(text, points, bold);
  FractionExprWidth(text, points);
  FractionWidth(p[0], p[1], points);
  FractionPairWidth(p[0], p[1], p[2], p[3], p[4], points);
  FractionTripleWidth(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], points);

  static QImage image(160, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter canvas(&image);
  SetPage(-8, 8, -5, 5, 160, 100);
  DrawMarkupLeft(canvas, -7, 4, text, points, bold, colours);
  DrawMarkupRight(canvas, 7, 4, text, points, bold, colours);
  DrawMarkupCentred(canvas, 0, 4, text, points, bold, colours);
  DrawMarkupCentredHalf(canvas, 0, 3, text, points, bold, colours);
  DrawMarkupMiddle(canvas, 0, 2, text, points, bold, colours);
  DrawMarkup6(canvas, 0, 1, text, points, bold, colours, centred);
  DrawMarkup3(canvas, 0, 0, text, points, bold, colours, centred);
  DrawAlternating(canvas, 0, -1, text, points, bold, colours, centred);
  DrawTwoColour(canvas, -7, -2, text, points, bold, black, palette::palRose);
  DrawTitle(canvas, 0, -3, text, points, bold, black, palette::palRose);
  DrawSymbolMixed(canvas, -7, -4, text, points, bold, black);
  DrawSymbolMixedCentred(canvas, 0, -4, text, points, bold, black);
  DrawSymbolText(canvas, -7, 4, text, points, bold, black);
  DrawMarkup(canvas, 3, 3, text, points, bold, colours);
  DrawFractionExpr(canvas, -7, 0, text, points, black);
  DrawTextWithFraction(canvas, -7, 0, p[0], p[1], points, black);
  DrawFraction(canvas, -7, 0, p[0], p[1], points, colours);
  DrawPowerFraction(canvas, -7, 0, p[0], p[1], points, colours);
  DrawFraction6(canvas, -7, 0, p[0], p[1], points, colours);
  DrawWideFraction(canvas, 0, 0, p[0], p[1], points, colours);
  DrawFractionOpFraction(canvas, -7, 0, p[0], p[1], p[2], p[3], p[4], points, colours);
  DrawFractionOpFraction6(canvas, -7, 0, p[0], p[1], p[2], p[3], p[4], points, colours);
  DrawThreeFractions(canvas, -7, 0, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], points,
                     colours);
  DrawThreeFractions6(canvas, -7, 0, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], points,
                      colours);
  DrawFractionEquals(canvas, -7, 0, p[0], p[1], p[2], p[3], points, colours, flags >> 4);
  DrawFractionEqualsFactor(canvas, -7, 0, p[0], p[1], p[2], p[3], p[4], points, colours);
  DrawPowerOfFraction(canvas, -3, 0, p[0], p[1], p[2], p[3], p[4], points, colours, flags & 8);
  // A learner's domain answer: values, commas and fraction bars in any order.
  fractions::DrawDomainValues(canvas, -7, 0, text, black);
  return 0;
}

#include "reference/formula_pictures.h"

#include "drawing/markup.h"
#include "drawing/primitives.h"
#include "frame/palette.h"

namespace kalkora {

namespace {

constexpr bool kBold = true;
constexpr int kLetterSize = 12;

// A fraction of two markup texts centred on x, its bar of pen width 2 at barY.
void stackedFraction(QPainter& canvas, double x, double barY, double halfBar, TextView num,
                     TextView den) {
  const QColor black(0, 0, 0);
  DrawMarkup3(canvas, x, barY + 2.1, num, kLetterSize, kBold, palette::MarkupColours, true);
  PageLine(canvas, 2, black, x - halfBar, barY, x + halfBar, barY, LineStyle::Solid);
  DrawMarkup3(canvas, x, barY - 0.2, den, kLetterSize, kBold, palette::MarkupColours, true);
}

}  // namespace

QSize QuotientRuleSize() { return {95, 52}; }
QSize PositiveIntegersSize() { return {26, 19}; }

void DrawQuotientRule(QPainter& canvas, double left, double top) {
  const QColor black(0, 0, 0);
  const double bar = top - 2.6;
  // (a/b) in tall brackets, the exponent n rose at the upper right.
  PageBracket(canvas, 2, black, left + 0.5, bar, 1.8, 0.6, BracketKind::Opening);
  stackedFraction(canvas, left + 1.9, bar, 0.7, u"a", u"b");
  PageBracket(canvas, 2, black, left + 3.3, bar, 1.8, 0.6, BracketKind::Closing);
  DrawMarkup3(canvas, left + 3.6, top - 0.2, u"#n#", 10, kBold, palette::MarkupColours, false);
  DrawMarkup3(canvas, left + 4.7, bar + 1.1, u"=", 14, kBold, palette::MarkupColours, false);
  // aⁿ/bⁿ
  stackedFraction(canvas, left + 7.6, bar, 1.2, u"a^#n#", u"b^#n#");
}

void DrawPositiveIntegers(QPainter& canvas, double left, double top) {
  DrawMarkupLeft(canvas, left + 0.1, top, u"ℤ", 14, kBold, palette::BlackColours);
  DrawMarkupLeft(canvas, left + 1.5, top + 0.1, u"+", 10, kBold, palette::BlackColours);
}

}  // namespace kalkora

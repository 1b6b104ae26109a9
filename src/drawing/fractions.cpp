#include "drawing/fractions.h"

#include <algorithm>

#include "drawing/markup.h"
#include "drawing/markup_layout.h"
#include "drawing/primitives.h"

namespace kalkora {

namespace {

constexpr bool kBold = true;
constexpr int kOperatorSize = 18;  // operators and "=" of the chains

enum class Renderer { Markup3, Markup6 };

// An exponent of several digits keeps the caret on its first digit only: "^1^0" → "^10".
Text firstCaretOnly(TextView text) {
  Text result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const bool continuesExponent =
        text[i] == u'^' && i >= 2 && text[i - 2] == u'^' && u'0' <= text[i - 1] &&
        text[i - 1] <= u'9' && i + 1 < text.size() && u'0' <= text[i + 1] && text[i + 1] <= u'9';
    if (!continuesExponent) result.push_back(text[i]);
  }
  return result;
}

// The pixel width of a fraction: the wider of its two texts.
int fractionPixels(TextView num, TextView den, int size) {
  return std::max(MarkupWidth(num, size, kBold), MarkupWidth(den, size, kBold));
}

int sixFreePixels(TextView num, TextView den, int size) {
  return fractionPixels(WithoutChars(num, kSixMarkers), WithoutChars(den, kSixMarkers), size);
}

void drawCentred(Renderer renderer, QPainter& canvas, double x, double y, TextView text, int size,
                 const ColourSet& colours) {
  if (renderer == Renderer::Markup3) {
    DrawMarkup3(canvas, x, y, text, size, kBold, colours, true);
  } else {
    DrawMarkup6(canvas, x, y, text, size, kBold, colours, true);
  }
}

// The stacked fraction with its left edge at x and a bar of `pixels` / 10 units.
double drawLeftFraction(Renderer renderer, QPainter& canvas, double x, double y, TextView num,
                        TextView den, int size, const ColourSet& colours, int pixels) {
  const double width = pixels / 10.0;
  drawCentred(renderer, canvas, x + width / 2, y + 2, num, size, colours);
  PageLine(canvas, 3, colours[0], x, y - 1.1, x + width, y - 1.1, LineStyle::Solid);
  const double denominatorTop = den.find(u'^') != TextView::npos ? y - 2 : y - 1.2;
  drawCentred(renderer, canvas, x + width / 2, denominatorTop, den, size, colours);
  return width;
}

int powerFractionPixels(TextView num, TextView den, int size) {
  return fractionPixels(firstCaretOnly(WithoutChars(num, u"#_~")),
                        firstCaretOnly(WithoutChars(den, u"#_~")), size);
}

double wideHalfWidth(TextView num, TextView den, int size) {
  constexpr char16_t kMarkers[] = u"#_~$§";
  const int pixels = fractionPixels(WithoutChars(num, kMarkers), WithoutChars(den, kMarkers), size);
  return pixels / 10.0 / 2 + 0.2;
}

double operatorWidth(TextView op, int size) { return MarkupWidth(op, size, kBold) / 10.0; }

void drawOperator(QPainter& canvas, double x, double y, TextView op, const ColourSet& colours,
                  int size = kOperatorSize) {
  DrawMarkupLeft(canvas, x, y, op, size, kBold, colours);
}

// The gap after a fraction in the "6" chains: wide around "+" and "–", narrow around ":" and "·".
double operatorGap(TextView op) { return op == u":" || op == u"·" ? 2.4 : 3.4; }
// The gap after the third fraction of DrawThreeFractions6, whatever its operators.
constexpr double kThreeFractionsLastGap = 3.4;

}  // namespace

double DrawFraction(QPainter& canvas, double x, double y, TextView num, TextView den, int size,
                    const ColourSet& colours) {
  const int pixels = fractionPixels(WithoutChars(num, u"#_~"), WithoutChars(den, u"#_~"), size);
  return drawLeftFraction(Renderer::Markup3, canvas, x, y, num, den, size, colours, pixels);
}

double DrawPowerFraction(QPainter& canvas, double x, double y, TextView num, TextView den, int size,
                         const ColourSet& colours) {
  const int pixels = powerFractionPixels(num, den, size);
  return drawLeftFraction(Renderer::Markup3, canvas, x, y, num, den, size, colours, pixels);
}

double DrawFraction6(QPainter& canvas, double x, double y, TextView num, TextView den, int size,
                     const ColourSet& colours) {
  return drawLeftFraction(Renderer::Markup6, canvas, x, y, num, den, size, colours,
                          sixFreePixels(num, den, size));
}

double DrawWideFraction(QPainter& canvas, double x, double y, TextView num, TextView den, int size,
                        const ColourSet& colours) {
  const double half = wideHalfWidth(num, den, size);
  drawCentred(Renderer::Markup6, canvas, x, y + 2, num, size, colours);
  PageLine(canvas, 3, QColor(0, 0, 0), x - half, y - 1.1, x + half, y - 1.1, LineStyle::Solid);
  drawCentred(Renderer::Markup6, canvas, x + 0.5, y - 2, den, size, colours);
  return half;
}

double FractionWidth(TextView num, TextView den, int size) {
  return sixFreePixels(num, den, size) / 10.0;
}

double PowerFractionWidth(TextView num, TextView den, int size) {
  return powerFractionPixels(num, den, size) / 10.0;
}

double WideFractionHalfWidth(TextView num, TextView den, int size) {
  return wideHalfWidth(num, den, size);
}

double FractionPairWidth(TextView num1, TextView den1, TextView op, TextView num2, TextView den2,
                         int size) {
  const int pixels = sixFreePixels(num1, den1, size) + sixFreePixels(num2, den2, size) +
                     MarkupWidth(op, size, kBold) + 2 + MarkupWidth(u"=", size, kBold) + 2;
  return pixels / 10.0;
}

double FractionTripleWidth(TextView num1, TextView den1, TextView op1, TextView num2, TextView den2,
                           TextView op2, TextView num3, TextView den3, int size) {
  const int pixels = sixFreePixels(num1, den1, size) + sixFreePixels(num2, den2, size) +
                     sixFreePixels(num3, den3, size) + MarkupWidth(op1, size, kBold) + 2 +
                     MarkupWidth(op2, size, kBold) + 2 + MarkupWidth(u"=", size, kBold) + 2;
  return pixels / 10.0;
}

double DrawFractionOpFraction(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                              TextView op, TextView num2, TextView den2, int size,
                              const ColourSet& colours) {
  constexpr double g = 1;
  const double w1 = DrawFraction(canvas, x, y, num1, den1, size, colours);
  drawOperator(canvas, x + w1 + g, y + 0.5, op, colours);
  const double wop = operatorWidth(op, size);
  const double w2 = DrawFraction(canvas, x + w1 + wop + 2 * g, y, num2, den2, size, colours);
  drawOperator(canvas, x + w1 + wop + w2 + 3 * g, y + 0.3, u"=", colours);
  const double weq = operatorWidth(u"=", size);
  return w1 + wop + w2 + weq + 4 * g;
}

double DrawFractionOpFraction6(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                               TextView op, TextView num2, TextView den2, int size,
                               const ColourSet& colours) {
  const double gap = operatorGap(op);
  const double w1 = DrawFraction6(canvas, x, y, num1, den1, size, colours);
  drawOperator(canvas, x + w1 + 1, y + 0.5, op, colours);
  const double w2 = DrawFraction6(canvas, x + w1 + gap, y, num2, den2, size, colours);
  drawOperator(canvas, x + w1 + gap + w2 + 1, y + 0.3, u"=", colours, size);
  return w1 + gap + w2 + gap;
}

double FractionOpFraction6Width(TextView num1, TextView den1, TextView op, TextView num2,
                                TextView den2, int size) {
  const double gap = operatorGap(op);
  return FractionWidth(num1, den1, size) + gap + FractionWidth(num2, den2, size) + gap;
}

double ThreeFractions6Width(TextView num1, TextView den1, TextView, TextView num2, TextView den2,
                            TextView op2, TextView num3, TextView den3, int size) {
  const double gap12 = operatorGap(op2);
  return FractionWidth(num1, den1, size) + gap12 + FractionWidth(num2, den2, size) + gap12 +
         FractionWidth(num3, den3, size) + kThreeFractionsLastGap;
}

double DrawThreeFractions(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                          TextView op1, TextView num2, TextView den2, TextView op2, TextView num3,
                          TextView den3, int size, const ColourSet& colours) {
  constexpr double gap = 3.4;
  const double w1 = DrawFraction(canvas, x, y, num1, den1, size, colours);
  drawOperator(canvas, x + w1 + 1, y + 0.5, op1, colours);
  const double w2 = DrawFraction(canvas, x + w1 + gap, y, num2, den2, size, colours);
  drawOperator(canvas, x + w1 + gap + w2 + 1, y + 0.5, op2, colours);
  const double w3 = DrawFraction(canvas, x + w1 + gap + w2 + gap, y, num3, den3, size, colours);
  drawOperator(canvas, x + w1 + gap + w2 + gap + w3 + 1, y + 0.3, u"=", colours);
  return w1 + gap + w2 + gap + w3 + gap;
}

double DrawThreeFractions6(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                           TextView op1, TextView num2, TextView den2, TextView op2, TextView num3,
                           TextView den3, int size, const ColourSet& colours) {
  const double gap12 = operatorGap(op2);  // after the first and after the second fraction
  constexpr double gap3 = kThreeFractionsLastGap;
  const double w1 = DrawFraction6(canvas, x, y, num1, den1, size, colours);
  drawOperator(canvas, x + w1 + 1, y + 0.5, op1, colours);
  const double w2 = DrawFraction6(canvas, x + w1 + gap12, y, num2, den2, size, colours);
  drawOperator(canvas, x + w1 + gap12 + w2 + 1, y + 0.5, op2, colours);
  const double w3 =
      DrawFraction6(canvas, x + w1 + gap12 + w2 + gap12, y, num3, den3, size, colours);
  drawOperator(canvas, x + w1 + gap12 + w2 + gap12 + w3 + 1, y + 0.1, u"=", colours, size);
  return w1 + gap12 + w2 + gap12 + w3 + gap3;
}

namespace {

// DrawFractionEquals; returns the width of the first fraction.
double drawFractionEquals(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                          TextView num2, TextView den2, int size, const ColourSet& colours,
                          int spacing) {
  const double w1 = DrawPowerFraction(canvas, x, y, num1, den1, size, colours);
  TextView equals = u"= ";
  double equalsX = x + w1 + 1;
  double secondX = x + w1 + 3;
  if (spacing == 2) {
    equals = u" = ";
    equalsX = x + w1 + 0.5;
    secondX = x + w1 + 4;
  } else if (spacing == 3) {
    equals = u" = ";
    equalsX = x + w1;
    secondX = x + w1 + 3;
  }
  drawOperator(canvas, equalsX, y + 0.2, equals, colours);
  DrawPowerFraction(canvas, secondX, y, num2, den2, size, colours);
  return w1;
}

}  // namespace

void DrawFractionEquals(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                        TextView num2, TextView den2, int size, const ColourSet& colours,
                        int spacing) {
  drawFractionEquals(canvas, x, y, num1, den1, num2, den2, size, colours, spacing);
}

void DrawFractionEqualsFactor(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                              TextView num2, TextView den2, TextView factor, int size,
                              const ColourSet& colours) {
  const double w1 = drawFractionEquals(canvas, x, y, num1, den1, num2, den2, size, colours, 1);
  Text text = u"·";
  text += factor;
  DrawMarkup3(canvas, x + w1 + 5, y + 0.2, text, kOperatorSize, kBold, colours, false);
}

double DrawPowerOfFraction(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                           TextView exponent, TextView num2, TextView den2, int size,
                           const ColourSet& colours, bool withRight) {
  const QColor black(0, 0, 0);
  const double h1 = DrawWideFraction(canvas, x, y, num1, den1, size, colours);
  PageBracket(canvas, 3, black, x - h1 - 1, y - 1, 2.7, 1, BracketKind::Opening);
  PageBracket(canvas, 3, black, x + h1 + 1, y - 1, 2.7, 1, BracketKind::Closing);
  DrawMarkupLeft(canvas, x + h1 + 1.5, y + 3, exponent, 14, kBold, colours);
  DrawMarkupLeft(canvas, x + h1 + 2, y + 0.2, u" = ", kOperatorSize, kBold, colours);
  if (withRight) {
    const double h2 = wideHalfWidth(num2, den2, kOperatorSize);
    DrawWideFraction(canvas, x + h1 + 5 + h2, y, num2, den2, size, colours);
  }
  return x + h1 + 4;
}

}  // namespace kalkora

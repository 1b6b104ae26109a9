#pragma once
// Stacked fractions from two markup texts (markup.h) and the chains built from them
// (‹fraction op fraction =›, ‹(fraction)ⁿ =›), for the power and fraction windows. Positions
// are page coordinates; y is the height of the fraction's line, the bar lies 1.1 below it.
// Every width returned is in page units of a 10-pixel page (pixels / 10). Texts are bold.

#include <QPainter>

#include "base/text.h"
#include "frame/palette.h"

namespace kalkora {

// Left edge at x; numerator and denominator drawn with DrawMarkup3 (markers "#", "_", "~"),
// centred over the bar of pen width 3 in colours[0]. The width is measured from the texts
// without "#", "_" and "~". Returns the width.
double DrawFraction(QPainter& canvas, double x, double y, TextView num, TextView den, int size,
                    const ColourSet& colours);
// As DrawFraction, but an exponent of several digits is measured with a caret on its first
// digit only (‹^1^0› counts as ‹^10›).
double DrawPowerFraction(QPainter& canvas, double x, double y, TextView num, TextView den, int size,
                         const ColourSet& colours);
// As DrawFraction with DrawMarkup6 (all six markers), measured without the six markers.
double DrawFraction6(QPainter& canvas, double x, double y, TextView num, TextView den, int size,
                     const ColourSet& colours);
// Centred on x with DrawMarkup6, the black bar 0.2 longer on each side; returns half the bar.
double DrawWideFraction(QPainter& canvas, double x, double y, TextView num, TextView den, int size,
                        const ColourSet& colours);

// Widths without drawing: the wider of numerator and denominator (six markers removed).
double FractionWidth(TextView num, TextView den, int size);
// The width DrawPowerFraction draws for these texts.
double PowerFractionWidth(TextView num, TextView den, int size);
// Half the bar DrawWideFraction draws for these texts.
double WideFractionHalfWidth(TextView num, TextView den, int size);
// ‹num1/den1 op num2/den2 =›
double FractionPairWidth(TextView num1, TextView den1, TextView op, TextView num2, TextView den2,
                         int size);
// ‹num1/den1 op1 num2/den2 op2 num3/den3 =›
double FractionTripleWidth(TextView num1, TextView den1, TextView op1, TextView num2, TextView den2,
                           TextView op2, TextView num3, TextView den3, int size);

// The widths DrawFractionOpFraction6 and DrawThreeFractions6 return for these texts.
double FractionOpFraction6Width(TextView num1, TextView den1, TextView op, TextView num2,
                                TextView den2, int size);
double ThreeFractions6Width(TextView num1, TextView den1, TextView op1, TextView num2,
                            TextView den2, TextView op2, TextView num3, TextView den3, int size);

// Chains. Operators and "=" are drawn with DrawMarkupLeft in 18-point bold unless the
// operation says otherwise; each returns the width it took.
double DrawFractionOpFraction(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                              TextView op, TextView num2, TextView den2, int size,
                              const ColourSet& colours);
// With DrawFraction6; the gaps depend on the operator ("+" and "–" wider than ":" and "·"),
// "=" at `size`.
double DrawFractionOpFraction6(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                               TextView op, TextView num2, TextView den2, int size,
                               const ColourSet& colours);
double DrawThreeFractions(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                          TextView op1, TextView num2, TextView den2, TextView op2, TextView num3,
                          TextView den3, int size, const ColourSet& colours);
double DrawThreeFractions6(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                           TextView op1, TextView num2, TextView den2, TextView op2, TextView num3,
                           TextView den3, int size, const ColourSet& colours);

// ‹fraction = fraction› with DrawPowerFraction. spacing 1: "= " at x + W1 + 1, second
// fraction at x + W1 + 3; 2: " = " at x + W1 + 0.5, second at x + W1 + 4; 3: " = " at x + W1,
// second at x + W1 + 3 (any other value acts as 1).
void DrawFractionEquals(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                        TextView num2, TextView den2, int size, const ColourSet& colours,
                        int spacing);
// Spacing 1 of DrawFractionEquals, then "·" + factor (DrawMarkup3) at x + W1 + 5.
void DrawFractionEqualsFactor(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                              TextView num2, TextView den2, TextView factor, int size,
                              const ColourSet& colours);
// ‹(num1/den1)^exponent =› in tall brackets with DrawWideFraction, and num2/den2 after it when
// withRight. Returns the next free x (x + H1 + 4).
double DrawPowerOfFraction(QPainter& canvas, double x, double y, TextView num1, TextView den1,
                           TextView exponent, TextView num2, TextView den2, int size,
                           const ColourSet& colours, bool withRight);

}  // namespace kalkora

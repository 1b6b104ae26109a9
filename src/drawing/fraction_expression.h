#pragma once
// Fraction expressions: one string in which every ‹{numerator/denominator}› group is drawn as
// a stacked fraction and the rest as text on the height of the bars, for the concept pages and
// the fraction worked examples ("{5/2}·b +{c/3}", "{18·x^2 + 18·x/27·x}"). A brace group
// without "/" is drawn as text with its braces. In the text "." is drawn as ",", "*" as "·" and
// "-" as "–"; "^" raises the next character, "^{…}" every character of the group. Texts are
// bold "Arial" in one colour. Unbalanced braces are drawn as far as they go.

#include <QColor>
#include <QPainter>

#include "base/text.h"

namespace kalkora {

// Draws the expression from page (x, y); y is the height of the fraction bars.
void DrawFractionExpr(QPainter& canvas, double x, double y, TextView text, int size,
                      const QColor& colour);

// The pixel advance DrawFractionExpr takes for the expression.
int FractionExprWidth(TextView text, int size);

// A line of DrawSymbolMixed text (bold) followed by the fraction expression "{" + fraction +
// "}", 14 pixels after the text and 1.5 units lower (1.7 units further right when the
// fraction starts with "–").
void DrawTextWithFraction(QPainter& canvas, double x, double y, TextView text, TextView fraction,
                          int size, const QColor& colour);
// The page width DrawTextWithFraction takes: from x to the end of the fraction.
double TextWithFractionWidth(TextView text, TextView fraction, int size);

}  // namespace kalkora

#pragma once
// The small pictures of the power sheet, drawn on the current page (10 pixels a unit) from
// their top-left corner:
//   the quotient rule ‹(a/b)ⁿ = aⁿ/bⁿ›: stacked fractions, a tall bracket around a/b, letters
//   black and the three exponents n rose;
//   ℤ⁺, the positive integers: a black double-struck Z with a raised plus.

#include <QPainter>
#include <QSize>

namespace kalkora {

QSize QuotientRuleSize();      // 95 × 52 pixels
QSize PositiveIntegersSize();  // 26 × 19 pixels

void DrawQuotientRule(QPainter& canvas, double left, double top);
void DrawPositiveIntegers(QPainter& canvas, double left, double top);

}  // namespace kalkora

#pragma once
// Drawing one line of a worked power example (power_example_lines.h) at 18-point bold in the
// markup colours: centred on page x = 0 by its measured width, except the power of a quotient,
// whose task fraction is centred on x = −8.

#include <QPainter>

#include "topics/powers/power_example_lines.h"

namespace kalkora {

// The page x of the line's left and right end.
struct PageSpan {
  double left = 0;
  double right = 0;
};
PageSpan PowerExampleLineSpan(const powers::PowerExampleLine& line);

// Draws the line with its text (or fraction line) at page y.
void DrawPowerExampleLine(QPainter& painter, double y, const powers::PowerExampleLine& line);

}  // namespace kalkora

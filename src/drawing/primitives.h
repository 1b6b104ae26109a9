#pragma once
// Lines, circles, arcs, arrows and tall brackets in page coordinates (page.h), drawn on the
// canvas the caller passes: a widget's painter in a paint handler, or a painter on an image.
// Widths are pen widths in pixels, lengths and positions page units, angles degrees
// counter-clockwise from the positive x axis.

#include <QColor>
#include <QPainter>
#include <optional>

namespace kalkora {

// Pen styles of PageLine. Any other value leaves the canvas's pen style as it was.
enum class LineStyle : int { Solid = 1, Dotted = 2, DashDot = 3 };

// A straight line from (x1, y1) to (x2, y2); the brush becomes clear.
void PageLine(QPainter& canvas, int width, const QColor& colour, double x1, double y1, double x2,
              double y2, LineStyle style);

// A circle around (x, y) with a radius of nearest(kx · radius) pixels, solid outline; filled
// with `fill` when it has a colour, otherwise the inside keeps what was drawn before.
void PageCircle(QPainter& canvas, int width, const QColor& colour, double x, double y,
                double radius, std::optional<QColor> fill);

// The arc of the circle around (cx, cy) that runs counter-clockwise on the screen from the ray
// at startDeg to the ray at endDeg (from 290° to 0° it is the 70° arc through 330°).
void PageArc(QPainter& canvas, int width, const QColor& colour, double cx, double cy, double radius,
             double startDeg, double endDeg);

// A horizontal arrow from x1 to x2 at height y; heads 'L' (left), 'R' (right) or 'B' (both),
// any other value draws the shaft only. Heads are strokes of pen width 2, 1 unit long and
// 0.4 units to each side.
void PageArrow(QPainter& canvas, int width, const QColor& colour, double x1, double x2, double y,
               char heads);

enum class BracketKind : int { Opening = 1, Closing = 2 };

// A tall parenthesis: a vertical line at x from y – halfHeight to y + halfHeight with a hook of
// radius hookRadius at each end, turned right for an opening and left for a closing bracket.
// Any other kind draws the line only.
void PageBracket(QPainter& canvas, int width, const QColor& colour, double x, double y,
                 double halfHeight, double hookRadius, BracketKind kind);

}  // namespace kalkora

#pragma once
// The frame of the common-denominator table of the fraction windows: three columns
// "Nenner", "Hauptnenner (HN)" and "Erweiterungsfaktoren".

#include <QPainter>

namespace kalkora {

// Column borders at x0, –5, 26 and 49 (callers pass tableWidth = 49 – x0). The header row is
// rowHeight high, every further row 1.5 · rowHeight; rows counts the header. The middle column
// holds one denominator for all rows and has no row rules. Lines are solid and black.
void DrawDenominatorTable(QPainter& canvas, double x0, double yTop, double tableWidth,
                          double rowHeight, int rows, int penWidth);

}  // namespace kalkora

#pragma once
// Drawing the rows of a fraction worked example (fraction_example_rows.h): each piece with its
// operation of the drawing layer, a chain row centred on its centre (x = 0, or a table cell's
// middle) by the measured widths and gaps of its pieces, a placed row at its x positions. A
// chain row wider than its room (the page, or a cell) is drawn at smaller sizes, a point at a
// time down to 10 points, until it fits: never cut.

#include <QPainter>
#include <vector>

#include "topics/fractions/fraction_example_rows.h"

namespace kalkora {

// The page width a piece takes as drawn (a chain piece with an advance still draws this wide).
double PieceWidth(const fractions::RowPiece& piece);

// The row as it is drawn: a chain row too wide for its room with smaller sizes.
fractions::ExampleRow FittedRow(const fractions::ExampleRow& row);

// The page x of each piece's left edge, as the row is drawn.
std::vector<double> PieceLefts(const fractions::ExampleRow& row);

// The page x of the row's left and right end.
struct RowSpan {
  double left = 0;
  double right = 0;
};
RowSpan ExampleRowSpan(const fractions::ExampleRow& row);

void DrawExampleRow(QPainter& painter, const fractions::ExampleRow& row);

}  // namespace kalkora

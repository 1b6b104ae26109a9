#pragma once
// Drawing the written division of the long-division exercise on its page (x −50 … 50,
// y −30 … 30 on 1000 × 600 pixels): the task line centred with every quotient term, the
// quotient terms and lines answered so far (violet when right; black with the learner's text
// in rose after two wrong answers), the rules under the products and the prompt of the answer
// asked now. Every place follows from text widths measured at 18 points bold.

#include <QPainter>
#include <QPoint>
#include <vector>

#include "drawing/page.h"
#include "topics/fractions/long_division_steps.h"
#include "topics/polynomials/long_division_exercise.h"

namespace kalkora::long_division_drawing {

// The exercise page of the paint box, and making it current at the start of a paint.
const Page& DivisionPage();
void SetDivisionPage();
// The paint-box pixel of a page point.
QPoint PagePixelOf(double x, double y);

// The page x of the parts of the task line.
struct DivisionLayout {
  double lineStart = 0;                // the task line starts here, so that it is centred on 0
  std::vector<double> columnEnds;      // [c − 1]: the right end of dividend column c
  std::vector<double> quotientStarts;  // [k − 1]: where quotient term k starts
};
DivisionLayout MeasureDivision(const fractions::WrittenDivision& division);

// The page y (top of the text) of row r: 0 the task line, 1 … 8 the written lines.
double RowY(int row);

// Where the field of a step goes, in pixels of the paint box: a quotient field starts where
// its term starts; a line field ends where its line ends (its column), so the answer is typed
// where it is then written. `top` is the top of the text.
struct FieldAnchor {
  QPoint point;           // the left end (quotient term) or right end (line), at the text's top
  bool endsAtIt = false;  // a line field: its right edge is at the point
};
FieldAnchor AnchorOf(const fractions::DivisionStep& step, const DivisionLayout& layout);

// Draws the division as far as it is answered; SetPage is the caller's.
void DrawDivision(QPainter& painter, const long_division_exercise::DivisionProgress& progress,
                  const DivisionLayout& layout);

}  // namespace kalkora::long_division_drawing

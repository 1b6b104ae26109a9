#pragma once
// Drawing the stepwise pages of the fraction worked examples on the example page (x −50 … 50,
// y −35 … 35): the unlike-denominator example with its table, the long division with its step
// sentence, and the number comparison. Every place of a written division follows from text
// widths measured here; the texts and what they say are the engine's.

#include <QPainter>
#include <vector>

#include "topics/fractions/number_comparison.h"
#include "topics/fractions/unlike_example_page.h"
#include "topics/fractions/worked_division.h"

namespace kalkora {

struct TTermDiv;

void DrawUnlikeExample(QPainter& painter, const fractions::UnlikeExamplePage& page);

// The page x of a written division's parts at one size.
struct WrittenPlaces {
  int size = 20;                   // points
  double lineStart = 0;            // the task line starts here
  std::vector<double> columnEnds;  // [c − 1]: the right end of column c
  double lineEnd = 0;              // the end of the whole task line
};

// The division display at a step: the task line centred on x = 0 at y 21.3, the rows 4 units
// apart under it, a rule under each product, the sentence centred at y −25 and at Stufe 3's
// end the result with remainder. The size is 20 points, or smaller where a line of the whole
// division (a product may start left of the task line) would leave the page; every step of a
// division has the same size and places.
WrittenPlaces WorkedDivisionPlaces(const TTermDiv& division);
void DrawWorkedDivision(QPainter& painter, const TTermDiv& division, int step);

// The number comparison: both headings, both written divisions (22 points, the polynomial one
// smaller where it would leave the page) with their rows at y 24, 20, 16, 12, both sentences,
// and the closing lines.
WrittenPlaces ComparisonPlaces(const fractions::ComparisonHalf& half);
void DrawComparison(QPainter& painter, const fractions::ComparisonPage& page);

// The page x where a written line's text starts and where it (with what follows it) ends.
struct LineSpan {
  double left = 0;
  double right = 0;
};
LineSpan WrittenLineSpan(const fractions::WrittenLine& line, const WrittenPlaces& places);

}  // namespace kalkora

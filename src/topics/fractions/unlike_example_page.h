#pragma once
// The unlike-denominator worked example (topic 5) step by step: what the page shows after each
// of its four steps, as data. Every step keeps what the steps before it drew:
//   1. the table's frame with each denominator in its row, followed by its factorisation where
//      it has one (‹s^2 – 16 = (s – 4)·(s + 4)›), and under the table the task ‹F1 ± F2 =›;
//   2. the main denominator in the middle column and each fraction's extension factor in its
//      row, in the fraction's colour (rose, olive, violet);
//   3. under the task, each numerator times its coloured factor over the main denominator;
//   4. under that, the extended numerators multiplied out, "=" the result over the main
//      denominator and, where it cancels, "=" the cancelled result; a result whose leading
//      coefficient is negative has its minus before the fraction.
// Every line under the table ends with "=", so the four lines read as one chain of equations.

#include <optional>
#include <vector>

#include "topics/fractions/fraction_example_rows.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

inline constexpr int kUnlikeExampleSteps = 4;

// DrawDenominatorTable(left, top, width, rowHeight, rows, penWidth).
struct TableFrame {
  double left = -49;
  double top = 25;
  double width = 98;
  double rowHeight = 4;
  int rows = 3;  // the header and one row per fraction
  int penWidth = 3;
};

struct UnlikeExamplePage {
  TableFrame table;
  // The texts in the table's cells (placed chains centred in their cells), then the lines under
  // the table (chains centred on x = 0).
  std::vector<ExampleRow> cells;
  std::vector<ExampleRow> lines;
};

// The page of the example in Bruch[i] (made by AddSubUngleichM1 … M3) at step 1 … 4.
UnlikeExamplePage UnlikeExampleAt(const TBruchM& item, int step);

// The page y of the table row of fraction 1 … 3 (the top of its text) and of the main
// denominator, halfway between the first and the last row.
double UnlikeTableRowY(int fraction);
double UnlikeMainDenominatorY(int count);

}  // namespace kalkora::fractions

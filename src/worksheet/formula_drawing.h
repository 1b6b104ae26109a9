#pragma once
// Lays out and draws a worksheet formula (formula.h) with the program's markup renderer and
// fraction layout, in black, at the size of the exercise rows. Positions and sizes are
// pixels of the sheet's drawing surface, y downwards; the formula layout works on a page of
// 10 pixels per unit whose (0, 0) is the surface's top-left corner (SetWorksheetPage).
//
// A formula is drawn on the task sheet with its solution left blank — a line to write on to
// the end of the column for the solution that ends the formula, a gap for one inside it — or
// in the key with the solution shown (a gap's solution underlined). A formula wider than its
// column continues on a new line before a part that allows it.

#include <QPainter>
#include <vector>

#include "worksheet/formula.h"

namespace kalkora::worksheet {

enum class Showing { Task, Key };

// The size (points) formulas are drawn at: the size of the exercise rows, which the fraction
// layout is made for.
inline constexpr int kFormulaSize = 18;

// The width a solution at the end of a formula keeps on the task sheet at least.
inline constexpr double kSolutionBlankWidth = 170;

// One line of a laid-out formula: the parts it draws and how far they reach above and below
// the line's axis (the height of a fraction bar, the middle of a line of text).
struct FormulaLine {
  std::size_t first = 0;  // index of the line's first part
  std::size_t end = 0;    // one past its last part
  double width = 0;       // without the blank that runs to the end of the column
  double above = 0;
  double below = 0;
};

struct FormulaBlock {
  std::vector<FormulaLine> lines;
  double width = 0;   // the widest line
  double height = 0;  // all lines with the room between them
  bool fits = true;   // every line fits the width it was laid out for
};

// Breaks the formula into lines of at most `width` pixels where it allows a break. A solution
// does not start a line alone when the part before it (‹T(–2) =›, ‹Rest:›) can go with it.
FormulaBlock LayOutFormula(const Formula& formula, Showing showing, double width);

// The top of a text of the formula size on the block's first line, the block's top at `top`
// (a task's number stands there).
double FirstLineTextTop(const FormulaBlock& block, double top);

// Makes the page of the surface current: 10 pixels a unit, page (0, 0) at pixel (0, 0), y up.
void SetWorksheetPage(int widthPixels, int heightPixels);

// Draws the laid-out formula with its first line's top-left corner at (left, top) on the
// current page; the blank of a solution at the end of a line runs to `right`.
void DrawFormula(QPainter& painter, const Formula& formula, const FormulaBlock& block,
                 Showing showing, double left, double top, double right);

}  // namespace kalkora::worksheet

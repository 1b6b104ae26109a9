#pragma once
// The lines of a written division as a worked example shows them: the task line and the rows
// under it, each row right-aligned at a column of the task, so that like powers (or the digits
// of a number) stand under each other. The places follow from text widths, which only the
// window can measure: the engine names the texts to measure.

#include <vector>

#include "base/text.h"

namespace kalkora::fractions {

// What the places of a written division are measured from, all without colour marks: the
// whole task line (with the complete quotient), and the task line up to the right end of each
// column (a dividend term or digit).
struct WrittenColumns {
  Text wholeLine;
  std::vector<Text> columnEnds;  // [c − 1]: up to the end of column c
};

// One line on the page.
struct WrittenLine {
  int row = 0;        // 0 the task line (from the line's start), 1 … the rows under it
  int column = 0;     // rows: the column at whose right end `text` ends
  Text text;          // markup (colour marks "#", "_", "~")
  Text after;         // markup drawn right after `text` (the closing bracket of a product)
  bool rule = false;  // a rule under `text` and `after` (under a product)
};

}  // namespace kalkora::fractions

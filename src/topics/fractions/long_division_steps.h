#pragma once
// The written division as the learner carries it out, one answer at a time: find the next
// quotient term, write its product with the divisor, subtract and bring down the next
// dividend term, … until the final difference (0 at Stufe 2, the remainder at Stufe 3).
//
// DivisionSteps reads a division record (TermDivU2, TermDivU3) and gives everything the
// long-division window draws and judges: the task line with the places of its columns and
// quotient terms, and for each answer its field, its prompt, the text shown once it is
// answered, where that text stands, and the expected answer. The window measures texts and
// places them; it computes nothing of the division itself.
//
// Placing, for a window that draws the task line from x0 with one font size throughout:
// - dividend column i is the right end of its term: x0 + width(columnEnds[i − 1]);
// - quotient term k starts at x0 + width(quotientStarts[k − 1]); wholeLine (the task with
//   every quotient term) is what the window centres;
// - a row's text (and its answer field) ends at the column `column`; the zero of Stufe 2 is
//   centred under the product in the row above it instead;
// - rows are numbered 1 … 8 from the top: P1, R1, P2, R2, …, the final difference in row
//   2 · AnzQuotient.
//
// Example (Stufe 2, Variante 1): (28·h^3 + 55·h^2 – 3·h – 20) : (7·h + 5) gives the answers
// ‹4h^2›, ‹28h^3+20h^2›, ‹35h^2–3h›, ‹+5h›, ‹35h^2+25h›, ‹–28h–20›, ‹–4›, ‹–28h–20›, "0".

#include <vector>

#include "base/text.h"

namespace kalkora {
struct TTermDiv;
}

namespace kalkora::fractions {

enum class DivisionAnswer {
  QuotientTerm,     // Q_k: the current line's leading term over the divisor's leading term
  Product,          // P_k = Q_k · divisor, under the columns it covers
  Difference,       // R_k: the line above less P_k, with the next dividend term brought down
  FinalDifference,  // the line above less the last product: "0" or the remainder
};

enum class DivisionPlace {
  TaskLine,      // on the task line, where quotient term `term` starts
  ColumnEnd,     // in row `row`, the text's right end at dividend column `column`
  UnderProduct,  // in row `row`, centred under the product in the row above (Stufe 2's "0")
};

// One answer of the division.
struct DivisionStep {
  DivisionAnswer kind = DivisionAnswer::QuotientTerm;
  int term = 1;   // the quotient term k (1 … AnzQuotient) the step belongs to
  int field = 1;  // the answer field edt01 … edt12: 1 … 8 the rows, 9 … 12 the quotient terms
  DivisionPlace place = DivisionPlace::TaskLine;
  int row = 0;     // 0 for the task line, else 1 … 8 (see above)
  int column = 0;  // rows: the dividend column (1 … 6) at which the text and its field end
  bool ruleBelow = false;  // a product: a rule under it once the next answer is reached
  Text prompt;             // markup shown while the step is asked ("$Prüfe, wie oft …$")
  Text text;               // display text shown once the step is answered (right or shown)
  Text answer;             // the expected answer in input form: the field must equal it
};

struct WrittenDivision {
  Text task;                         // ‹(28·h^3 + … – 20) : (7·h + 5) = ›
  Text wholeLine;                    // the task followed by every quotient term
  std::vector<Text> columnEnds;      // [i − 1]: the task up to the end of dividend term i
  std::vector<Text> quotientStarts;  // [k − 1]: the whole line up to quotient term k
  std::vector<DivisionStep> steps;   // the answers in the order asked: 9 or 12
};

// The steps of the division in the record. A record without `Rest` (Stufe 2) ends with "0",
// one with `Rest` with the remainder as written there.
WrittenDivision DivisionSteps(const TTermDiv& termDiv);

}  // namespace kalkora::fractions

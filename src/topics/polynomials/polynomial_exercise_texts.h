#pragma once
// The fixed texts and places of the polynomial exercise window, by kind (1, 2, 3, 5) and
// level (1 … 3), and the texts it draws for an item.

#include "base/text.h"

namespace kalkora {

struct TPolynom;

namespace polynomial_exercise {

// "Polynom·Monom", "Polynom·Polynom", "Formeln für Binome", "Herausheben"; empty for others.
Text KindName(int kind);

// The instruction of every kind and level.
Text Instruction();

// The hint under the items (lblZusatz).
Text Hint(int kind, int level);

// Page x where the task and its answer start.
double PrefixX(int kind, int level);

// The text before the answer field: the task, with " = " for the product kinds (the tasks of
// the binomial formulas and of factoring out end with their own equals sign).
Text AnswerPrefix(int kind, const TPolynom& item);

// The line of an answered item, the answer in "#" marks: the solution when it was answered
// right, otherwise the learner's text with its exponent digits raised (‹x^10› as ‹x^1^0›).
Text AnsweredLine(int kind, const TPolynom& item, TextView typed);

}  // namespace polynomial_exercise
}  // namespace kalkora

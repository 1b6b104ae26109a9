#pragma once
// The long division as a worked example (dividing by terms at Stufe 2 and 3): the division of
// a TermDivU2 / TermDivU3 record built step by step, with a sentence per step that says what
// is done. With n quotient terms:
//   step 1        the task line;
//   step 2k       the next quotient term Q_k on the task line and its product P_k with the
//                 divisor in the row under the current line; the current line's leading term
//                 (the dividend's at k = 1, else the first term of the row R_(k−1)) and the
//                 divisor's leading term rose, Q_k and P_k olive: ‹Prüfe, wie oft #D1# in #L1#
//                 enthalten ist und multipliziere _Q_ mit dem Divisor D›;
//   step 2k + 1   (k < n) the difference R_k with the next dividend term T brought down:
//                 ‹Subtrahiere den Term _P_ und schreibe den nächsten Teilterm T herab.›;
//   step 2n + 1   Stufe 2: ‹Subtrahiert man den Term _P_ , so erhält man Null und die Division
//                 ist beendet.›; Stufe 3: the remainder's row and ‹… so erhält man als Rest R und
//                 die Division ist beendet.›;
//   step 2n + 2   (Stufe 3) "Schreibweise als Ergebnis mit Rest." and, in rose, ‹quotient + ›
//                 with the fraction remainder / divisor.
// Every step shows what the steps before it wrote, without their colours.

#include <vector>

#include "base/text.h"
#include "topics/fractions/written_lines.h"

namespace kalkora {
struct TTermDiv;
}

namespace kalkora::fractions {

// The closing line of Stufe 3: the text (‹4·h^2 + 5·h – 4 + ›) and the fraction after it.
struct DivisionWithRemainder {
  Text text;
  Text numerator;
  Text denominator;
};

struct WorkedDivisionStep {
  WrittenColumns columns;
  std::vector<WrittenLine> lines;  // the task line first, then the rows written so far
  Text sentence;                   // markup for DrawMarkup6
  int sentenceSize = 16;           // points
  bool closing = false;            // the last step of Stufe 3 shows `withRemainder`
  DivisionWithRemainder withRemainder;
};

// StepCount of the division: 7 or 9 without remainder (three or four quotient terms), 8 or 10
// with one.
int WorkedDivisionStepCount(const TTermDiv& division);

// The page of the division at step 1 … WorkedDivisionStepCount (clamped to that range).
WorkedDivisionStep WorkedDivisionAt(const TTermDiv& division, int step);

}  // namespace kalkora::fractions

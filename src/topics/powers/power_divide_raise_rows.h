#pragma once
// Where the parts of a row of the division and raising exercise stand on the exercise page
// (x −50 … 50, 10 pixels a unit): the task, centred on x = 0 as far as the row's fields allow,
// and the answer fields after it. Four kinds of rows:
//
//   DivideLine      ‹x^7 : x^3 = › and one field after it
//   DivideFraction  the task as a stacked fraction, " = " and an answer bar; the numerator field
//                   above the bar, the denominator field below it
//   RaiseLine       the task alone, its one field 2 units after it
//   RaiseFraction   ‹(num/den)^n =› around x = −8, the answer bar and both fields after it
//
// A fraction row's bar lies between its two fields, 3.3 units below the row's top.

#include "base/text.h"
#include "topics/powers/power_divide_raise_texts.h"
#include "topics/powers/power_record.h"

namespace kalkora::powers {

enum class DivideRaiseRowKind { DivideLine, DivideFraction, RaiseLine, RaiseFraction };

DivideRaiseRowKind RowKindOf(const DivideRaiseExercise& exercise, const TPotenz& item);

struct DivideRaiseRowPlace {
  DivideRaiseRowKind kind = DivideRaiseRowKind::DivideLine;
  double taskX = 0;      // the task's left edge; the centre of the quotient in a RaiseFraction
  double taskWidth = 0;  // the task's width; half the quotient's bar in a RaiseFraction
  double equalsX = 0;    // " = " after a DivideFraction's task
  double answerX = 0;    // the fields' left edge and the start of the answer bar
};

// The row of an item whose fields are `fieldPixels` wide. The fields end 10 pixels before the
// "Prüfen" buttons of the window (or before the result pictures when the row has none); a task
// that would push them further stands left of the centre.
DivideRaiseRowPlace PlaceDivideRaiseRow(const DivideRaiseExercise& exercise, const TPotenz& item,
                                        int fieldPixels);

// The task of a DivideLine with what follows it: ‹Text[8] : Text[9] = ›.
Text DivideLine(const TPotenz& item);

// The line y of the fractions of a row whose top is rowY: their bars lie 1.1 below it.
double FractionLineY(double rowY);

// The spacing of the finished DivideFraction ‹task = answer› (DrawFractionEquals): 3 at level 1,
// 2 at levels 2 and 3.
int DivideFractionSpacing(int level);

// The page x of the exercise raise mode's quotient centre.
inline constexpr double kRaiseFractionX = -8;

}  // namespace kalkora::powers

#include "topics/powers/power_divide_raise_rows.h"

#include <algorithm>

#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "practice/exercise_window.h"

namespace kalkora::powers {
namespace {

constexpr int kSize = 18;  // the rows' text, as in every exercise window
constexpr bool kBold = true;

// The fields end 10 pixels before the "Prüfen" buttons (window pixel 800, page x 29).
constexpr double kFieldsEndBeforeButtons = 28;
// A one-field row judged on leaving has no button: its field may reach the result pictures.
constexpr double kFieldsEndWithoutButtons = ExerciseWindow::kRowTextEndX;

// A line's field stands 10 pixels after the line; the raised task's field 2 units after it.
constexpr double kLineFieldGap = 1;
constexpr double kRaiseFieldGap = 2;

double PageWidth(TextView text) { return MarkupTextWidth(text, kSize, kBold) / 10.0; }

}  // namespace

DivideRaiseRowKind RowKindOf(const DivideRaiseExercise& exercise, const TPotenz& item) {
  if (exercise.mode == DivideRaiseMode::Divide) {
    return AnswerFieldCount(item) == 2 ? DivideRaiseRowKind::DivideFraction
                                       : DivideRaiseRowKind::DivideLine;
  }
  return exercise.level == 3 ? DivideRaiseRowKind::RaiseFraction : DivideRaiseRowKind::RaiseLine;
}

Text DivideLine(const TPotenz& item) {
  return Text(item.Text[8]).append(u" : ").append(item.Text[9]).append(u" = ");
}

double FractionLineY(double rowY) { return rowY - 2.2; }

int DivideFractionSpacing(int level) { return level == 1 ? 3 : 2; }

DivideRaiseRowPlace PlaceDivideRaiseRow(const DivideRaiseExercise& exercise, const TPotenz& item,
                                        int fieldPixels) {
  DivideRaiseRowPlace place;
  place.kind = RowKindOf(exercise, item);
  switch (place.kind) {
    case DivideRaiseRowKind::DivideLine:
      place.taskWidth = PageWidth(DivideLine(item));
      place.taskX = -place.taskWidth / 2;
      place.answerX = place.taskX + place.taskWidth + kLineFieldGap;
      break;
    case DivideRaiseRowKind::DivideFraction: {
      // As DrawFractionEquals places " = " and the second fraction by its spacing.
      const bool wide = DivideFractionSpacing(exercise.level) == 2;
      place.taskWidth = PowerFractionWidth(item.Text[8], item.Text[9], kSize);
      place.taskX = -place.taskWidth / 2;
      place.equalsX = place.taskX + place.taskWidth + (wide ? 0.5 : 0);
      place.answerX = place.taskX + place.taskWidth + (wide ? 4 : 3);
      break;
    }
    case DivideRaiseRowKind::RaiseLine:
      place.taskWidth = PageWidth(item.Text[8]);
      place.taskX = -place.taskWidth / 2;
      place.answerX = place.taskX + place.taskWidth + kRaiseFieldGap;
      break;
    case DivideRaiseRowKind::RaiseFraction:
      // The right side of DrawPowerOfFraction starts 5 units after the quotient's bar.
      place.taskWidth = WideFractionHalfWidth(item.Text[8], item.Text[9], kSize);
      place.taskX = kRaiseFractionX;
      place.answerX = place.taskX + place.taskWidth + 5;
      break;
  }
  const double end = CheckedByButton(exercise) ? kFieldsEndBeforeButtons : kFieldsEndWithoutButtons;
  const double beyond = place.answerX + fieldPixels / 10.0 - end;
  if (beyond > 0) {
    place.taskX -= beyond;
    place.equalsX -= beyond;
    place.answerX -= beyond;
  }
  return place;
}

}  // namespace kalkora::powers

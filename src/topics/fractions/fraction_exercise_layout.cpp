#include "topics/fractions/fraction_exercise_layout.h"

#include <algorithm>

#include "base/shared_functions.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

constexpr bool kBold = true;
constexpr int kFieldMargin = 20;
// The designed places of the domain and cancelling rows.
constexpr double kDomainTaskX = -20;
constexpr double kDomainFieldX = 10;
constexpr double kCancellingFieldX = 1;
// The field stands this far right of Rechts (10 pixels).
constexpr double kFieldGap = 1;

double Units(int pixels) { return pixels / 10.0; }

// The text width of a solution as the learner types it, carets counted.
int TypedWidth(TextView text) { return MarkupWidthCaret(text, kRowSize, kBold); }

// A row from `left` whose task is `taskWidth` wide and whose field follows it: Rechts is where
// the task ends, the field starts a unit later.
void SetRow(TBruchM& item, double left, double taskWidth, double fieldUnits) {
  item.Links = static_cast<float>(left);
  item.Rechts = static_cast<float>(left + taskWidth);
  item.Zehntel = static_cast<float>(taskWidth + kFieldGap + fieldUnits);
}

// The task and its field centred on the page; moved left where the field would reach past
// `endX`, but never into the face.
void CentreRow(TBruchM& item, double taskWidth, double fieldUnits, double endX) {
  const double width = taskWidth + kFieldGap + fieldUnits;
  double left = -width / 2;
  if (left + width > endX) left = std::max(kRowStartX, endX - width);
  SetRow(item, left, taskWidth, fieldUnits);
}

}  // namespace

double LikeDenominatorsTaskWidth(const TBruchM& item) {
  const int size = kLikeDenominatorsSize;
  const double w1 = FractionWidth(item.Text[1], item.Text[5], size);
  const double w2 = FractionWidth(item.Text[2], item.Text[6], size);
  if (item.Anzahl == 3) {
    // DrawThreeFractions: a gap of 3.4 after each fraction, the operators and "=" inside it.
    return w1 + w2 + FractionWidth(item.Text[3], item.Text[7], size) + 3 * 3.4;
  }
  // DrawFractionOpFraction: the operator and "=" as measured, a unit around each.
  return w1 + Units(MarkupWidth(Text(1, item.Op1), size, kBold)) + w2 +
         Units(MarkupWidth(u"=", size, kBold)) + 4;
}

double ProductTaskWidth(ExerciseKind kind, const TBruchM& item) {
  const SecondFraction second = SecondFactor(kind, item);
  return FractionWidth(item.Text[1], item.Text[5], kRowSize) +
         Units(MarkupWidth(second.op, kRowSize, kBold)) +
         FractionWidth(second.numerator, second.denominator, kRowSize) +
         Units(MarkupWidth(u"=", kRowSize, kBold)) + 4;
}

int RuleFieldWidth(const FractionExercise& exercise, const TBruchM& item) {
  switch (exercise.kind) {
    case ExerciseKind::Domain:
    case ExerciseKind::Cancelling: return 100;
    case ExerciseKind::Lcm:
    case ExerciseKind::DivideByMonomial: return TypedWidth(item.Loesung) + kFieldMargin;
    case ExerciseKind::LikeDenominators: {
      // The field spans the common denominator drawn under it; with three fractions it gets
      // no margin of its own.
      const int width = std::max(TypedWidth(item.Loesung), TypedWidth(item.Text[5]));
      return item.Anzahl == 3 ? width : width + kFieldMargin;
    }
    case ExerciseKind::Multiply:
    case ExerciseKind::Divide: {
      const Text solution = RemoveChar(item.Loesung, u'·');
      const std::size_t bar = solution.find(u'/');
      const TextView whole(solution);
      const TextView numerator = whole.substr(0, bar);
      const TextView denominator = bar == Text::npos ? TextView() : whole.substr(bar + 1);
      return std::max(TypedWidth(numerator), TypedWidth(denominator)) + kFieldMargin;
    }
  }
  return 100;
}

void LayOutRow(const FractionExercise& exercise, TBruchM& item, int fieldWidth) {
  item.Feldbreite = fieldWidth - kFieldMargin;
  const double field = Units(fieldWidth);
  switch (exercise.kind) {
    case ExerciseKind::Domain: {
      item.Bruchbreite = static_cast<float>(FractionWidth(item.Text[1], item.Text[4], kRowSize));
      const double taskWidth = kDomainFieldX - kFieldGap - kDomainTaskX;
      SetRow(item, kDomainTaskX, taskWidth, field);
      return;
    }
    case ExerciseKind::Cancelling: {
      // The fraction and " = " end where the fields begin.
      const double fraction = FractionWidth(item.Text[1], item.Text[4], kRowSize);
      const double taskWidth = fraction + Units(MarkupWidth(u" = ", kRowSize, kBold));
      item.Bruchbreite = static_cast<float>(fraction);
      SetRow(item, kCancellingFieldX - kFieldGap - taskWidth, taskWidth, field);
      return;
    }
    case ExerciseKind::Lcm:
    case ExerciseKind::DivideByMonomial: {
      const Text task =
          exercise.kind == ExerciseKind::Lcm ? item.Text[1] : MonomialDivisionTask(item);
      const double taskWidth = Units(MarkupWidth(task, kRowSize, kBold));
      item.Bruchbreite = 0;
      CentreRow(item, taskWidth, field, kRowEndX);
      return;
    }
    case ExerciseKind::LikeDenominators: {
      // The chain's width ends a unit after its "=": the field follows directly.
      const double taskWidth = LikeDenominatorsTaskWidth(item) - kFieldGap;
      item.Bruchbreite = static_cast<float>(taskWidth + kFieldGap + field);
      CentreRow(item, taskWidth, field, kRowEndX);
      return;
    }
    case ExerciseKind::Multiply:
    case ExerciseKind::Divide: {
      const double taskWidth = ProductTaskWidth(exercise.kind, item) - kFieldGap;
      item.Bruchbreite = static_cast<float>(taskWidth + kFieldGap + field);
      CentreRow(item, taskWidth, field, kCheckedRowEndX);
      return;
    }
  }
}

double FieldPageX(const TBruchM& item) { return item.Rechts + kFieldGap; }

int FieldTop(ExerciseKind kind, int field) {
  if (HasFractionAnswer(kind)) return field == 1 ? 5 : 45;
  return kind == ExerciseKind::LikeDenominators ? 5 : 30;
}

}  // namespace kalkora::fractions

// Worksheet tasks of the power exercises: multiplying, dividing, raising, adding/subtracting.

#include "topics/powers/power_generators.h"
#include "topics/powers/power_record.h"
#include "worksheet/generated_item.h"
#include "worksheet/worksheet_tasks.h"

namespace kalkora::worksheet {
namespace {

TPotenz Generated(powers::PowerKind kind, int level) {
  return GeneratedItem(powers::Potenzen, powers::GeneratorFor(kind, level));
}

// Multiplying and adding/subtracting: ‹task = solution› from the display forms.
Formula DisplayedTask(const TPotenz& item) {
  Formula formula{Markup(item.Text[4] + u" = ")};
  AppendSolution(formula, {Markup(item.Loesung())});
  return formula;
}

// A result: the numerator alone, or over the denominator where one is left.
FormulaPart Result(const TPotenz& item) {
  if (item.Text[12].empty()) return Markup(item.Text[11]);
  return Fraction(item.Text[11], item.Text[12]);
}

}  // namespace

Formula PowerMultiplyTask(int level) {
  return DisplayedTask(Generated(powers::PowerKind::Multiply, level));
}

Formula PowerAddSubTask(int level) {
  return DisplayedTask(Generated(powers::PowerKind::AddSub, level));
}

Formula PowerDivideTask(int level) {
  const TPotenz item = Generated(powers::PowerKind::DivideExercise, level);
  // As the exercise asks it: a result of one term after ‹x^7 : x^3 = ›, a result fraction
  // after the task fraction.
  Formula formula;
  if (item.Antwortart == 2) {
    formula = {Fraction(item.Text[8], item.Text[9]), Markup(u" = ")};
  } else {
    formula = {Markup(item.Text[8] + u" : " + item.Text[9] + u" = ")};
  }
  AppendSolution(formula, {Result(item)});
  return formula;
}

Formula PowerRaiseTask(int level) {
  const TPotenz item = Generated(powers::PowerKind::RaiseExercise, level);
  if (level == 3) {
    Formula formula{FractionPower(item.Text[8], item.Text[9], item.Text[13])};
    AppendSolution(formula, {Result(item)});
    return formula;
  }
  return DisplayedTask(item);
}

}  // namespace kalkora::worksheet

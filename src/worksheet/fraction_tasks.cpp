// Worksheet tasks of the fractional terms: domain, cancelling, kgV, like and unlike
// denominators, multiplying, dividing, dividing by a monomial and the written division.

#include "topics/fractions/domain_values.h"
#include "topics/fractions/fraction_exercise.h"
#include "topics/fractions/fraction_exercise_items.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/long_division_generators.h"
#include "topics/fractions/long_division_steps.h"
#include "topics/fractions/unlike_denominators_generators.h"
#include "worksheet/generated_item.h"
#include "worksheet/worksheet_tasks.h"

namespace kalkora::worksheet {
namespace {

using fractions::ExerciseKind;

TBruchM ExerciseItem(ExerciseKind kind, int level) {
  return GeneratedItem(fractions::Bruch, [kind, level](int i) {
    fractions::PrepareExerciseItem(fractions::KindNumber(kind), level, i);
  });
}

Text Spaced(char16_t op) { return Text(u" ") + op + u" "; }

// The excluded values ‹0,–1› as ‹0; –1›: a value with "/" stacked, its minus before the bar.
std::vector<FormulaPart> DomainSolution(TextView values) {
  std::vector<FormulaPart> parts;
  for (const fractions::DomainValue& value : fractions::DomainValues(values)) {
    if (!parts.empty()) parts.push_back(Markup(u"; "));
    if (!value.isFraction()) {
      parts.push_back(Markup(value.numerator));
      continue;
    }
    if (value.minus) parts.push_back(Markup(u"–"));
    parts.push_back(Fraction(value.numerator, value.denominator));
  }
  return parts;
}

// Multiplying and dividing share their items; dividing shows the second fraction upside down.
Formula ProductTask(ExerciseKind kind, int level) {
  const TBruchM item = ExerciseItem(kind, level);
  const fractions::SecondFraction second = fractions::SecondFactor(kind, item);
  Formula formula{Fraction(item.Text[1], item.Text[5]), Markup(u" " + second.op + u" "),
                  Fraction(second.numerator, second.denominator), Markup(u" = ")};
  AppendSolution(formula, {FractionSolutionPart(item.Loesung)});
  return formula;
}

Formula MonomialDivisionTask() {
  const TBruchM item = ExerciseItem(ExerciseKind::DivideByMonomial, 1);
  Formula formula{Markup(fractions::MonomialDivisionTask(item))};
  AppendSolution(formula, {Markup(item.Loesung)});
  return formula;
}

// ‹(dividend) : (divisor) = quotient›, at Stufe 3 followed by ‹Rest: remainder›.
Formula LongDivisionTask(int level) {
  const TBruchM item =
      GeneratedItem(fractions::Bruch, [level](int i) { fractions::MakeDivisionItem(level, i); });
  const fractions::WrittenDivision division = fractions::DivisionSteps(item.TermDiv);
  Formula formula{Markup(division.task)};
  AppendSolution(formula, {Markup(division.wholeLine.substr(division.task.size()))});
  if (level == 3) {
    FormulaPart rest = Markup(u"     Rest: ");
    rest.breakBefore = true;
    formula.push_back(rest);
    AppendSolution(formula, {Markup(item.TermDiv.Rest)});
  }
  return formula;
}

}  // namespace

Formula DomainTask(int /*level*/) {
  const TBruchM item = ExerciseItem(ExerciseKind::Domain, 1);
  FormulaPart letter = Markup(u"     " + Text(1, item.Var1) + u" ≠ ");
  letter.breakBefore = true;
  Formula formula{Fraction(item.Text[1], item.Text[4]), letter};
  AppendSolution(formula, DomainSolution(item.Loesung));
  return formula;
}

Formula CancellingTask(int /*level*/) {
  const TBruchM item = ExerciseItem(ExerciseKind::Cancelling, 1);
  Formula formula{Fraction(item.Text[1], item.Text[4]), Markup(u" = ")};
  AppendSolution(formula, {FractionSolutionPart(item.Loesung)});
  return formula;
}

Formula LcmTask(int /*level*/) {
  const TBruchM item = ExerciseItem(ExerciseKind::Lcm, 1);
  Formula formula{Markup(item.Text[1] + u" ")};
  AppendSolution(formula, {Markup(item.Loesung)});
  return formula;
}

Formula LikeDenominatorsTask(int /*level*/) {
  const TBruchM item = ExerciseItem(ExerciseKind::LikeDenominators, 1);
  Formula formula{Fraction(item.Text[1], item.Text[5]), Markup(Spaced(item.Op1)),
                  Fraction(item.Text[2], item.Text[6])};
  if (item.Anzahl == 3) {
    formula.push_back(Markup(Spaced(item.Op2)));
    formula.push_back(Fraction(item.Text[3], item.Text[7]));
  }
  formula.push_back(Markup(u" = "));
  // The solution is the numerator over the common denominator.
  AppendSolution(formula, {Fraction(item.Loesung, item.Text[5])});
  return formula;
}

Formula UnlikeDenominatorsTask(int level) {
  void (*const generator)(int) = level == 3   ? fractions::AddSubUngleichU3
                                 : level == 2 ? fractions::AddSubUngleichU2
                                              : fractions::AddSubUngleichU1;
  const TBruchM item = GeneratedItem(fractions::Bruch, generator);
  const TUngleich& u = item.Ungleich;
  Formula formula{Fraction(u.Zaehler[1], u.Nenner[1]), Markup(Spaced(u.Zeichen1)),
                  Fraction(u.Zaehler[2], u.Nenner[2])};
  if (item.Anzahl == 3) {
    formula.push_back(Markup(Spaced(u.Zeichen2)));
    formula.push_back(Fraction(u.Zaehler[3], u.Nenner[3]));
  }
  formula.push_back(Markup(u" = "));
  // The result over the main denominator and, where it cancels, the cancelled fraction.
  std::vector<FormulaPart> solution{Fraction(u.Ergebnis, u.HN)};
  if (item.Kenn[1]) {
    solution.push_back(Markup(u" = "));
    solution.push_back(Fraction(u.GekZaehler, u.GekNenner));
  }
  AppendSolution(formula, std::move(solution));
  return formula;
}

Formula FractionMultiplyTask(int level) { return ProductTask(ExerciseKind::Multiply, level); }
Formula FractionDivideTask(int level) { return ProductTask(ExerciseKind::Divide, level); }

Formula DivideByTermsTask(int level) {
  return level == 1 ? MonomialDivisionTask() : LongDivisionTask(level);
}

}  // namespace kalkora::worksheet

#pragma once
// One line of mathematics as a worksheet prints it: a row of parts — markup text, stacked
// fractions, the power of a fraction — some of which are the solution. On the task sheet the
// solution parts are left blank for the student to write in; the answer key shows them.
//
// Texts are markup without colour markers: "^" raises the next character (‹x^1^2›), "·" and
// "–" are drawn as they stand. The parts are copied from the item records the generators
// fill; nothing is computed here.

#include <vector>

#include "base/text.h"

namespace kalkora::worksheet {

enum class PartKind {
  Markup,         // text
  Fraction,       // numerator over denominator
  FractionPower,  // (numerator over denominator) raised to the exponent, followed by " = "
};

struct FormulaPart {
  PartKind kind = PartKind::Markup;
  Text text;         // the markup text, or the numerator
  Text denominator;  // Fraction, FractionPower
  Text exponent;     // FractionPower
  // The part belongs to the solution: blank on the task sheet, shown in the key.
  bool solution = false;
  // Where a formula is too wide for its column, it may continue on a new line before this part.
  bool breakBefore = false;

  bool operator==(const FormulaPart&) const = default;
};

using Formula = std::vector<FormulaPart>;

// Builders of parts.
FormulaPart Markup(TextView text);
FormulaPart Fraction(TextView numerator, TextView denominator);
FormulaPart FractionPower(TextView numerator, TextView denominator, TextView exponent);
// The same part as a solution inside the line (a gap of a formula to complete).
FormulaPart Gap(FormulaPart part);
// Appends the solution of a task: blank on the sheet; a formula too wide for its column may
// continue on a new line before it.
void AppendSolution(Formula& formula, std::vector<FormulaPart> parts);

// A solution "numerator/denominator" as the fraction records write it: a stacked fraction,
// or the numerator alone when there is no "/" or the denominator is "1".
FormulaPart FractionSolutionPart(TextView solution);

// The text without colour markers ("#", "_", "~", "$", "§"): exponents stay.
Text WithoutColourMarkers(TextView markup);

// The parts of the solution, in their order.
std::vector<FormulaPart> SolutionParts(const Formula& formula);

}  // namespace kalkora::worksheet

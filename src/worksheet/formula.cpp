#include "worksheet/formula.h"

#include <algorithm>

namespace kalkora::worksheet {

FormulaPart Markup(TextView text) {
  FormulaPart part;
  part.text = WithoutColourMarkers(text);
  return part;
}

FormulaPart Fraction(TextView numerator, TextView denominator) {
  FormulaPart part;
  part.kind = PartKind::Fraction;
  part.text = WithoutColourMarkers(numerator);
  part.denominator = WithoutColourMarkers(denominator);
  return part;
}

FormulaPart FractionPower(TextView numerator, TextView denominator, TextView exponent) {
  FormulaPart part;
  part.kind = PartKind::FractionPower;
  part.text = WithoutColourMarkers(numerator);
  part.denominator = WithoutColourMarkers(denominator);
  part.exponent = WithoutColourMarkers(exponent);
  return part;
}

FormulaPart Gap(FormulaPart part) {
  part.solution = true;
  return part;
}

void AppendSolution(Formula& formula, std::vector<FormulaPart> parts) {
  for (std::size_t i = 0; i < parts.size(); ++i) {
    parts[i].solution = true;
    parts[i].breakBefore = i == 0;
    formula.push_back(std::move(parts[i]));
  }
}

FormulaPart FractionSolutionPart(TextView solution) {
  const std::size_t bar = solution.find(u'/');
  if (bar == TextView::npos) return Markup(solution);
  const TextView denominator = solution.substr(bar + 1);
  if (denominator == u"1") return Markup(solution.substr(0, bar));
  return Fraction(solution.substr(0, bar), denominator);
}

Text WithoutColourMarkers(TextView markup) {
  Text text(markup);
  std::erase_if(text, [](char16_t c) {
    return c == u'#' || c == u'_' || c == u'~' || c == u'$' || c == u'§';
  });
  return text;
}

std::vector<FormulaPart> SolutionParts(const Formula& formula) {
  std::vector<FormulaPart> parts;
  std::copy_if(formula.begin(), formula.end(), std::back_inserter(parts),
               [](const FormulaPart& part) { return part.solution; });
  return parts;
}

}  // namespace kalkora::worksheet

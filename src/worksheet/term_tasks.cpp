// Worksheet tasks of substitution, like terms, the polynomial products, binomial formulas,
// completion and factoring out.

#include "topics/polynomials/completion_generators.h"
#include "topics/polynomials/completion_record.h"
#include "topics/polynomials/polynomial_exercise_texts.h"
#include "topics/polynomials/polynomial_items.h"
#include "topics/polynomials/polynomial_record.h"
#include "topics/terms/like_term_generators.h"
#include "topics/terms/like_term_texts.h"
#include "topics/terms/substitution_generators.h"
#include "topics/terms/substitution_texts.h"
#include "topics/terms/term_record.h"
#include "worksheet/generated_item.h"
#include "worksheet/worksheet_tasks.h"

namespace kalkora::worksheet {
namespace {

// The text before the solution ends in one blank: ‹(x + 5)^2 =› gets it, ‹… = › keeps its own.
Text EndingInBlank(Text prefix) {
  if (prefix.empty() || prefix.back() != u' ') prefix += u' ';
  return prefix;
}

// The polynomial kinds of the exercise window: 1 Polynom·Monom, 2 Polynom·Polynom,
// 3 Formeln für Binome, 5 Herausheben.
Formula PolynomialTask(int kind, int level) {
  const TPolynom item = GeneratedItem(polynomials::Polynom, PolynomGeneratorFor(kind, level));
  Formula formula{Markup(EndingInBlank(polynomial_exercise::AnswerPrefix(kind, item)))};
  AppendSolution(formula, {Markup(item.Loesung)});
  return formula;
}

}  // namespace

Formula SubstitutionTask(int level) {
  const TTerm item = GeneratedItem(terms_topic::EinsetzenTerme,
                                   [level](int i) { terms_topic::EinsetzenStufe(level, i); });
  // ‹T(a) = –3·(2 – 5·a)›, then ‹T(–2) = › on the same line where it fits.
  Formula formula{Markup(terms_topic::SubstitutionTaskText(item, level))};
  FormulaPart values = Markup(u"     " + terms_topic::SubstitutionAnswerPrefix(item, level));
  values.breakBefore = true;
  formula.push_back(values);
  AppendSolution(formula, {Markup(item.Loesung)});
  return formula;
}

Formula LikeTermsTask(int level) {
  const TTerm item = GeneratedItem(terms_topic::AddSubTerme,
                                   [level](int i) { terms_topic::AddSubStufe(level, i); });
  Formula formula{Markup(terms_topic::LikeTermAnswerPrefix(item))};
  AppendSolution(formula, {Markup(item.Loesung)});
  return formula;
}

Formula PolynomialMonomialTask(int level) { return PolynomialTask(1, level); }
Formula PolynomialPolynomialTask(int level) { return PolynomialTask(2, level); }
Formula BinomialTask(int level) { return PolynomialTask(3, level); }
Formula FactoringOutTask(int level) { return PolynomialTask(5, level); }

Formula CompletionTask(int level) {
  void (*const generator)(int) = level == 3 ? ErgaenzenU3 : level == 2 ? ErgaenzenU2 : ErgaenzenU1;
  const TErgaenzen item = GeneratedItem(polynomials::Ergaenzen, generator);
  // The formula with its gaps: Teile[1] Luecken[1] Teile[2] … Teile[n + 1].
  Formula formula;
  const auto gaps = static_cast<std::size_t>(item.AnzLuecken);
  for (std::size_t k = 1; k <= gaps; ++k) {
    if (!item.Teile[k].empty()) formula.push_back(Markup(item.Teile[k]));
    formula.push_back(Gap(Markup(item.Luecken[k])));
  }
  if (!item.Teile[gaps + 1].empty()) formula.push_back(Markup(item.Teile[gaps + 1]));
  return formula;
}

}  // namespace kalkora::worksheet

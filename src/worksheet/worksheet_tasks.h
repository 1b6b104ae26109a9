#pragma once
// One worksheet task of each exercise kind at a level (1 … 3; the kinds of one level take 1):
// the generator of the exercise window makes an item, and the task is written from the texts
// of its record — the task as the exercise shows it, the solution as the exercise shows it
// once answered right.

#include "worksheet/formula.h"

namespace kalkora::worksheet {

// Terme
Formula SubstitutionTask(int level);
Formula LikeTermsTask(int level);
Formula PolynomialMonomialTask(int level);
Formula PolynomialPolynomialTask(int level);
Formula BinomialTask(int level);
Formula CompletionTask(int level);
Formula FactoringOutTask(int level);

// Potenzen
Formula PowerMultiplyTask(int level);
Formula PowerDivideTask(int level);
Formula PowerRaiseTask(int level);
Formula PowerAddSubTask(int level);

// Bruchterme
Formula DomainTask(int level);
Formula CancellingTask(int level);
Formula LcmTask(int level);
Formula LikeDenominatorsTask(int level);
Formula UnlikeDenominatorsTask(int level);
Formula FractionMultiplyTask(int level);
Formula FractionDivideTask(int level);
// Stufe 1 divides by a monomial, Stufe 2 and 3 are the written polynomial division.
Formula DivideByTermsTask(int level);

}  // namespace kalkora::worksheet

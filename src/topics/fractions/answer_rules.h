#pragma once
// How the fraction exercise windows compare an answer with an item's solution. Every
// comparison is exact and case-sensitive; the key filters have already turned a typed "-"
// into "–".

#include "base/text.h"

namespace kalkora::fractions {

// The text a one-field answer must equal: the solution without "·" and without blanks.
Text ExpectedOneFieldText(TextView loesung);

// One answer field (kgV, like denominators, dividing by a monomial): the typed text against
// the solution without "·" and blanks.
bool IsRightOneFieldAnswer(TextView typed, TextView loesung);

// The domain: the typed text with its "·" removed against the solution without "·" and
// blanks; with two values (a "," in the solution) the two parts around its first "," may
// also stand the other way round ("–1,0" for "0,–1").
bool IsRightDomainAnswer(TextView typed, TextView loesung);

// Two answer fields (cancelling, multiplying, dividing): numerator + "/" + denominator
// against the expected answer.
bool IsRightFractionAnswer(TextView numerator, TextView denominator, TextView antwort);

}  // namespace kalkora::fractions

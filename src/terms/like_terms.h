#pragma once
// Like terms: reading the coefficients of a linear term through the evaluator, writing the
// marked solution of a like-term item, and cleaning it into the shown solution and the
// expected answer.

#include "base/text.h"

namespace kalkora {

struct Coefficients {
  Text coef1;     // of letter1
  Text coef2;     // of letter2; "0" when both letters are the same
  Text constant;  // the part without a letter
};

// The coefficients of a sum of integer multiples of letter1 and letter2 (parentheses allowed,
// internal form), as decimal texts: the term is evaluated with the letters set to (0, 0),
// (1, 0) and (0, 1). ‹3*a - (2*a - 5*b) + 4› gives "1", "5" and "4". A text that has no
// integer value there gives empty texts for what depends on that value.
Coefficients ReadCoefficients(TextView term, char16_t letter1, char16_t letter2);

// The solution of a like-term item with the colour markers "#" (letter1) and "_" (letter2),
// merged and in display form: with oneLetter only coef1 counts ("0", ‹#a#›, ‹–#a#›,
// ‹3·#a#›); with two letters coefficients 1 and −1 stay written (‹1·#a# – 1·_b_›,
// ‹3·#a# – 2·_b_›, ‹–4·_b_›, "0"). Passing the result through MergeSignPairs and
// ToDisplayForm again changes nothing.
Text LikeTermSolution(int coef1, int coef2, char16_t letter1, char16_t letter2, bool oneLetter);

struct CleanedSolution {
  Text shown;   // Loesung: without markers and unit coefficients, ‹a – b›
  Text answer;  // Antwort: shown without blanks and "·", ‹a–b›
};

// The markers "#" and "_" removed, every "1·" after a blank and a leading "1·" (also after a
// leading "–") deleted; the answer is the shown text without blanks and "·". A coefficient 11
// stays.
CleanedSolution CleanSolution(TextView marked);

}  // namespace kalkora

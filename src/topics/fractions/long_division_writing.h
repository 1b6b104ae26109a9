#pragma once
// The written polynomial division as texts: from the numbers a builder drew to every text of
// the TTermDiv record.
//
// How the texts are written (every reader of the record relies on it):
// - the first term of a polynomial or line has no sign when positive and "–" directly before
//   the number when negative (‹28·h^3›, ‹–30·e^4›); every later term begins with " + " or
//   " – " and the number without sign (‹ + 55·h^2›, ‹ – 20›);
// - the coefficient is always written, 1 included (‹ + 1·e›), joined to the letter by "·";
//   the exponent follows "^" when it is above 1; a constant has no letter;
// - a difference whose coefficient is 0 is written as blanks (the term ‹ + 0·h^2› with every
//   character a blank), so that its column stays empty;
// - `Rest` alone leaves a coefficient 1 out (‹h + 5›), as the learner types it.

#include <vector>

#include "base/text.h"

namespace kalkora {
struct TTermDiv;
}

namespace kalkora::fractions {

// The numbers of one division, as the builders draw them.
struct DivisionNumbers {
  std::vector<int> quotient;  // 3 or 4 coefficients, highest power first
  std::vector<int> divisor;   // 2 or 3 coefficients, highest power first
  // Stufe 3 adds a remainder of the shape restArt: 0 the constant r0, 1 the linear term r1·x,
  // 2 both (r1·x + r0). Without it (Stufe 2) the division ends with 0.
  bool withRest = false;
  int restArt = 0;
  int r0 = 0;
  int r1 = 0;
};

// The shape of the remainder the division has: restArt, except that a remainder must be of
// lower degree than the divisor, so over a two-term divisor only the constant (shape 0)
// counts; 0 without a remainder.
int RestShape(const DivisionNumbers& numbers);

// The remainder's coefficients, highest power first, as many as the divisor has terms less
// one (all 0 without a remainder).
std::vector<int> RemainderCoefficients(const DivisionNumbers& numbers);

// quotient · divisor + remainder, highest power first.
std::vector<int> DividendCoefficients(const DivisionNumbers& numbers);

// One term as the division writes it (above): first term or later term, coefficient 0 as
// blanks.
Text DivisionTerm(int coefficient, char16_t letter, int exponent, bool first);

// A fresh record (nothing of an earlier division is left) with every field written from the
// numbers: Koeff (quotient, divisor, and in 33 and 34 the dividend's constant and linear
// coefficient), AnzQuotient, AnzDivisor, Dividend, Divisor, Quotient, the lines P1, R1, …, Pn
// in Zeilen, RestArt (RestShape) and Rest. The numbers are those the builders draw: 3 or 4
// quotient and 2 or 3 divisor coefficients, leading ones non-zero, and no dividend
// coefficient 0 (a dividend term 0 would leave its column empty).
TTermDiv WriteTermDiv(const DivisionNumbers& numbers, char16_t letter);

}  // namespace kalkora::fractions

#pragma once
// How the polynomial generators write their texts. A generator builds a task or solution in
// the internal form ("*", ASCII "-", one blank on each side of a sign between terms) with the
// colour markers of the markup text around the letters, and `Displayed` turns the finished
// text into the display form: sign pairs merged (‹+ -6› to ‹- 6›), then "·" and "–".

#include "base/one_based_array.h"
#include "base/text.h"

namespace kalkora {

namespace polynomials {

// The colour markers of the first to fourth letter of an item.
inline constexpr char16_t kMark1 = u'#';
inline constexpr char16_t kMark2 = u'_';
inline constexpr char16_t kMark3 = u'~';
inline constexpr char16_t kMark4 = u'$';

// The longest redraw loop (number of draws) since the last reset; tests and benchmarks watch
// that no loop needs too many draws.
inline int LongestRedraw = 0;

}  // namespace polynomials

// Runs `draw` (which draws all numbers of one loop and says whether they are admissible)
// until it returns true.
template <typename Draw>
void RedrawUntil(Draw draw) {
  int draws = 1;
  while (!draw()) ++draws;
  if (draws > polynomials::LongestRedraw) polynomials::LongestRedraw = draws;
}

// A coefficient written in front of a factor: nothing for 1, a lone "-" for −1, otherwise the
// number and "*" (‹21*›, ‹-6*›).
Text Coefficient(int n);

// A letter with its exponent in markup: ‹x› for 1, ‹x^3›, ‹x^1^0› for two digits.
Text Power(char16_t letter, int exponent);

// Text enclosed in a colour marker: ‹#x^2#›.
Text Marked(char16_t marker, TextView inside);

// A sign between two terms with one blank on each side; '+' gives " + ", '-' or '–' " - ".
Text Between(char16_t sign);

// The opposite sign ('+' for '-' or '–', '-' for '+').
char16_t Opposite(char16_t sign);

// The sign of a product of two signs.
char16_t Times(char16_t sign1, char16_t sign2);

// A term of a sum with its sign: " + 12" / " - 12" / " + " + Coefficient(n) + factor …
// `SignedValue(n)` is " + n" for n ≥ 0 and " - |n|" otherwise.
Text SignedValue(int n);

// The internal-form text as it is stored: sign pairs merged, then the display form.
Text Displayed(TextView internal);

// A letter with its exponent in a colour marker: ‹#x^2#›.
Text MarkedPower(char16_t marker, char16_t letter, int exponent = 1);

// One summand of a polynomial: its coefficient and its factors (marked powers joined by "*");
// a summand without factors is a constant.
struct Summand {
  int coefficient = 0;
  Text factors;
};

// The summands as a sum in the internal form, in the given order: the first with its own sign,
// the others after " + " (the merging of `Displayed` turns ‹+ -6› into ‹- 6›); summands with
// coefficient 0 are left out.
Text SumText(const Summand* summands, int count);

// Factors joined by "*"; empty factors are skipped.
Text Product(TextView factor1, TextView factor2);

// Draws `count` (1 … 4) pairwise different letters with RandomLetter, returned as entries
// 1 … count. With ordered12 the second letter comes later in the alphabet than the first,
// with ordered34 the fourth later than the third; all letters are drawn again until every
// condition holds.
OneBasedArray<char16_t, 4> DrawLetters(int count, bool ordered12 = false, bool ordered34 = false);

// The sign of Vz[index] in the internal form ('+' or '-').
char16_t SignOf(int index);

}  // namespace kalkora

#pragma once
// Writing the texts of the fraction worked examples: signed terms and sums in display form,
// colour marks, and a fresh record for each example. The worked examples write their texts
// finished (display minus "–", no exponent 1, no coefficient 1), since the colour marks stand
// where the finishing steps would have to look.

#include <initializer_list>
#include <utility>

#include "base/text.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

inline constexpr char16_t kDisplayMinus = u'–';

// Bruch[index] emptied: an example never shows a field that an earlier item (of another topic
// or of an exercise) left behind.
TBruchM& FreshExample(int index);
// The usual start of an example: Bruch[index] emptied, its variant drawn from 1 … `variants`,
// then `letters` different letters (Var1 …) in no particular order.
TBruchM& FreshExample(int index, int variants, int letters);

// "+" or "–" with equal chance.
char16_t DrawDisplaySign();

// The text between two markers: Marked(u"x^2", u'#') is ‹#x^2#›.
Text Marked(TextView text, char16_t marker);

// The text in brackets.
Text Bracketed(TextView text);

// A term: the coefficient, "·" and the power of the letter; a coefficient 1 is left out
// (–1 as "–"), an exponent 0 leaves the number alone. Term(3, x, 2) ‹3·x^2›, Term(1, x, 1) "x",
// Term(–2, x, 3) ‹–2·x^3›, Term(5, x, 0) "5".
Text Term(int coefficient, char16_t letter, int exponent);

// c·x s d: the binomial with a coefficient 1 left out. Linear(2, x, u'+', 3) ‹2·x + 3›.
Text Linear(int c, char16_t letter, char16_t sign, int d);

// The sign of a number as shown between terms: "+" for n ≥ 0, "–" below.
char16_t SignCharacter(int n);

// The number as the program writes it: ‹–5›, "5".
Text SignedNumber(int n);

// The value that makes "letter s value" zero: ‹–value› for "+", "value" for "–".
Text ZeroOf(char16_t sign, TextView value);

// A sum of terms, each a coefficient with what it multiplies (empty for a number): terms with
// coefficient 0 are left out, a coefficient 1 before a letter is not written, the first term
// carries a minus directly (‹–3·x + 4›) and the others " + " or " – ". Each term may be
// wrapped in a marker (0: none). "0" when every coefficient is 0.
struct SumTerm {
  int coefficient = 0;
  Text factor;          // "x", ‹x^2›, ‹x·y›, or empty for a number
  char16_t marker = 0;  // the colour mark of the whole term (its sign stays outside)
};
Text SumText(std::initializer_list<SumTerm> terms);

// The sum with every sign turned round, as it is written after a minus (‹–3·x + 5› gives
// ‹3·x – 5›, "7" gives ‹–7›). For sums without brackets, as results are written.
Text NegatedSum(TextView sum);

// The non-empty factors joined by "·"; "1" when all are empty.
Text ProductOrOne(std::initializer_list<TextView> factors);

// Two numbers from low … high whose greatest common divisor is 1.
std::pair<int, int> DrawCoprimePair(int low, int high);

}  // namespace kalkora::fractions

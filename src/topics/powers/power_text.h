#pragma once
// Text building blocks of the power generators: powers and exponents in markup, coloured
// parts, collected sums, and the way from markup to the display form and the typed answer.

#include <vector>

#include "base/text.h"

namespace kalkora::powers {

// The colour markers of the power markup, in the order the letters of an item use them.
inline constexpr char16_t kMarkers[] = {u'#', u'_', u'~', u'$', u'§'};

// An exponent as markup: a caret before every further digit (7 → "7", 12 → "1^2").
Text ExponentMarkup(int exponent);

// A letter to a power in markup: exponent 1 gives the plain letter (‹x›, ‹x^3›, ‹x^1^2›).
Text PowerMarkup(char16_t letter, int exponent);

// The text between two of the marker (‹#x^2#›).
Text Marked(TextView text, char16_t marker);

// The text without the given characters.
Text WithoutChars(TextView text, TextView chars);

// Markup to display form: the markers "#", "_", "~", "$" and "§" removed.
Text DisplayForm(TextView markup);

// Display form to the answer a learner types: blanks and "·" removed, every exponent of two
// digits joined (‹24·g^1^0› gives ‹24g^10›, ‹–2·f^5 – g^4› gives ‹–2f^5–g^4›).
Text AnswerForm(TextView display);

// A coefficient in front of a term, a coefficient 1 left out (1, ‹#x#› gives ‹#x#›;
// 3, ‹#x#› gives ‹3·#x#›). The coefficient is positive.
Text CoefficientTimes(int coefficient, TextView term);

// " + " or " – " for the sign character "+" or "–".
Text SignJoint(char16_t sign);

// The factors joined by "·".
Text JoinFactors(const std::vector<Text>& factors);

// One summand of a collected sum: a coefficient times a power in markup, or a constant when
// the power is empty.
struct Summand {
  int coefficient = 0;
  Text power;
};

// A collected sum: summands with coefficient 0 left out, the first one with its sign written
// directly (‹–6·p^3›), the others joined by " + " or " – ", a coefficient 1 or −1 before a
// power left out (‹– p›); "0" when every coefficient is 0. Never empty.
Text CollectedSum(const std::vector<Summand>& summands);

}  // namespace kalkora::powers

#pragma once
// Exponents in the internal form and in markup. The internal form writes ‹x^12›; in markup
// text "^" raises only the one character after it, so an exponent of two digits is written
// with a second "^" before its second digit: ‹x^1^2›.

#include "base/text.h"

namespace kalkora {

// Internal form to markup: after each "^" followed by two digits a "^" is put between the two
// digits (only the first two digits of a longer exponent: ‹x^123› gives ‹x^1^23›); a "^" at
// the very end is dropped ("x^" gives "x").
Text SplitExponentDigits(TextView text);

// Markup back to the internal form: while the text contains ‹^d^› for a digit d, the second
// "^" of one occurrence is deleted — the pattern of the smallest digit d that occurs, at its
// leftmost place. ‹x^1^2 + y^3› gives ‹x^12 + y^3›.
Text JoinExponentDigits(TextView text);

// Exactly two characters "12" give ‹1^2›; a text of any other length is returned unchanged.
Text TwoDigitExponentMarkup(TextView digits);

// Removes every exponent 1: each "^1" that is not followed by a further digit or by the "^"
// of a two-digit markup exponent. ‹x^1·y^2› gives ‹x·y^2›; ‹x^12› and ‹x^1^0› stay.
Text DropExponentOne(TextView text);

}  // namespace kalkora

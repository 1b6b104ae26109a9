#pragma once
// Random building blocks of the term generators: signs, coefficients, substitution values and
// letter sequences. Every number comes from the process's one random source (base/random.h).

#include "base/one_based_array.h"
#include "base/text.h"

namespace kalkora::term_builders {

// Seven random signs "+" or "-" (internal form). Every term generator redraws all seven at its
// start; the next item overwrites them.
inline OneBasedArray<char16_t, 7> Vorzeichen;

// Fills Vorzeichen[1 … 7]: "+" when Random(2) is 0, "-" when it is 1.
void RandomSigns();

}  // namespace kalkora::term_builders

namespace kalkora {

// Random(high − low + 1) + low; when isSigned, negated when a further Random(2) is 0.
// For high < low the result is low. Computed in 64 bits, so that every int argument is safe
// (a result outside the int range is clamped to it).
int RandomCoefficient(int low, int high, bool isSigned);

// One of 0, 1, 2, 3, 4, −5, −6, −7, −8, −9, −10, each with probability 1/11.
int RandomSubstValue();

// A text of the given length with count1 copies of letter1 at random places and letter2 in
// every other place, every arrangement equally likely. Slots are drawn with Random(length) + 1
// until count1 free ones are taken. A negative length counts as 0; count1 is clamped to
// 0 … length, so the drawing always ends.
Text RandomLetterSequence(char16_t letter1, char16_t letter2, int count1, int length);

}  // namespace kalkora

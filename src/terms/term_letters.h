#pragma once
// The letters of a term: substituting numbers for them, marking them with the colour markers
// of the markup text, swapping them, and drawing a random letter.

#include "base/text.h"

namespace kalkora {

// Every occurrence of letter replaced by the decimal text of n ("-" before a negative n, no
// parentheses). With 0 and 1 it prepares a term for reading its coefficients.
Text SubstituteLetter(TextView text, char16_t letter, int n);

// SubstituteLetter for letter1 with value1, then for letter2 with value2.
Text SubstituteLetters(TextView text, char16_t letter1, char16_t letter2, int value1, int value2);

// The same for three letters, in the order letter1, letter2, letter3.
Text SubstituteLetters3(TextView text, char16_t letter1, char16_t letter2, char16_t letter3,
                        int value1, int value2, int value3);

// Every occurrence of letter replaced by "#" + n + "#" when n ≥ 0 and by "#(" + n + ")#" when
// n < 0, n written with "-" (the caller applies ToDisplayForm afterwards):
// ‹3·x + 5› with x = -2 gives ‹3·#(-2)# + 5›.
Text SubstituteMarked(TextView text, char16_t letter, int n);

// SubstituteMarked for letter1 with value1, then for letter2 with value2.
Text SubstituteMarked2(TextView text, char16_t letter1, char16_t letter2, int value1, int value2);

// Every "x" replaced by "#" + replacement + "#" (no parentheses).
Text SubstituteTermMarked(TextView text, TextView replacement);

// Every letter1 put between "#" and every letter2 between "_" (letter1 is tested first).
Text MarkLetters(TextView text, char16_t letter1, char16_t letter2);

// Character by character: letter1 becomes ch1, letter2 becomes ch2. Each position is tested
// against letter1 first, then the possibly changed character against letter2.
Text SwapLetters(TextView text, char16_t letter1, char16_t letter2, char16_t ch1, char16_t ch2);

// A random letter "a" … "z" other than "l", each of the 25 with the same chance.
char16_t RandomLetter();

}  // namespace kalkora

#pragma once
// Adding and subtracting fractions with like denominators ("gleichnamig").

#include "base/text.h"

namespace kalkora::fractions {

// The result numerator of the letter variants, internal form before the finishing steps: the
// first non-zero coefficient with its letter (‹-3·y›), each further one as ‹ + c·letter› or
// ‹ - |c|·letter›; "0" when all three coefficients are 0.
Text CollectedNumerator(const int (&coefficients)[3], const char16_t (&letters)[3]);

// Fills Bruch[index] with one of 4 variants: Text[1 … Anzahl] the numerators, Text[5 … 7]
// the common denominator (all three slots), Op1 (and Op2 with three fractions) "+" or "–",
// Anzahl 2 or 3, Loesung the result numerator (a number, or the collected sum of the letter
// terms), Antwort, Var1 … Var3.
void AddSubGleichU(int index);

}  // namespace kalkora::fractions

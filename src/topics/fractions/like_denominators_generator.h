#pragma once
// Adding and subtracting fractions with like denominators ("gleichnamig").

namespace kalkora::fractions {

// Fills Bruch[index] with one of 4 variants: Text[1 … Anzahl] the numerators, Text[5 … 7]
// the common denominator (all three slots), Op1 (and Op2 with three fractions) "+" or "–",
// Anzahl 2 or 3, Loesung the result numerator (a number, or the collected sum of the letter
// terms), Antwort, Var1 … Var3.
void AddSubGleichU(int index);

}  // namespace kalkora::fractions

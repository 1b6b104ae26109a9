#pragma once
// The domain items ("Definitionsmenge"): which values the letter of a fractional term must not
// take.

namespace kalkora::fractions {

// Fills Bruch[index] with one of 25 variants: Text[1] the numerator, Text[4] the denominator,
// Loesung the excluded values without blanks ("0", ‹–5/3›, ‹–3y›, ‹0,–1›, ‹–3,7›; two values
// in the order of their factors, 0 first), Var1 < Var2. Writes no Antwort.
void DefmengeU(int index);

}  // namespace kalkora::fractions

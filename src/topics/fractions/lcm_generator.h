#pragma once
// The least common multiple items ("kgV") of two or three terms.

namespace kalkora::fractions {

// Fills Bruch[index] with one of 9 variants: Text[1] the whole task ‹kgV(…, …) =›, Loesung
// the least common multiple (coefficient, letters Var1, Var2, then the binomial factors),
// Antwort, Var1, Var2.
void KgvU(int index);

}  // namespace kalkora::fractions

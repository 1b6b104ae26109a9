#pragma once
// Dividing a sum of two or three powers by a monomial ("Dividieren durch eingliedrige Terme").

namespace kalkora::fractions {

// Fills Bruch[index] with one of 4 variants: Text[1] the dividend, Text[5] the divisor,
// Loesung the quotient (term by term in variants 1 and 3, factored out in 2 and 4), Antwort,
// Var1, Var2. Uses three signs of its own, not Vz.
void TermDivU1(int index);

}  // namespace kalkora::fractions

#pragma once
// The least common multiple items ("kgV") of two or three terms.

#include <tuple>
#include <utility>

namespace kalkora::fractions {

// Two numbers p ≠ q from low … high; coprime or, with commonFactor, not coprime.
std::pair<int, int> DrawPair(int low, int high, bool commonFactor);
// Three pairwise different numbers from low … high without a common factor of all three.
std::tuple<int, int, int> DrawCoprimeTriple(int low, int high);

// Fills Bruch[index] with one of 9 variants: Text[1] the whole task ‹kgV(…, …) =›, Loesung
// the least common multiple (coefficient, letters Var1, Var2, then the binomial factors),
// Antwort, Var1, Var2.
void KgvU(int index);

}  // namespace kalkora::fractions

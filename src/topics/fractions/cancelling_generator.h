#pragma once
// The cancelling items ("Kürzen"): a fraction built as common factor × rest over common
// factor × rest; the solution is the rest fraction.

namespace kalkora::fractions {

// Fills Bruch[index] with one of 12 variants: Text[1] numerator, Text[4] denominator, Loesung
// numerator "/" denominator (a side that cancels to 1 written "1"), Antwort, Var1, Var2.
void KuerzenU(int index);

}  // namespace kalkora::fractions

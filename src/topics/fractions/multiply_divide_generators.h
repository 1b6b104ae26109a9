#pragma once
// Multiplying and dividing fractional terms at Stufe 1, 2 and 3. The same items serve both
// exercises: the division window shows the second fraction upside down after ":", which
// leaves the solution unchanged.

#include "base/text.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

// Each fills Bruch[index]: Text[1] / Text[5] the first fraction, Text[2] / Text[6] the second,
// Op1 "·", Loesung numerator "/" denominator in lowest terms, Antwort, Var1 … Var4.

// Stufe 1: monomials, 3 variants, four cancelling schemes.
void MultDivU1(int index);
// Stufe 2: binomials, one variant (Variante 2), four schemes, eight sign patterns.
void MultDivU2(int index);
// Stufe 3: sums to factor out, differences of squares, 5 variants with sub-schemes.
void MultDivU3(int index);

// Writes the four task texts, Op1 "·" and the finished solution and answer of a
// multiply/divide item.
void WriteMultDivItem(TBruchM& item, TextView numerator1, TextView denominator1,
                      TextView numerator2, TextView denominator2, TextView solution);

}  // namespace kalkora::fractions

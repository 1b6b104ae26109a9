#pragma once
// The written division of a polynomial by a polynomial of two or three terms ("Dividieren
// durch mehrgliedrige Terme"): Stufe 2 without, Stufe 3 with a remainder. The long-division
// exercise and its worked example share these builders.
//
// Variante   quotient terms   divisor terms   dividend terms   answers
//    1             3                2                4             9
//    2             3                3                5             9
//    3             4                2                5            12
//    4             4                3                6            12
//
// Each builder draws a sign case of its variant (the signs of every coefficient; the leading
// coefficients are positive except the divisor's in case 3 of variant 2), then the magnitudes
// (leading coefficients 2 … 7, the others 1 … 6) again until every coefficient of the product
// is non-zero and the variant's Gcd conditions hold, with the sign behaviour of Gcd.
// Stufe 3 adds a remainder of lower degree than the divisor: a constant 1 … 9 over a two-term
// divisor (RestArt 0); over a three-term divisor a constant, a linear term or both (RestArt
// 0, 1, 2). Its numbers are drawn again, in the same case, until no dividend coefficient is 0.

namespace kalkora {
struct TTermDiv;
}

namespace kalkora::fractions {

// Stufe 2: a division without remainder. Sets the letter and writes a fresh record (nothing
// of an earlier division is left; texts as in long_division_writing.h). A variant outside
// 1 … 4 counts as 1.
void TermDivU2(int variante, char16_t& letter, TTermDiv& termDiv);

// Stufe 3: the same with a remainder (RestArt, Rest).
void TermDivU3(int variante, char16_t& letter, TTermDiv& termDiv);

// A new division for Bruch[index], as the long-division exercise makes one: Variante drawn
// from 1 … 4 and stored in the item, then TermDivU3 at level 3 and TermDivU2 otherwise into
// the item's Var1 and TermDiv. The item's other fields stay as they are.
void MakeDivisionItem(int level, int index);

}  // namespace kalkora::fractions

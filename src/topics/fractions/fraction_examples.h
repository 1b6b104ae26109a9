#pragma once
// The builders of the fraction worked examples. Each starts Bruch[index] from a fresh record,
// draws its variant (Variante) and its letters (Var1 …), and writes the texts its page draws,
// finished and with the colour marks of the markup ("#" rose, "_" olive, "~" violet, "$"
// purple). Every "=" an example shows holds, and every factor marked as cancelling stands,
// with the same mark, in a numerator and in a denominator.

namespace kalkora::fractions {

// Domain: Text[1] / Text[4] the fraction, Var1 the letter whose values are excluded, Var2 a
// second letter.
// - Stufe 1 (9 variants) and Stufe 2 (8): one excluded value Text[9] ("0", ‹–9›, ‹–5·y›);
//   with Schalter the value is the quotient Text[9] / Text[10] (‹–5› / "3"), its sign in
//   Text[9]. Stufe 2 writes values with the second letter.
// - Stufe 3 (9): two excluded values Text[9] and Text[10], the second the quotient
//   Text[10] / Text[12] when Schalter is set; Text[11] the factored denominator when the
//   denominator is a sum; Anzahl 2 when the denominator is a product of the two letters
//   (Text[9] and Text[10] "0": Var1 ≠ 0 and Var2 ≠ 0).
void DefmengeM1(int index);
void DefmengeM2(int index);
void DefmengeM3(int index);

// Cancelling: Text[1] / Text[4] the task, Text[11] / Text[12] the same fraction factored with
// the common factor in rose, and the result: Text[9] / Text[10] when Schalter is set, else the
// single term or sum Text[9]. Stufe 1 (2 variants) powers, Stufe 2 (6) sums over monomials
// and simple binomials, Stufe 3 (7) binomial factors and differences of squares.
void KuerzenM1(int index);
void KuerzenM2(int index);
void KuerzenM3(int index);

// Least common multiple: Text[1] the task with its result (‹kgV(72, 140) = #2520#›), Text[11]
// the factorisation of each term, separated by ", ", in which the factors that make up the
// result are coloured (all of the first term, of each further term those it adds); Anzahl the
// number of terms. Stufe 1 (2 variants) numbers, Stufe 2 (2) monomials, Stufe 3 (8)
// polynomials.
void KgvM1(int index);
void KgvM2(int index);
void KgvM3(int index);

// Like denominators: Anzahl fractions (2 or 3) with the numerators Daten[1], Daten[3],
// Daten[5] (letter terms rose, numbers olive; a number numerator rose) and the operators
// Daten[2], Daten[4] ("+" or "–"), all over Text[4]; the result numerator Daten[9], with the
// sign Daten[8] ("–") before the fraction when the whole result is negative. Stufe 3 writes
// the denominators of the two fractions differently (Text[5], Text[6], both equal to Text[4]),
// and sets Kenn[1]: the result cancels, with the factored numerator Daten[10] over the
// factored denominator Text[7] (the cancelling factor violet) and the cancelled result
// Daten[11] / Daten[12] (Daten[12] empty: a whole number). 4 variants at each level.
void AddSubGleichM1(int index);
void AddSubGleichM2(int index);
void AddSubGleichM3(int index);

// Multiplying and dividing (the division shows the second fraction turned over after ":"):
// Text[1] / Text[5] and Text[2] / Text[6] the two fractions, Op1 "·"; Daten[1] / Daten[2] and
// Daten[3] / Daten[4] the pair with the cancelling factors marked (each mark once above and
// once below the bars), at Stufe 2 and 3 factored; at Stufe 1 the pair after cancelling
// Daten[5] / Daten[6] and Daten[7] / Daten[8]; the result Text[9] / Text[10] in lowest terms
// (Text[10] "1": a whole term). Stufe 1 (3 variants) monomials, Stufe 2 (2) binomials,
// Stufe 3 (5) sums to factor.
void MultDivM1(int index);
void MultDivM2(int index);
void MultDivM3(int index);

// Dividing by a monomial (4 variants): Text[1] the dividend, Text[5] the divisor, Anzahl the
// dividend's terms (2 or 3). Without Schalter the term-by-term split: numerators Daten[1 …
// Anzahl] over the denominators Daten[11 …], operators Daten[7], Daten[8]; with Schalter the
// factored fraction Text[11] / Text[12]. Text[9] the result.
void TermDivM1(int index);

// Unlike denominators, one example worked through in four steps (unlike_example_page.h): the
// Ungleich record of the exercise's items (unlike_denominators_generators.h), made by the same
// steps. Stufe 1 (7 variants): the exercise's four, numbers over single letters, over numbers
// times letters, over x·y, x and y. Stufe 2 (6): the exercise's three, x^2 – r^2 beside x ± r,
// x·(x ± r) beside p·x, two brackets. Stufe 3 (8): the exercise's three, a sum over
// p·(x^2 – r^2) beside q·(x ± r), three fractions over x·(x ± r), x and x ± r, two letters over
// x·(x ± y) and y·(x ± y), squares that cancel, a quadratic result.
void AddSubUngleichM1(int index);
void AddSubUngleichM2(int index);
void AddSubUngleichM3(int index);

// Dividing by terms at Stufe 2 and 3: one long division (worked_division.h) from a fresh
// record, as the long-division exercise makes it: Variante drawn, then TermDivU2 / TermDivU3
// into Var1 and TermDiv.
void TermDivM2(int index);
void TermDivM3(int index);

}  // namespace kalkora::fractions

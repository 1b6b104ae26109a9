#pragma once
// Adding and subtracting fractions with unlike denominators ("ungleichnamig"), worked in five
// stages: factorise the denominators, the main denominator, the extension factors, the
// extended numerators, the result (cancelled where possible).
//
// Each entry point makes Bruch[index] afresh (nothing of an earlier item survives) and fills
// its Ungleich record: Nenner, NennerText, Zerlegung, Zaehler, Faktor, ErwZaehler (the
// factor between "~" markers), NeuZaehler, Zahl (1 … 3 the denominators' numbers, 4 … 6 the
// numerators' first coefficients), Zeichen1 (and Zeichen2 with three fractions), HN, HNZeile,
// Ergebnis (the result numerator over HN) and, when the result cancels, GekZaehler and
// GekNenner; besides Variante, Anzahl (2 or 3), Var1 … Var3, Kenn[1] (the result cancels)
// and Kenn[3] (the item starts with factorising).
//
// Every result is in lowest terms: a draw whose result numerator is 0 or has a coefficient 0,
// shares a letter or bracket with the main denominator, shares a number with it where the
// variant does not cancel, or would cancel to a denominator with the number 1, is drawn
// again, as is a task numerator that shares a bracket with its own denominator.

namespace kalkora::fractions {

// Stufe 1, 4 variants: monomial denominators n·x (two or three fractions, power notation),
// or x^2 ± x and x^2 – 1 with number numerators.
void AddSubUngleichU1(int index);

// Stufe 2, 3 variants: p·x^2 – p·r^2 with q·x ± q·r (two or three fractions), or two linear
// denominators with linear numerators.
void AddSubUngleichU2(int index);

// Stufe 3, 3 variants: a quadratic result, three fractions over p·x^2 – p·x and its kin, or
// three fractions in two letters.
void AddSubUngleichU3(int index);

// The most passes through redraw loops one item has needed since this was last set to 0
// (tests and benchmarks watch it stays below 10 000).
inline int LongestUnlikeDraws = 0;

}  // namespace kalkora::fractions

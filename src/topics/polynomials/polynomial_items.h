#pragma once
// Filling the polynomial items of a window: the generator of each kind and level, and the
// preparation of the first `count` items of polynomials::Polynom.

#include "base/text.h"

namespace kalkora {

struct TPolynom;

// An entry point that fills item i (1 … 5) of polynomials::Polynom.
using PolynomGenerator = void (*)(int i);

// The generator of a kind (1 "Polynom·Monom", 2 "Polynom·Polynom", 3 "Formeln für Binome",
// 4 "Formeln ergänzen", 5 "Herausheben") and a level (1 … 3); null for values out of range.
// Kind 4 serves only the worked examples: its items have markup texts only.
PolynomGenerator PolynomGeneratorFor(int kind, int level);

// For i = 1 … count (at most 5): makes item i with the generator of `kind` and the level of
// the selection state (selection::selLevel), then sets Aktiv and clears Richtig and Gezeigt.
// An item without a generator is left inactive. The exercise window passes selPolyExercise,
// the worked-example window selPolyExample.
void PreparePolynomItems(int count, int kind);

// The letters and brackets the answer of an item may hold, besides the digits, "+", "–" and
// "^" that every polynomial answer field accepts; by kind, level and the item's Variante.
// (For the binomial formulas of Stufe 3, whose items have one letter, the second letter
// allowed is whatever the record holds as Var2.)
Text PolynomAnswerLetters(int kind, int level, const TPolynom& item);

}  // namespace kalkora

#pragma once
// The generators of the completion exercise: item i of polynomials::Ergaenzen at each level.
// Each entry point draws the formula type (Variante), then the letters and numbers
// (DrawCompletionValues), and writes the formula with its gaps.
//   Stufe 1  14 types, one letter: squares of ‹a·x ± b› and ‹a ± b·x›
//   Stufe 2  20 types, two letters: squares of ‹a·x ± b·y› and products ‹(a·x + b·y)·(a·x – b·y)›
//   Stufe 3  the 20 formulas of Stufe 2 in another order, the letters with exponents m and n

#include "topics/polynomials/completion_formula.h"
#include "topics/polynomials/completion_record.h"

namespace kalkora {

// The number of formula types of a level: 14, 20, 20 (a level outside 1 … 3 counts as Stufe 1).
int ErgaenzenTypes(int level);

// Writes `item` as formula type `variante` (1 … ErgaenzenTypes(level)) of the level with the
// given values: Variante, Var1, Var2 (0 at Stufe 1) and, through SetVolltext, the texts. A
// level outside 1 … 3 is taken as Stufe 1; a type outside the level's range is a programming
// error and stops the program.
void WriteErgaenzen(TErgaenzen& item, int level, int variante, const CompletionValues& values);

void ErgaenzenU1(int i);
void ErgaenzenU2(int i);
void ErgaenzenU3(int i);

// For i = 1 … 5: makes item i with the entry point of selection::selLevel, sets Aktiv and
// clears Richtig and Gezeigt. With a level outside 1 … 3 the items are left inactive.
void PrepareErgaenzen();

}  // namespace kalkora

#pragma once
// The worked examples of completing binomial formulas ("Formeln ergänzen"): item i of
// polynomials::Polynom at each level. Each entry point draws the formula type (Variante), then
// the letters and numbers as the completion exercise does (DrawCompletionValues), and writes
// the formula twice: LoesungMarkup with every gap's content in colour (first gap "#", second
// "_", third "~"), AufgabeMarkup with each gap's content replaced by "?" (a gap that fills a
// whole bracket padded with four blanks on each side). These items have no plain task,
// solution or answer: Aufgabe, Loesung and Antwort are left empty.
//   Stufe 1  14 types, one letter: squares of ‹a·x ± b› and ‹a ± b·x›
//   Stufe 2  22 types, two letters: squares of ‹a·x ± b·y› and products
//            ‹(a·x + b·y)·(a·x – b·y)›
//   Stufe 3  22 types: 1 … 17 those of Stufe 2, 18 … 22 products of their own; the letters
//            with exponents m and n

#include "topics/polynomials/completion_formula.h"
#include "topics/polynomials/polynomial_record.h"

namespace kalkora {

// The number of formula types of a level: 14, 22, 22 (a level outside 1 … 3 counts as Stufe 1).
int ErgaenzenExampleTypes(int level);

// Writes `item` as formula type `variante` (1 … ErgaenzenExampleTypes(level)) of the level
// with the given values: Variante, Var1, Var2 (0 at Stufe 1), Var3 and Var4 (0) and the two
// markup texts; the plain texts are emptied. A level outside 1 … 3 is taken as Stufe 1; a type
// outside the level's range is a programming error and stops the program.
void WriteErgaenzenM(TPolynom& item, int level, int variante, const CompletionValues& values);

void ErgaenzenM1(int i);
void ErgaenzenM2(int i);
void ErgaenzenM3(int i);

}  // namespace kalkora

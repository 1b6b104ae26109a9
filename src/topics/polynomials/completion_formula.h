#pragma once
// The binomial formulas with gaps, shared by the completion exercise and the worked examples
// of completing: the drawn letters and numbers of one formula, how they are drawn at each
// level, and the filler that writes a formula from its template.
//
// A template is written as the formula tables read, ‹(a·x + #b#)^2 = P·x^2 + #M·x# + Q›:
//   a, b     the drawn numbers
//   P, Q, M  the values a², b² and 2·a·b
//   x, y     the letters with their exponents m and n (‹x›, ‹x^3›; no exponent 1 is written)
//   x^2, y^2 the squares of those powers: the letters with the exponents 2·m and 2·n
// Every other character is copied as it stands: brackets, blanks, "+", "–", "·", the "^2"
// after a closing bracket and the gap markers ("#", "_", "~").

#include "base/text.h"

namespace kalkora {

// The drawn values of one formula.
struct CompletionValues {
  char16_t x = u'a';  // the first letter (Var1)
  char16_t y = 0;     // the second letter (Var2); 0 in the one-letter formulas
  int a = 2;
  int b = 3;
  int m = 1;  // the exponent of x
  int n = 1;  // the exponent of y
};

// Draws the values of a formula of the level, in this order:
//   Stufe 1  one letter; a, b: 2 … 13, both drawn again until they differ
//   Stufe 2  two letters, drawn again until they differ; a, b as at Stufe 1
//   Stufe 3  two letters as at Stufe 2; a, b: 2 … 11, different; m, n: 1 … 3
// A level outside 1 … 3 is taken as Stufe 1.
CompletionValues DrawCompletionValues(int level);

// What a gap of the template shows.
enum class GapContent {
  Filled,  // its text: ‹#144·t#›
  // "?" in the gap's markers, ‹#?#›; a gap that fills a whole bracket gets four blanks on each
  // side, ‹(    #?#    )›, so that the bracket keeps a width to think in.
  QuestionMark,
};

// The formula of the template with the values filled in (see the top of this file).
Text FillCompletionFormula(TextView formula, const CompletionValues& values,
                           GapContent gaps = GapContent::Filled);

}  // namespace kalkora

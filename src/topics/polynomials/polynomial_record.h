#pragma once
// The polynomial item: what every polynomial generator writes (task and solution as markup
// text) and what the finishing step derives from it (the plain task, the solution as shown and
// the expected answer in input form). One array of five items serves the exercise window and
// the worked-example window.

#include "base/one_based_array.h"
#include "base/text.h"
#include "practice/item_flags.h"

namespace kalkora {

struct TPolynom : ItemFlags {
  Text AufgabeMarkup;     // the task as markup text (display form with colour markers)
  Text LoesungMarkup;     // the solution as markup text
  Text Aufgabe;           // AufgabeMarkup without colour markers
  Text Loesung;           // the solution as shown to the learner
  Text Antwort;           // the expected answer in input form
  int Variante = 0;       // the sub-kind the generator drew
  int Feldbreite = 0;     // answer field width less 20 pixels (set by the exercise window)
  int Praefixbreite = 0;  // pixel width of the text before the answer field (exercise window)
  char16_t Var1 = 0;      // the item's letters, in the order in which they were drawn
  char16_t Var2 = 0;
  char16_t Var3 = 0;
  char16_t Var4 = 0;
};

namespace polynomials {

// The items of the polynomial windows: 1 … 5 in the exercise window, 1 … 3 in the worked
// examples.
inline OneBasedArray<TPolynom, 5> Polynom;

}  // namespace polynomials

// Which unit coefficients the finishing step takes out of the solution.
enum class UnitRule {
  // A "1·" after a blank or at the very start is removed, a leading "–1·" becomes "–".
  Full,
  // Only a leading "–1·" becomes "–" (factoring out: ‹–1·(x + y)› is shown as ‹–(x + y)›).
  Reduced,
};

// Derives Aufgabe, Loesung and Antwort from the two markup texts: the colour markers
// "#", "_", "~", "$", "§" are removed, the unit rule is applied to the solution, and the answer
// is the solution without blanks and "·"; with joinExponents a two-digit exponent written for
// the markup (‹x^1^0›) is joined to the one the learner types (‹x^10›).
void FinishPolynom(TPolynom& item, bool joinExponents, UnitRule unitRule);

}  // namespace kalkora

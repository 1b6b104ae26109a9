#pragma once
// The item of the completion exercise ("Formeln ergänzen"): a binomial formula, multiplied
// out, in which two or three parts are gaps the learner fills. The generators write the whole
// formula as markup text with every gap in "#" marks; the pieces between the gaps and the
// expected text of each gap are derived from it.

#include "base/one_based_array.h"
#include "base/text.h"
#include "practice/item_flags.h"

namespace kalkora {

// Texts 1 … 7 of an item: the pieces around the gaps, or the gaps themselves.
using TErgTerm = OneBasedArray<Text, 7>;

struct TErgaenzen : ItemFlags {
  Text Volltext;       // the whole formula as markup text, every gap enclosed in "#" … "#"
  TErgTerm Teile;      // the text before gap 1, between the gaps and after the last one
  TErgTerm Luecken;    // the text of each gap, the expected answer
  int AnzLuecken = 0;  // number of gaps (2 or 3)
  int Variante = 0;    // the formula type drawn
  OneBasedArray<int, 3> Feldbreiten;  // pixel width of each gap's answer (set by the window)
  char16_t Var1 = 0;                  // the letters; Var2 is 0 for the one-letter formulas
  char16_t Var2 = 0;
};

namespace polynomials {

// The five items of the completion exercise.
inline OneBasedArray<TErgaenzen, 5> Ergaenzen;

}  // namespace polynomials

// The gap marker of Volltext.
inline constexpr char16_t kGapMark = u'#';

// Sets Volltext and derives from it Teile (AnzLuecken + 1 pieces, without marks), Luecken and
// AnzLuecken, so that Teile[1] + Luecken[1] + … + Teile[n + 1] is Volltext without its marks.
// The entries past the last piece and gap are emptied. A marker left open closes at the end of
// the text; gaps after the sixth (there is no room for them) stay text of the last piece.
void SetVolltext(TErgaenzen& item, TextView volltext);

}  // namespace kalkora

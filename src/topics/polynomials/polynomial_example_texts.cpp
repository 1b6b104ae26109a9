#include "topics/polynomials/polynomial_example_texts.h"

#include <algorithm>
#include <array>

#include "base/selection.h"

namespace kalkora::polynomials {

int SelectedPolynomExample() { return std::clamp(selection::selPolyExample, 1, 5); }

PolynomExampleTexts PolynomExampleTextsOf(int kind) {
  // "geodnet" is the word the program has always shown.
  static const std::array<PolynomExampleTexts, 5> kTexts{{
      {u"Musterbeispiele: Multiplizieren mit eingliedrigen Termen",
       u"Multiplizieren mit eingliedrigen Termen",
       u"Man multipliziert jedes Glied des mehrgliedrigen Terms (Polynom) mit dem eingliedrigen "
       u"Term (Monom).",
       u"Schrittweise Darstellung"},
      {u"Musterbeispiele: Multiplizieren mit mehrgliedrigen Termen",
       u"Multiplizieren mit mehrgliedrigen Termen",
       u"Man multipliziert jedes Glied des 1.Polynoms mit jedem Glied des 2.Polynoms.\n"
       u"Das Ergebnis wird alphabetisch geodnet und mit fallenden Potenzen der 1.Variablen "
       u"angeschrieben.",
       u"Schrittweise Darstellung"},
      {u"Musterbeispiele: Formeln für Binome", u"Binome", u"Verwende die Formeln für Binome",
       u"Schrittweise Darstellung pro Stufe"},
      {u"Musterbeispiele: Ergänzen von Binomen", u"Binome ergänzen",
       u"Verwende die Formeln für Binome", u"Schrittweise Darstellung pro Stufe"},
      {u"Musterbeispiele: Herausheben", u"Herausheben gemeinsamer Faktoren",
       u"Verwende das Verteilungsgesetz", u"Schrittweise Darstellung pro Stufe"},
  }};
  return kTexts[static_cast<std::size_t>(std::clamp(kind, 1, 5) - 1)];
}

std::vector<Text> PolynomExampleLines(const TPolynom& item, int kind) {
  switch (kind) {
    case 1:
    case 2: return {item.AufgabeMarkup + u" = " + item.LoesungMarkup};
    case 4: return {item.AufgabeMarkup, item.LoesungMarkup};
    default: {
      // Some tasks end with "=" and no blank (‹(#t# + 1)^2 =›): the solution keeps a blank's
      // distance from it, as after the tasks that end with ‹= ›.
      const bool blank = !item.AufgabeMarkup.empty() && item.AufgabeMarkup.back() == u' ';
      return {item.AufgabeMarkup + (blank ? u"" : u" ") + item.LoesungMarkup};
    }
  }
}

}  // namespace kalkora::polynomials

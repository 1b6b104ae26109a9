#include "topics/polynomials/polynomial_record.h"

#include "base/shared_functions.h"
#include "terms/term_exponents.h"

namespace kalkora {

namespace {

Text WithoutMarkers(TextView markup) {
  Text text{markup};
  for (char16_t marker : {u'#', u'_', u'~', u'$', u'§'}) text = RemoveChar(text, marker);
  return text;
}

bool StartsWith(TextView text, TextView start) { return text.substr(0, start.size()) == start; }

void ApplyUnitRule(Text& solution, UnitRule rule) {
  if (StartsWith(solution, u"–1·")) {
    solution.erase(1, 2);
  } else if (rule == UnitRule::Full && StartsWith(solution, u"1·")) {
    solution.erase(0, 2);
  }
  if (rule != UnitRule::Full) return;
  for (std::size_t at = solution.find(u" 1·"); at != Text::npos; at = solution.find(u" 1·", at)) {
    solution.erase(at + 1, 2);
  }
}

}  // namespace

void FinishPolynom(TPolynom& item, bool joinExponents, UnitRule unitRule) {
  item.Aufgabe = WithoutMarkers(item.AufgabeMarkup);
  item.Loesung = WithoutMarkers(item.LoesungMarkup);
  ApplyUnitRule(item.Loesung, unitRule);
  item.Antwort = RemoveChar(RemoveChar(item.Loesung, u' '), u'·');
  if (joinExponents) item.Antwort = JoinExponentDigits(item.Antwort);
}

}  // namespace kalkora

#include "topics/fractions/unlike_denominators_lines.h"

#include <algorithm>

#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

int FractionCount(const TBruchM& item) { return std::clamp(item.Anzahl, 2, 3); }

Text SignText(char16_t sign) { return sign == u'–' || sign == u'-' ? u" – " : u" + "; }

// A sum of several terms: a "+" or "–" outside brackets after the first character.
bool IsSum(TextView term) {
  int depth = 0;
  for (std::size_t i = 0; i < term.size(); ++i) {
    if (term[i] == u'(') ++depth;
    if (term[i] == u')') --depth;
    if (depth == 0 && i > 0 && (term[i] == u'+' || term[i] == u'–')) return true;
  }
  return false;
}

}  // namespace

std::vector<NumeratorTerm> NumeratorTerms(const TBruchM& item) {
  std::vector<NumeratorTerm> terms;
  for (int i = 1; i <= FractionCount(item); ++i) {
    NumeratorTerm term;
    if (i > 1) {
      term.sign = SignText(i == 2 ? item.Ungleich.Zeichen1 : item.Ungleich.Zeichen2);
      const Text& numerator = item.Ungleich.NeuZaehler[static_cast<std::size_t>(i)];
      term.bracketed = (term.sign == u" – " && IsSum(numerator)) || numerator.starts_with(u'–');
    }
    terms.push_back(term);
  }
  return terms;
}

Text NumeratorSum(const TBruchM& item, const std::vector<Text>& terms) {
  const std::vector<NumeratorTerm> shape = NumeratorTerms(item);
  Text sum;
  for (std::size_t k = 0; k < shape.size() && k < terms.size(); ++k) {
    sum += shape[k].sign;
    if (shape[k].bracketed) sum += u'(';
    sum += terms[k];
    if (shape[k].bracketed) sum += u')';
  }
  return sum;
}

Text ExtendedNumeratorSum(const TBruchM& item) {
  Text sum;
  for (int i = 1; i <= FractionCount(item); ++i) {
    if (i > 1) sum += SignText(i == 2 ? item.Ungleich.Zeichen1 : item.Ungleich.Zeichen2);
    sum += item.Ungleich.ErwZaehler[static_cast<std::size_t>(i)];
  }
  return sum;
}

Text ResultDenominator(const TBruchM& item) {
  return item.Kenn[1] ? item.Ungleich.GekNenner : item.Ungleich.HN;
}

}  // namespace kalkora::fractions

// The worked examples of dividing a sum by a monomial: term by term, each term over the
// divisor with coefficients and powers coloured, or with the common factor taken out.

#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

// The colours of the powers of the terms: olive, violet, purple.
constexpr char16_t kPowerMarkers[3] = {u'_', u'~', u'$'};

// #coefficient#·power in its colour; a coefficient 1 is left out, an exponent 0 leaves the
// number alone.
Text ColouredTerm(int coefficient, char16_t x, int exponent, char16_t powerMarker) {
  const Text power = Power(x, exponent);
  if (power.empty()) return Marked(IntText(coefficient), u'#');
  if (coefficient == 1) return Marked(power, powerMarker);
  return Write(Marked(IntText(coefficient), u'#'), u'·', Marked(power, powerMarker));
}

}  // namespace

void TermDivM1(int index) {
  TBruchM& item = FreshExample(index, 4, 2);
  const char16_t x = item.Var1;
  const bool factored = item.Variante % 2 == 0;
  const int count = item.Variante <= 2 ? 2 : 3;
  int e[5] = {};
  do {
    for (int k = 1; k <= 4; ++k) e[k] = DrawNumber(1, 8);
  } while (!(e[1] > e[2] && e[2] > e[3] && e[3] > e[4]));
  std::vector<int> a(static_cast<std::size_t>(count));
  int D = 0;
  int k = 1;
  do {
    for (int& coefficient : a) coefficient = DrawNumber(1, 8);
    D = DrawNumber(2, 9);
    k = count == 2 ? Gcd(a[0], a[1]) : Gcd3(a[0], a[1], a[2]);
  } while (!PairwiseDifferent({a[0], a[1], count == 3 ? a[2] : 0}) || (factored && k == 1) ||
           a[0] * D > 72 || a[1] * D > 72 || (count == 3 && a[2] * D > 72));
  const char16_t signs[2] = {DrawDisplaySign(), DrawDisplaySign()};
  // The divisor's exponent, and the exponent of the common power of the dividend.
  const int divisorExponent = e[count + 1];
  const int lowest = e[count];

  Text dividend;
  Text result;
  Text bracket;  // the factored form's bracket
  for (int i = 0; i < count; ++i) {
    const std::size_t slot = static_cast<std::size_t>(i + 1);
    const int coefficient = a[slot - 1];
    const int exponent = e[i + 1];
    const Text sign = i == 0 ? Text{} : Write(u' ', signs[i - 1], u' ');
    dividend += Write(sign, Term(coefficient * D, x, exponent));
    bracket += Write(sign, Term(coefficient / k, x, exponent - lowest));
    const char16_t marker = kPowerMarkers[i];
    result += Write(sign, ColouredTerm(coefficient, x, exponent - divisorExponent, marker));
    item.Daten[slot] = ColouredTerm(coefficient * D, x, exponent, marker);
    item.Daten[slot + 10] = ColouredTerm(D, x, divisorExponent, marker);
    if (i > 0) item.Daten[static_cast<std::size_t>(6 + i)] = Text(1, signs[i - 1]);
  }
  item.Text[1] = dividend;
  item.Text[5] = Term(D, x, divisorExponent);
  item.Anzahl = count;
  item.Schalter = factored;
  if (!factored) {
    item.Text[9] = result;
    return;
  }
  const Text brackets = Bracketed(bracket);
  item.Text[11] = Write(ColouredTerm(k * D, x, lowest, u'_'), u'·', brackets);
  item.Text[12] = ColouredTerm(D, x, divisorExponent, u'_');
  item.Text[9] = Write(ColouredTerm(k, x, lowest - divisorExponent, u'_'), u'·', brackets);
}

}  // namespace kalkora::fractions

#include "topics/fractions/example_writing.h"

#include <cstdlib>

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {

TBruchM& FreshExample(int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  item = TBruchM{};
  return item;
}

TBruchM& FreshExample(int index, int variants, int letters) {
  TBruchM& item = FreshExample(index);
  item.Variante = Random(variants) + 1;
  DrawLetters(item, letters, false);
  return item;
}

char16_t DrawDisplaySign() { return Random(2) == 0 ? u'+' : kDisplayMinus; }

Text Marked(TextView text, char16_t marker) { return Write(marker, text, marker); }

Text Bracketed(TextView text) { return Write(u'(', text, u')'); }

Text Term(int coefficient, char16_t letter, int exponent) {
  if (exponent == 0) return SignedNumber(coefficient);
  const Text power = Power(letter, exponent);
  if (coefficient == 1) return power;
  if (coefficient == -1) return Write(kDisplayMinus, power);
  return Write(SignedNumber(coefficient), u'·', power);
}

Text Linear(int c, char16_t letter, char16_t sign, int d) {
  return Write(Term(c, letter, 1), u' ', sign, u' ', d);
}

char16_t SignCharacter(int n) { return n < 0 ? kDisplayMinus : u'+'; }

Text SignedNumber(int n) {
  if (n >= 0) return IntText(n);
  return Write(kDisplayMinus, IntText(-n));
}

Text ZeroOf(char16_t sign, TextView value) {
  return sign == u'+' ? Write(kDisplayMinus, value) : Text(value);
}

Text SumText(std::initializer_list<SumTerm> terms) {
  Text text;
  for (const SumTerm& term : terms) {
    if (term.coefficient == 0) continue;
    const int size = std::abs(term.coefficient);
    Text written = term.factor.empty() ? IntText(size)
                   : size == 1         ? term.factor
                                       : Write(size, u'·', term.factor);
    if (term.marker != 0) written = Marked(written, term.marker);
    if (text.empty()) {
      if (term.coefficient < 0) text += kDisplayMinus;
    } else {
      text += Write(u' ', SignCharacter(term.coefficient), u' ');
    }
    text += written;
  }
  return text.empty() ? Text{u"0"} : text;
}

Text ProductOrOne(std::initializer_list<TextView> factors) {
  const Text product = Product(factors);
  return product.empty() ? Text{u"1"} : product;
}

std::pair<int, int> DrawCoprimePair(int low, int high) {
  int a = 0;
  int b = 0;
  do {
    a = DrawNumber(low, high);
    b = DrawNumber(low, high);
  } while (Gcd(a, b) != 1);
  return {a, b};
}

Text NegatedSum(TextView sum) {
  Text negated;
  std::size_t i = 0;
  if (!sum.empty() && sum.front() == kDisplayMinus) {
    i = 1;
  } else {
    negated += kDisplayMinus;
  }
  for (; i < sum.size(); ++i) {
    const char16_t ch = sum[i];
    const bool between = i > 0 && sum[i - 1] == u' ' && i + 1 < sum.size() && sum[i + 1] == u' ';
    if (between && ch == u'+') {
      negated += kDisplayMinus;
    } else if (between && ch == kDisplayMinus) {
      negated += u'+';
    } else {
      negated += ch;
    }
  }
  return negated;
}

}  // namespace kalkora::fractions

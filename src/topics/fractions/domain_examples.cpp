// The worked examples of the domain: fractions whose denominators are built from factors with
// known zeros, and the excluded values written from those factors.

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

// The example's fraction and excluded values, before they go into the record.
struct Domain {
  Text numerator;
  Text denominator;
  Text value;                // the (first) excluded value, or the numerator of a quotient
  Text valueDenominator;     // Stufe 1, 2: the denominator of a quotient value
  Text second;               // Stufe 3: the second value, or the numerator of a quotient
  Text secondDenominator;    // Stufe 3: the denominator of a quotient second value
  Text factored;             // Stufe 3: the factored sum
  bool lettersOnly = false;  // Stufe 3: a product of the two letters
};

void Store(TBruchM& item, const Domain& d) {
  item.Text[1] = d.numerator;
  item.Text[4] = d.denominator;
  item.Text[9] = d.value;
  item.Text[10] = d.valueDenominator.empty() ? d.second : d.valueDenominator;
  item.Text[11] = d.factored;
  item.Text[12] = d.secondDenominator;
  item.Schalter = !d.valueDenominator.empty() || !d.secondDenominator.empty();
  item.Anzahl = d.lettersOnly ? 2 : 0;
}

struct Numbers {
  int a = 0;  // the numerator's number
  int b = 0;
  int c = 0;
};

// a from 2 … 15; b and c from 2 … 9 and coprime, so a quotient c/b is in lowest terms.
Numbers DrawNumbers() {
  Numbers n;
  n.a = DrawNumber(2, 15);
  const auto [b, c] = DrawCoprimePair(2, 9);
  n.b = b;
  n.c = c;
  return n;
}

}  // namespace

void DefmengeM1(int index) {
  TBruchM& item = FreshExample(index, 9, 2);
  const char16_t x = item.Var1;
  const char16_t s = DrawDisplaySign();
  const auto [a, b, c] = DrawNumbers();
  const Text letterNumerator = Write(a, u'·', x);
  Domain d;
  d.numerator = IntText(a);
  switch (item.Variante) {
    case 1:
      d.denominator = Text(1, x);
      d.value = u"0";
      break;
    case 2:
    case 4:
      if (item.Variante == 4) d.numerator = letterNumerator;
      d.denominator = Write(x, u' ', s, u' ', b);
      d.value = ZeroOf(s, IntText(b));
      break;
    case 3:
    case 5:
      if (item.Variante == 5) d.numerator = letterNumerator;
      d.denominator = Write(b, u' ', s, u' ', x);
      d.value = ZeroOf(s, IntText(b));
      break;
    case 6:
      d.denominator = Write(b, u'·', x);
      d.value = u"0";
      break;
    case 7:
    case 9:
      if (item.Variante == 9) d.numerator = letterNumerator;
      d.denominator = Write(b, u'·', x, u' ', s, u' ', c);
      d.value = ZeroOf(s, IntText(c));
      d.valueDenominator = IntText(b);
      break;
    default:
      d.denominator = Write(b, u' ', s, u' ', c, u'·', x);
      d.value = ZeroOf(s, IntText(b));
      d.valueDenominator = IntText(c);
      break;
  }
  Store(item, d);
}

void DefmengeM2(int index) {
  TBruchM& item = FreshExample(index, 8, 2);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t s = DrawDisplaySign();
  const auto [a, b, c] = DrawNumbers();
  Domain d;
  d.numerator = IntText(a);
  switch (item.Variante) {
    case 1:
      d.denominator = Write(x, u' ', s, u' ', y);
      d.value = ZeroOf(s, Text(1, y));
      break;
    case 2:
      d.denominator = Write(y, u' ', s, u' ', x);
      d.value = ZeroOf(s, Text(1, y));
      break;
    case 3:
      d.numerator = Write(a, u'·', y);
      d.denominator = Write(x, u' ', s, u' ', b, u'·', y);
      d.value = ZeroOf(s, Write(b, u'·', y));
      break;
    case 4:
      d.denominator = Write(b, u'·', y, u' ', s, u' ', x);
      d.value = ZeroOf(s, Write(b, u'·', y));
      break;
    case 5:
      d.denominator = Write(b, u'·', x, u' ', s, u' ', y);
      d.value = ZeroOf(s, Text(1, y));
      d.valueDenominator = IntText(b);
      break;
    case 6:
      d.numerator = Write(a, u'·', x);
      d.denominator = Write(b, u'·', x, u' ', s, u' ', c, u'·', y);
      d.value = ZeroOf(s, Write(c, u'·', y));
      d.valueDenominator = IntText(b);
      break;
    case 7:
      d.numerator = Write(a, u'·', y);
      d.denominator = Write(c, u'·', y, u' ', s, u' ', b, u'·', x);
      d.value = ZeroOf(s, Write(c, u'·', y));
      d.valueDenominator = IntText(b);
      break;
    default:
      d.numerator = Write(a, u'·', x);
      d.denominator = Write(b, u'·', x, u' ', s, u' ', c);
      d.value = ZeroOf(s, IntText(c));
      d.valueDenominator = IntText(b);
      break;
  }
  Store(item, d);
}

void DefmengeM3(int index) {
  TBruchM& item = FreshExample(index, 9, 2);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t s = DrawDisplaySign();
  const auto [a, b, c] = DrawNumbers();
  // The second linear factor of variants 7 … 9: its zero differs from the first one.
  char16_t t = s;
  int e = c;
  do {
    t = DrawDisplaySign();
    e = DrawNumber(2, 9);
  } while ((t == s && e == c) || Gcd(b, e) != 1);
  const Text xsc = Write(x, u' ', s, u' ', c);
  Domain d;
  d.numerator = IntText(a);
  switch (item.Variante) {
    case 1:
      d.denominator = Write(x, u"^2 ", s, u' ', c, u'·', x);
      d.factored = Write(x, u'·', Bracketed(xsc));
      d.value = u"0";
      d.second = ZeroOf(s, IntText(c));
      break;
    case 2:
      d.denominator = Write(b, u'·', x, u"^2 ", s, u' ', c, u'·', x);
      d.factored = Write(x, u'·', Bracketed(Linear(b, x, s, c)));
      d.value = u"0";
      d.second = ZeroOf(s, IntText(c));
      d.secondDenominator = IntText(b);
      break;
    case 3:
      d.denominator = Write(b, u'·', x, u"^2 ", s, u' ', b * c, u'·', x);
      d.factored = Write(b, u'·', x, u'·', Bracketed(xsc));
      d.value = u"0";
      d.second = ZeroOf(s, IntText(c));
      break;
    case 4:
      d.denominator = Write(x, u"^2 – ", c * c);
      d.factored =
          Write(Bracketed(Linear(1, x, kDisplayMinus, c)), u'·', Bracketed(Linear(1, x, u'+', c)));
      d.value = IntText(c);
      d.second = Write(kDisplayMinus, c);
      break;
    case 5:
    case 6:
      d.denominator = item.Variante == 5 ? Write(x, u'·', y) : Write(b, u'·', x, u'·', y);
      d.value = u"0";
      d.second = u"0";
      d.lettersOnly = true;
      break;
    case 7:
    case 8: {
      const Text product = Write(Bracketed(xsc), u'·', Bracketed(Linear(1, x, t, e)));
      d.denominator = item.Variante == 7 ? product : Write(b, u'·', product);
      d.value = ZeroOf(s, IntText(c));
      d.second = ZeroOf(t, IntText(e));
      break;
    }
    default:
      d.denominator = Write(Bracketed(xsc), u'·', Bracketed(Linear(b, x, t, e)));
      d.value = ZeroOf(s, IntText(c));
      d.second = ZeroOf(t, IntText(e));
      d.secondDenominator = IntText(b);
      break;
  }
  Store(item, d);
}

}  // namespace kalkora::fractions

// The worked examples of cancelling: a fraction, the same fraction with numerator and
// denominator written as the rest times the common factor (marked rose), and the rest.

#include <algorithm>

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

// A task built backwards: numerator rest × common factor over denominator rest × common
// factor. An empty rest is 1.
struct Cancelling {
  Text numerator;
  Text denominator;
  Text numeratorRest;
  Text denominatorRest;
  Text common;
};

// rest·#common#, or #common# alone when the rest is 1.
Text WithCommon(TextView rest, TextView common) { return Product({rest, Marked(common, u'#')}); }

// A rest that is one bracketed sum, written without its brackets where it stands alone.
Text Alone(TextView rest) {
  const bool bracketed = rest.size() > 2 && rest.front() == u'(' && rest.back() == u')' &&
                         rest.find(u'(', 1) == TextView::npos;
  return Text(bracketed ? rest.substr(1, rest.size() - 2) : rest);
}

void Store(TBruchM& item, const Cancelling& c) {
  item.Text[1] = c.numerator;
  item.Text[4] = c.denominator;
  item.Text[11] = WithCommon(c.numeratorRest, c.common);
  item.Text[12] = WithCommon(c.denominatorRest, c.common);
  item.Text[9] = c.numeratorRest.empty() ? Text{u"1"} : Alone(c.numeratorRest);
  item.Schalter = !c.denominatorRest.empty();
  if (item.Schalter) item.Text[10] = Alone(c.denominatorRest);
}

// Two different exponents from 1 … 9.
std::pair<int, int> DrawDifferentExponents() {
  int e1 = 0;
  int e2 = 0;
  do {
    e1 = DrawNumber(1, 9);
    e2 = DrawNumber(1, 9);
  } while (e1 == e2);
  return {e1, e2};
}

}  // namespace

void KuerzenM1(int index) {
  TBruchM& item = FreshExample(index, 2, 2);
  const char16_t x = item.Var1;
  const auto [e1, e2] = DrawDifferentExponents();
  const int m = std::min(e1, e2);
  Cancelling c;
  if (item.Variante == 1) {
    c.numerator = Power(x, e1);
    c.denominator = Power(x, e2);
    c.numeratorRest = Power(x, e1 - m);
    c.denominatorRest = Power(x, e2 - m);
    c.common = Power(x, m);
  } else {
    // Numbers with a common factor g; the denominator keeps a number after cancelling.
    int a = 0;
    int b = 0;
    int g = 1;
    do {
      a = DrawNumber(2, 40);
      b = DrawNumber(2, 40);
      g = Gcd(a, b);
    } while (a == b || g == 1 || b == g);
    c.numerator = Write(a, u'·', Power(x, e1));
    c.denominator = Write(b, u'·', Power(x, e2));
    c.numeratorRest = Product({a == g ? Text{} : IntText(a / g), Power(x, e1 - m)});
    c.denominatorRest = Product({IntText(b / g), Power(x, e2 - m)});
    c.common = Write(g, u'·', Power(x, m));
  }
  Store(item, c);
}

void KuerzenM2(int index) {
  TBruchM& item = FreshExample(index, 6, 2);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t s = DrawDisplaySign();
  Cancelling c;
  switch (item.Variante) {
    case 1: {  // x ± x·y over a power of x
      const int e = DrawNumber(2, 9);
      c.numerator = Write(x, u' ', s, u' ', x, u'·', y);
      c.denominator = Power(x, e);
      c.numeratorRest = Bracketed(Write(u"1 ", s, u' ', y));
      c.denominatorRest = Power(x, e - 1);
      c.common = Text(1, x);
      break;
    }
    case 2:    // powers of x with a second letter
    case 3: {  // and with numbers
      int e1 = 0;
      int e2 = 0;
      int e3 = 0;
      do {
        e1 = DrawNumber(1, 8);
        e2 = DrawNumber(1, 8);
        e3 = DrawNumber(1, 8);
      } while (!(e2 < e1 && e2 < e3));
      if (item.Variante == 2) {
        c.numerator = Write(Power(x, e1), u' ', s, u' ', Power(x, e2), u'·', y);
        c.denominator = Power(x, e3);
        c.numeratorRest = Bracketed(Write(Power(x, e1 - e2), u' ', s, u' ', y));
        c.denominatorRest = Power(x, e3 - e2);
        c.common = Power(x, e2);
        break;
      }
      int a = 0;
      int b = 0;
      int d = 0;
      int g = 1;
      do {
        a = DrawNumber(2, 30);
        b = DrawNumber(2, 30);
        d = DrawNumber(2, 30);
        g = Gcd3(a, b, d);
      } while (!PairwiseDifferent({a, b, d}) || g == 1);
      c.numerator = Write(Term(a, x, e1), u' ', s, u' ', Term(b, x, e2));
      c.denominator = Term(d, x, e3);
      c.numeratorRest = Bracketed(Write(Term(a / g, x, e1 - e2), u' ', s, u' ', b / g));
      c.denominatorRest = Term(d / g, x, e3 - e2);
      c.common = Term(g, x, e2);
      break;
    }
    case 4: {  // x^2 ± x over r·x ± r
      const int r = DrawNumber(2, 11);
      const Text binomial = Linear(1, x, s, 1);
      c.numerator = Write(x, u"^2 ", s, u' ', x);
      c.denominator = Write(r, u'·', x, u' ', s, u' ', r);
      c.numeratorRest = Text(1, x);
      c.denominatorRest = IntText(r);
      c.common = Bracketed(binomial);
      break;
    }
    case 5: {  // a·x^2 ± ab·x over x ± b: a single term is left
      const int a = DrawNumber(2, 9);
      const int b = DrawNumber(1, 9);
      c.numerator = Write(a, u'·', x, u"^2 ", s, u' ', a * b, u'·', x);
      c.denominator = Linear(1, x, s, b);
      c.numeratorRest = Write(a, u'·', x);
      c.common = Bracketed(c.denominator);
      break;
    }
    default: {  // r·x ± rb over x^2 ± b·x
      const int r = DrawNumber(2, 9);
      const int b = DrawNumber(2, 9);
      c.numerator = Write(r, u'·', x, u' ', s, u' ', r * b);
      c.denominator = Write(x, u"^2 ", s, u' ', b, u'·', x);
      c.numeratorRest = IntText(r);
      c.denominatorRest = Text(1, x);
      c.common = Bracketed(Linear(1, x, s, b));
      break;
    }
  }
  Store(item, c);
}

void KuerzenM3(int index) {
  TBruchM& item = FreshExample(index, 7, 2);
  const char16_t x = item.Var1;
  const char16_t s = DrawDisplaySign();
  const char16_t sBar = Opposite(s, kDisplayMinus);
  const int b = DrawNumber(2, 9);
  const Text xsb = Linear(1, x, s, b);
  const Text xsBarb = Linear(1, x, sBar, b);
  Cancelling c;
  c.common = Bracketed(xsb);
  switch (item.Variante) {
    case 1: {  // a·x^2 ± ab·x over c·(x ± b)·(x ± d)
      const auto [a, k] = DrawCoprimePair(2, 7);
      char16_t t = s;
      int d = b;
      do {
        t = DrawDisplaySign();
        d = DrawNumber(1, 9);
      } while (t == s && d == b);
      const Text xtd = Bracketed(Linear(1, x, t, d));
      c.numerator = Write(a, u'·', x, u"^2 ", s, u' ', a * b, u'·', x);
      c.denominator = Write(k, u'·', c.common, u'·', xtd);
      c.numeratorRest = Write(a, u'·', x);
      c.denominatorRest = Write(k, u'·', xtd);
      Store(item, c);
      // The common factor stands between the number and the second bracket.
      item.Text[12] = Write(k, u'·', Marked(c.common, u'#'), u'·', xtd);
      return;
    }
    case 2:  // x^2 – b² over x^2 ± b·x
      c.numerator = Write(x, u"^2 – ", b * b);
      c.denominator = Write(x, u"^2 ", s, u' ', b, u'·', x);
      c.numeratorRest = Bracketed(xsBarb);
      c.denominatorRest = Text(1, x);
      break;
    case 3:    // a·x^2 – ab² over c·x ± cb
    case 4: {  // a·x^3 – ab²·x over c·x^2 ± cb·x
      int a = 0;
      int k = 0;
      do {
        a = DrawNumber(2, 6);
        k = DrawNumber(2, 6);
      } while (Gcd(a, k) != 1 || a * b * b > 200);
      c.numeratorRest = Write(a, u'·', Bracketed(xsBarb));
      c.denominatorRest = IntText(k);
      if (item.Variante == 3) {
        c.numerator = Write(a, u'·', x, u"^2 – ", a * b * b);
        c.denominator = Write(k, u'·', x, u' ', s, u' ', k * b);
      } else {
        c.numerator = Write(a, u'·', x, u"^3 – ", a * b * b, u'·', x);
        c.denominator = Write(k, u'·', x, u"^2 ", s, u' ', k * b, u'·', x);
        c.common = Write(x, u'·', Bracketed(xsb));
      }
      break;
    }
    case 5:  // a square over a difference of squares
      c.numerator = Write(x, u"^2 ", s, u' ', 2 * b, u'·', x, u" + ", b * b);
      c.denominator = Write(x, u"^2 – ", b * b);
      c.numeratorRest = Bracketed(xsb);
      c.denominatorRest = Bracketed(xsBarb);
      break;
    case 6:  // a difference of squares over one of its factors: a sum is left
      c.numerator = Write(x, u"^2 – ", b * b);
      c.denominator = xsb;
      c.numeratorRest = Bracketed(xsBarb);
      break;
    default: {  // a·x ± ab over a square
      const int a = DrawNumber(2, 9);
      c.numerator = Write(a, u'·', x, u' ', s, u' ', a * b);
      c.denominator = Write(x, u"^2 ", s, u' ', 2 * b, u'·', x, u" + ", b * b);
      c.numeratorRest = IntText(a);
      c.denominatorRest = Bracketed(xsb);
      break;
    }
  }
  Store(item, c);
}

}  // namespace kalkora::fractions

#include "topics/fractions/domain_generator.h"

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "topics/fractions/finishing_steps.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions {
namespace {

constexpr char16_t kMinus = u'–';

// The value that makes a factor with this sign zero: "–value" for "+", "value" for a minus.
Text Zero(char16_t sign, TextView value) {
  Text text;
  if (sign == u'+') text += kMinus;
  text += value;
  return text;
}

struct Numbers {
  int a = 0;
  int b = 0;
  int c = 0;
  int d = 0;
};

Numbers DrawNumbers(int variante) {
  Numbers n;
  if (variante <= 17) {
    do {
      n.a = DrawNumber(1, 20);
      n.b = DrawNumber(2, 9);
      n.c = DrawNumber(2, 9);
    } while (Gcd(n.a, n.b) != 1 || Gcd(n.b, n.c) != 1);
  } else {
    do {
      n.a = DrawNumber(1, 20);
      n.b = DrawNumber(2, 9);
      n.c = DrawNumber(2, 9);
      n.d = DrawNumber(2, 9);
    } while (Gcd(n.b, n.c) != 1 || !PairwiseDifferent({n.a, n.b, n.c, n.d}));
  }
  return n;
}

}  // namespace

void DefmengeU(int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  const int variante = Random(25) + 1;
  item.Variante = variante;
  DrawRandomSigns(4, kMinus);
  DrawLetters(item, 2, true);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t s = Vz[1];
  const char16_t t = Vz[2];
  const auto [a, b, c, d] = DrawNumbers(variante);
  const char16_t v = Random(2) == 0 ? x : y;

  Text numerator = IntText(a);
  Text denominator;
  Text solution;
  // Variants 2–9 and 10–17 are four denominators each, with a number or a letter numerator.
  const int shape = variante >= 2 && variante <= 17 ? (variante - 2) % 4 : -1;
  if (variante >= 6 && variante <= 9) numerator = Write(a, u'·', x);
  if (variante >= 14 && variante <= 17) numerator = Write(a, u'·', v);
  if (variante == 1) {
    denominator = Text(1, x);
    solution = u"0";
  } else if (variante <= 9) {
    switch (shape) {
      case 0:
        denominator = Write(x, u' ', s, u' ', b);
        solution = Zero(s, IntText(b));
        break;
      case 1:
        denominator = Write(b, u' ', s, u' ', x);
        solution = Zero(s, IntText(b));
        break;
      case 2:
        denominator = Write(b, u'·', x, u' ', s, u' ', c);
        solution = Zero(s, Write(c, u'/', b));
        break;
      default:
        denominator = Write(b, u' ', s, u' ', c, u'·', x);
        solution = Zero(s, Write(b, u'/', c));
        break;
    }
  } else if (variante <= 17) {
    switch (shape) {
      case 0:
        denominator = Write(x, u' ', s, u' ', y);
        solution = Zero(s, Text(1, y));
        break;
      case 1:
        denominator = Write(b, u'·', x, u' ', s, u' ', y);
        solution = Zero(s, Write(y, u'/', b));
        break;
      case 2:
        denominator = Write(x, u' ', s, u' ', b, u'·', y);
        solution = Zero(s, Write(b, y));
        break;
      default:
        denominator = Write(b, u'·', x, u' ', s, u' ', c, u'·', y);
        solution = Zero(s, Write(c, y, u'/', b));
        break;
    }
  } else {
    switch (variante) {
      case 18:
        denominator = Write(x, u' ', s, u' ', x, u"^2");
        solution = Write(u"0,", Zero(s, u"1"));
        break;
      case 19:
        denominator = Write(x, u"^2 ", s, u' ', x);
        solution = Write(u"0,", Zero(s, u"1"));
        break;
      case 20:
        denominator = Write(b, u'·', x, u"^2 ", s, u' ', b, u'·', x);
        solution = Write(u"0,", Zero(s, u"1"));
        break;
      case 21:
        denominator = Write(x, u"^2 ", s, u' ', b, u'·', x);
        solution = Write(u"0,", Zero(s, IntText(b)));
        break;
      case 22:
        denominator = Write(b, u'·', x, u"^2 ", s, u' ', c, u'·', x);
        solution = Write(u"0,", Zero(s, Write(c, u'/', b)));
        break;
      case 23:
        denominator = Write(b, u'·', x, u' ', s, u' ', c, u'·', x, u"^2");
        solution = Write(u"0,", Zero(s, Write(b, u'/', c)));
        break;
      case 24:
        denominator = Write(b, u"·(", x, u' ', s, u' ', c, u")·(", x, u' ', t, u' ', d, u')');
        solution = Write(Zero(s, IntText(c)), u',', Zero(t, IntText(d)));
        break;
      default:
        denominator = Write(b, u"·(", c, u' ', s, u' ', x, u")·(", d, u' ', t, u' ', x, u')');
        solution = Write(Zero(s, IntText(c)), u',', Zero(t, IntText(d)));
        break;
    }
  }
  item.Text[1] = WithoutUnitCoefficients(FinishedTaskText(numerator));  // ‹x›, never ‹1·x›
  item.Text[4] = FinishedTaskText(denominator);
  item.Loesung = FinishedSolutionText(solution);
}

}  // namespace kalkora::fractions

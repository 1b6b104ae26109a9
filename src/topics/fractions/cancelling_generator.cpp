#include "topics/fractions/cancelling_generator.h"

#include <algorithm>

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "topics/fractions/finishing_steps.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions {
namespace {

constexpr char16_t kMinus = u'–';

struct Fraction {
  Text numerator;
  Text denominator;
  Text solution;
};

// Variants 1 and 2: powers of one letter, with numbers in variant 2.
Fraction OneLetterPowers(int variante, char16_t x) {
  int a = 0;
  int b = 0;
  int g = 1;
  do {
    a = DrawNumber(2, 51);
    b = DrawNumber(2, 51);
    g = Gcd(a, b);
  } while (a == b || g == 1 || b / g <= 1);
  int e1 = 0;
  int e2 = 0;
  do {
    e1 = DrawNumber(1, 9);
    e2 = DrawNumber(1, 9);
  } while (e1 == e2);
  if (variante == 1) {
    const Text solution =
        e1 > e2 ? Write(Power(x, e1 - e2), u"/1") : Write(u"1/", Power(x, e2 - e1));
    return {Power(x, e1), Power(x, e2), solution};
  }
  const Text solution = e1 > e2 ? Write(a / g, u'·', Power(x, e1 - e2), u'/', b / g)
                                : Write(a / g, u'/', b / g, u'·', Power(x, e2 - e1));
  return {Write(a, u'·', Power(x, e1)), Write(b, u'·', Power(x, e2)), solution};
}

// Variants 3–6: a sum of two terms over a monomial.
Fraction SumOverMonomial(int variante, char16_t x, char16_t y, char16_t s) {
  int a = 0;
  int b = 0;
  int c = 0;
  int g = 1;
  do {
    a = DrawNumber(2, 51);
    b = DrawNumber(2, 51);
    c = DrawNumber(2, 51);
    g = Gcd3(a, b, c);
  } while (!PairwiseDifferent({a, b, c}) || g == 1);
  int e[7] = {};
  do {
    for (int i = 1; i <= 6; ++i) e[i] = DrawNumber(1, 9);
  } while (!(e[2] < e[1] && e[1] < e[3] && e[4] < e[5] && e[6] < e[5]));
  switch (variante) {
    case 3:
      return {Write(x, u' ', s, u' ', x, u'·', y), Power(x, e[1]),
              Write(u"1 ", s, u' ', y, u'/', Power(x, e[1] - 1))};
    case 4:
      return {Write(Power(x, e[1]), u' ', s, u' ', Power(x, e[2]), u'·', y), Power(x, e[3]),
              Write(Power(x, e[1] - e[2]), u' ', s, u' ', y, u'/', Power(x, e[3] - e[2]))};
    case 5: {
      const int k = std::min(e[4], e[6]);
      return {
          Write(Product({Power(x, e[1]), Power(y, e[4])}), u' ', s, u' ',
                Product({Power(x, e[2]), Power(y, e[5])})),
          Product({Power(x, e[3]), Power(y, e[6])}),
          Write(Product({Power(x, e[1] - e[2]), Power(y, e[4] - k)}), u' ', s, u' ',
                Power(y, e[5] - k), u'/', Product({Power(x, e[3] - e[2]), Power(y, e[6] - k)}))};
    }
    default:
      return {Write(a, u'·', Power(x, e[1]), u' ', s, u' ', b, u'·', Power(x, e[2])),
              Write(c, u'·', Power(x, e[3])),
              Write(a / g, u'·', Power(x, e[1] - e[2]), u' ', s, u' ', b / g, u'/', c / g, u'·',
                    Power(x, e[3] - e[2]))};
  }
}

// Variants 7–10: binomial factors.
Fraction BinomialFactors(int variante, char16_t x, char16_t s, char16_t t, char16_t u) {
  int a = 0;
  int b = 0;
  int c = 0;
  int d = 0;
  int e = 0;
  int g = 1;
  do {
    a = DrawNumber(1, 9);
    b = DrawNumber(1, 9);
    c = DrawNumber(1, 9);
    d = DrawNumber(1, 9);
    e = DrawNumber(1, 9);
    g = Gcd(a, c);
  } while (!PairwiseDifferent({a, b, c, d, e}) || g == 1);
  const Text xtd = Write(x, u' ', t, u' ', d);
  switch (variante) {
    case 7: {
      const Text numerator = Write(a, u'·', x, u"^2 ", s, u' ', a * b, u'·', x);
      const Text denominator = Write(c, u"·(", x, u' ', s, u' ', b, u")·(", xtd, u')');
      const Text solution = c / g == 1 ? Write(a / g, u'·', x, u'/', xtd)
                                       : Write(a / g, u'·', x, u'/', c / g, u"·(", xtd, u')');
      return {numerator, denominator, solution};
    }
    case 8:
      return {Write(u'(', a, u'·', x, u"^2 ", s, u' ', a * b, u'·', x, u")·(", xtd, u')'),
              Write(u'(', x, u' ', u, u' ', e, u")·(", c, u'·', x, u' ', s, u' ', b * c, u')'),
              Write(a / g, u'·', x, u"·(", xtd, u")/", c / g, u"·(", x, u' ', u, u' ', e, u')')};
    case 9: {
      const int r = DrawNumber(2, 11);
      return {Write(x, u"^2 – ", r * r), Write(x, u"^2 – ", r, u'·', x),
              Write(x, u" + ", r, u'/', x)};
    }
    default: {
      const int r = DrawNumber(2, 11);
      return {Write(x, u"^2 ", s, u' ', x), Write(r, u'·', x, u' ', s, u' ', r), Write(x, u'/', r)};
    }
  }
}

// Variants 11 and 12: a difference of squares over a multiple of a binomial.
Fraction DifferenceOfSquares(int variante, char16_t x, char16_t s) {
  int a = 0;
  int b = 0;
  int c = 0;
  do {
    a = DrawNumber(2, 6);
    b = DrawNumber(2, 6);
    c = DrawNumber(2, 6);
  } while (Gcd(a, c) != 1 || a * b * b > 120);
  const Text solution = Write(a, u"·(", x, u' ', Opposite(s, kMinus), u' ', b, u")/", c);
  if (variante == 11) {
    return {Write(a, u'·', x, u"^2 – ", a * b * b), Write(c, u'·', x, u' ', s, u' ', c * b),
            solution};
  }
  return {Write(a, u'·', x, u"^3 – ", a * b * b, u'·', x),
          Write(c, u'·', x, u"^2 ", s, u' ', c * b, u'·', x), solution};
}

}  // namespace

void KuerzenU(int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  const int variante = Random(12) + 1;
  item.Variante = variante;
  DrawRandomSigns(4, kMinus);
  DrawLetters(item, 2, false);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  Fraction fraction;
  if (variante <= 2) {
    fraction = OneLetterPowers(variante, x);
  } else if (variante <= 6) {
    fraction = SumOverMonomial(variante, x, y, Vz[1]);
  } else if (variante <= 10) {
    fraction = BinomialFactors(variante, x, Vz[1], Vz[2], Vz[3]);
  } else {
    fraction = DifferenceOfSquares(variante, x, Vz[1]);
  }
  item.Text[1] = FinishedTaskText(fraction.numerator);
  item.Text[4] = FinishedTaskText(fraction.denominator);
  item.Loesung = fraction.solution;
  FinishSolution(item);
}

}  // namespace kalkora::fractions

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"
#include "topics/fractions/multiply_divide_generators.h"

namespace kalkora::fractions {
namespace {

constexpr char16_t kMinus = u'-';

struct Draws {
  int A = 0;
  int P = 0;
  int Q = 0;
  int Y = 0;
  int d = 0;
  int Z = 0;
};

// A, P, Q, Y from 2 … 7 and d, Z from 2 … 9, all six pairwise different, redrawn together
// until `holds` accepts them.
template <typename Condition>
Draws DrawSixDifferent(Condition holds) {
  Draws n;
  do {
    n.A = DrawNumber(2, 7);
    n.P = DrawNumber(2, 7);
    n.Q = DrawNumber(2, 7);
    n.Y = DrawNumber(2, 7);
    n.d = DrawNumber(2, 9);
    n.Z = DrawNumber(2, 9);
  } while (!PairwiseDifferent({n.A, n.P, n.Q, n.Y, n.d, n.Z}) || !holds(n));
  return n;
}

// Either sub-scheme with equal chance: the condition's Gcd is 1, or it is not.
bool DrawCommonFactorScheme() { return Random(2) == 1; }

// c·x s d, with the coefficient c written even when it is 1 (the finishing steps drop it).
Text Linear(int c, char16_t x, char16_t s, int d) { return Write(c, u'·', x, u' ', s, u' ', d); }

void Variant1(TBruchM& item, char16_t x) {
  static constexpr char16_t kPairs[3][2] = {{u'+', u'+'}, {u'+', kMinus}, {kMinus, u'+'}};
  const auto& pair = kPairs[Random(3)];
  const char16_t R = pair[0];
  const char16_t S = pair[1];
  const bool common = DrawCommonFactorScheme();
  const Draws n = DrawSixDifferent(
      [common](const Draws& v) { return Gcd(v.d, v.Z) == 1 && (Gcd(v.Q, v.d) != 1) == common; });
  const int l = Gcd(n.A, n.P);
  const int g = Gcd(n.d * l, n.Q * n.Z);
  WriteMultDivItem(
      item, Linear(n.A, x, R, n.P), Write(n.Q, u'·', x, u"^2 ", S, u' ', n.Q * n.Y, u'·', x),
      Linear(n.d, x, S, n.d * n.Y), IntText(n.Z),
      Write(n.d * l / g, u"·(", Linear(n.A / l, x, R, n.P / l), u")/", n.Q * n.Z / g, u'·', x));
}

void Variant2(TBruchM& item, char16_t x) {
  const char16_t R = Random(2) == 0 ? u'+' : kMinus;
  const bool common = DrawCommonFactorScheme();
  const Draws n =
      DrawSixDifferent([common](const Draws& v) { return (Gcd(v.A, v.Y) != 1) == common; });
  const int l = Gcd(n.P, n.Q);
  const int g = Gcd(n.A, n.Y * l);
  WriteMultDivItem(item, IntText(n.A), Write(n.P * n.P, u'·', x, u"^2 - ", n.Q * n.Q),
                   Linear(n.P, x, R, n.Q), IntText(n.Y),
                   Write(n.A / g, u'/', n.Y * l / g, u"·(",
                         Linear(n.P / l, x, Opposite(R, kMinus), n.Q / l), u')'));
}

void Variant3(TBruchM& item, char16_t x) {
  const char16_t R = Random(2) == 0 ? u'+' : kMinus;
  const char16_t S = Random(2) == 0 ? u'+' : kMinus;
  const bool common = DrawCommonFactorScheme();
  const Draws n =
      DrawSixDifferent([common](const Draws& v) { return (Gcd(v.P, v.Q) != 1) == common; });
  const int l = Gcd(n.Q, n.P * n.Y);
  WriteMultDivItem(
      item, Write(x, u' ', R, u' ', n.A),
      Write(u'(', Linear(n.P, x, S, n.P), u")·(", x, u"^2 ", Opposite(S, kMinus), u' ', x, u')'),
      Write(n.Q, u'·', x, u"^2 - ", n.Q), IntText(n.Y),
      Write(n.Q / l, u"·(", x, u' ', R, u' ', n.A, u")/", n.P * n.Y / l, u'·', x));
}

void Variant4(TBruchM& item, char16_t x, char16_t y, char16_t s) {
  const bool common = DrawCommonFactorScheme();
  const Draws n = DrawSixDifferent(
      [common](const Draws& v) { return Gcd(v.A, v.P) == 1 && (Gcd(v.A, v.Y) != 1) == common; });
  const int l = Gcd(n.P, n.Q);
  const int g = Gcd(n.A, n.Y * l);
  const Text binomial = Write(n.P / l, u'·', x, u' ', Opposite(s, kMinus), u' ', n.Q / l, u'·', y);
  const int coefficient = n.Y * l / g;
  const Text denominator = coefficient == 1 ? binomial : Write(coefficient, u"·(", binomial, u')');
  WriteMultDivItem(item, Write(n.A, u'·', x, u'·', y),
                   Write(u'(', n.P * n.P, u'·', x, u"^2 - ", n.Q * n.Q, u'·', y, u"^2)"),
                   Write(n.P, u'·', x, u' ', s, u' ', n.Q, u'·', y), Write(n.Y, u'·', x, u'·', y),
                   Write(n.A / g, u'/', denominator));
}

void Variant5(TBruchM& item, char16_t x, char16_t y, char16_t s, char16_t t) {
  int A = 0;
  int P = 0;
  int Q = 0;
  int N = 0;
  do {
    A = DrawNumber(2, 7);
    P = DrawNumber(2, 7);
    Q = DrawNumber(2, 7);
    N = DrawNumber(2, 7);
  } while (!PairwiseDifferent({A, P, Q, N}));
  // c·letter ± d, or g·(c/g·letter ± d/g) when c and d have a common factor g.
  const auto factored = [](int c, char16_t letter, char16_t sign, int d) {
    const int g = Gcd(c, d);
    if (g == 1) return Linear(c, letter, sign, d);
    return Write(g, u"·(", Linear(c / g, letter, sign, d / g), u')');
  };
  WriteMultDivItem(
      item, Write(A * A, u'·', x, u"^2 - ", P * P), Write(Q * Q, u'·', y, u"^2 - ", N * N),
      Linear(Q, y, s, N), Linear(A, x, t, P),
      Write(factored(A, x, Opposite(t, kMinus), P), u'/', factored(Q, y, Opposite(s, kMinus), N)));
}

}  // namespace

void MultDivU3(int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  const int variante = Random(5) + 1;
  item.Variante = variante;
  DrawRandomSigns(9, kMinus);
  DrawLetters(item, 4, false);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  switch (variante) {
    case 1: Variant1(item, x); break;
    case 2: Variant2(item, x); break;
    case 3: Variant3(item, x); break;
    case 4: Variant4(item, x, y, Vz[1]); break;
    default: Variant5(item, x, y, Vz[1], Vz[2]); break;
  }
}

}  // namespace kalkora::fractions

#include "topics/fractions/multiply_divide_generators.h"

#include <cstdlib>

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "topics/fractions/finishing_steps.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions {

void WriteMultDivItem(TBruchM& item, TextView numerator1, TextView denominator1,
                      TextView numerator2, TextView denominator2, TextView solution) {
  item.Text[1] = FinishedTaskText(numerator1);
  item.Text[5] = FinishedTaskText(denominator1);
  item.Text[2] = FinishedTaskText(numerator2);
  item.Text[6] = FinishedTaskText(denominator2);
  item.Op1 = u'·';
  item.Loesung = Text{solution};
  FinishSolution(item);
}

namespace {

constexpr char16_t kMinus = u'-';

// Stufe 1: does the scheme hold for A, B, C, D (Gcd(A, C) = Gcd(B, D) = 1 in every scheme)?
bool Stufe1SchemeHolds(int scheme, int A, int B, int C, int D) {
  if (Gcd(A, C) != 1 || Gcd(B, D) != 1) return false;
  const bool adShare = Gcd(A, D) != 1;
  const bool bcShare = Gcd(B, C) != 1;
  if (adShare && A == D) return false;
  if (bcShare && B == C) return false;
  const bool wantAd = scheme >= 2;
  const bool wantBc = scheme == 1 || scheme == 3;
  return adShare == wantAd && bcShare == wantBc;
}

// Stufe 2: does the scheme hold for P1 … P4?
bool Stufe2SchemeHolds(int scheme, const int (&P)[5]) {
  const bool g12 = Gcd(P[1], P[2]) != 1;
  const bool g14 = Gcd(P[1], P[4]) != 1;
  const bool g23 = Gcd(P[2], P[3]) != 1;
  const bool g34 = Gcd(P[3], P[4]) != 1;
  switch (scheme) {
    case 0: return g12 && !g14 && !g23 && !g34 && P[1] != P[3] && P[2] != P[4];
    case 1: return !g12 && g14 && !g23 && !g34;
    case 2: return !g12 && !g14 && g23 && !g34;
    default: return !g12 && !g14 && !g23 && g34;
  }
}

struct SignPattern {
  char16_t sigma[5];       // σ1 … σ4 at indices 1 … 4
  bool fromFirstPair;      // the solution's binomial is made of q1, q2 (else q3, q4)
  char16_t numeratorSign;  // a·x ± b in the numerator; the denominator has the other sign
};

constexpr SignPattern kSignPatterns[8] = {
    {{0, u'+', u'+', u'+', u'-'}, true, u'+'},  {{0, u'+', u'+', u'-', u'+'}, false, u'-'},
    {{0, u'+', u'-', u'+', u'+'}, false, u'+'}, {{0, u'-', u'+', u'+', u'+'}, true, u'-'},
    {{0, u'-', u'-', u'-', u'+'}, true, u'-'},  {{0, u'-', u'-', u'+', u'-'}, false, u'+'},
    {{0, u'-', u'+', u'-', u'-'}, false, u'-'}, {{0, u'+', u'-', u'-', u'-'}, true, u'+'},
};

}  // namespace

void MultDivU1(int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  const int variante = Random(3) + 1;
  item.Variante = variante;
  DrawRandomSigns(9, kMinus);
  DrawLetters(item, 4, false);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t z = item.Var3;
  const char16_t w = item.Var4;
  const int scheme = Random(4);
  int A = 0;
  int B = 0;
  int C = 0;
  int D = 0;
  do {
    A = DrawNumber(2, 12);
    B = DrawNumber(2, 12);
    C = DrawNumber(2, 12);
    D = DrawNumber(2, 12);
  } while (!Stufe1SchemeHolds(scheme, A, B, C, D));
  const int gAD = Gcd(A, D);
  const int gBC = Gcd(B, C);
  const int N = (A / gAD) * (B / gBC);
  const int M = (C / gBC) * (D / gAD);

  switch (variante) {
    case 1:
      WriteMultDivItem(item, Write(A, u'·', x), IntText(D), Write(B, u'·', y), IntText(C),
                       Write(N, u'·', x, u'·', y, u'/', M));
      break;
    case 2:
      WriteMultDivItem(item, Write(A, u'·', x), Write(D, u'·', z), Write(B, u'·', y),
                       Write(C, u'·', w), Write(N, u'·', x, u'·', y, u'/', M, u'·', z, u'·', w));
      break;
    default: {
      int e[9] = {};
      do {
        for (int k = 1; k <= 8; ++k) e[k] = DrawNumber(1, 6);
      } while (e[1] == e[4] || e[1] == e[7] || e[2] == e[3] || e[2] == e[8] || e[3] == e[5] ||
               e[4] == e[6]);
      const int k1 = e[1] - e[4];
      const int k2 = e[2] - e[3];
      const Text px = Power(x, std::abs(k1));
      const Text py = Power(y, std::abs(k2));
      Text solution;
      if (k1 > 0 && k2 > 0) {
        solution = Write(N, u'·', px, u'·', py, u'/', M);
      } else if (k1 > 0) {
        solution = Write(N, u'·', px, u'/', M, u'·', py);
      } else if (k2 > 0) {
        solution = Write(N, u'·', py, u'/', M, u'·', px);
      } else {
        solution = Write(N, u'/', M, u'·', py, u'·', px);
      }
      WriteMultDivItem(item, Write(A, u'·', Power(x, e[1])), Write(C, u'·', Power(y, e[3])),
                       Write(B, u'·', Power(y, e[2])), Write(D, u'·', Power(x, e[4])), solution);
      break;
    }
  }
}

void MultDivU2(int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  item.Variante = 2;
  DrawRandomSigns(9, kMinus);
  DrawLetters(item, 4, false);
  const char16_t x = item.Var1;
  const int scheme = Random(4);
  int P[5] = {};
  int q[5] = {};
  do {
    for (int k = 1; k <= 4; ++k) P[k] = DrawNumber(2, 7);
    for (int k = 1; k <= 4; ++k) q[k] = DrawNumber(1, 10);
  } while (!Stufe2SchemeHolds(scheme, P) || q[1] == q[2] || q[3] == q[4]);
  const SignPattern& pattern = kSignPatterns[Random(8)];
  const char16_t* sigma = pattern.sigma;

  const int first = pattern.fromFirstPair ? q[1] : q[3];
  const int second = pattern.fromFirstPair ? q[2] : q[4];
  const int g = Gcd(first, second);
  const int a = first / g;
  const int b = second / g;
  const int h = Gcd(P[1] * P[3] * g, P[2] * P[4] * g);
  const int N = P[1] * P[3] * g / h;
  const int M = P[2] * P[4] * g / h;
  const char16_t denominatorSign = Opposite(pattern.numeratorSign, kMinus);
  const auto linear = [x](int c, char16_t sign, int d) {
    return Write(c, u'·', x, u' ', sign, u' ', d);
  };
  WriteMultDivItem(
      item, linear(P[1] * q[1], sigma[1], P[1] * q[2]), linear(P[2] * q[3], sigma[2], P[2] * q[4]),
      linear(P[3] * q[3], sigma[3], P[3] * q[4]), linear(P[4] * q[1], sigma[4], P[4] * q[2]),
      Write(N, u"·(", linear(a, pattern.numeratorSign, b), u")/", M, u"·(",
            linear(a, denominatorSign, b), u')'));
}

}  // namespace kalkora::fractions

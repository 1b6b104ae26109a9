// The worked examples of multiplying (and, with the second fraction turned over, dividing)
// fractional terms: two fractions whose numerators and denominators share factors crosswise,
// the pair with those factors marked, and the product in lowest terms.

#include <cstdlib>
#include <tuple>

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

// Two fractions: numerator and denominator of each.
struct Pair {
  Text n1, d1, n2, d2;
};

void StoreTask(TBruchM& item, const Pair& task) {
  item.Text[1] = task.n1;
  item.Text[5] = task.d1;
  item.Text[2] = task.n2;
  item.Text[6] = task.d2;
  item.Op1 = u'·';
}

void StoreMarked(TBruchM& item, const Pair& marked) {
  item.Daten[1] = marked.n1;
  item.Daten[2] = marked.d1;
  item.Daten[3] = marked.n2;
  item.Daten[4] = marked.d2;
}

void StoreResult(TBruchM& item, TextView numerator, TextView denominator) {
  item.Text[9] = Text(numerator);
  item.Text[10] = Text(denominator);
}

// The number, marked when it shares a factor with its partner across the bars.
Text MarkedNumber(int n, bool shares, char16_t marker) {
  return shares ? Marked(IntText(n), marker) : IntText(n);
}

// The number after cancelling (1 left out before a factor).
Text Rest(int n) { return n == 1 ? Text{} : IntText(n); }

// p·x ± q as written inside a product: in brackets.
Text Factor(int p, char16_t x, char16_t s, int q) { return Bracketed(Linear(p, x, s, q)); }

// The product P·(p·x ± q) multiplied out.
Text Expanded(int P, int p, char16_t x, char16_t s, int q) { return Linear(P * p, x, s, P * q); }

}  // namespace

void MultDivM1(int index) {
  TBruchM& item = FreshExample(index, 3, 4);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t z = item.Var3;
  const char16_t w = item.Var4;
  // A·x over C times B·y over D: A cancels with D, B with C (one pair or both), each fraction
  // in lowest terms by itself.
  const int scheme = Random(3);  // 0: A and D, 1: B and C, 2: both
  int A = 0;
  int B = 0;
  int C = 0;
  int D = 0;
  bool ad = false;
  bool bc = false;
  do {
    A = DrawNumber(2, 12);
    B = DrawNumber(2, 12);
    C = DrawNumber(2, 12);
    D = DrawNumber(2, 12);
    ad = Gcd(A, D) != 1 && A != D;
    bc = Gcd(B, C) != 1 && B != C;
  } while (Gcd(A, C) != 1 || Gcd(B, D) != 1 || (Gcd(A, D) != 1 && !ad) || (Gcd(B, C) != 1 && !bc) ||
           ad != (scheme != 1) || bc != (scheme != 0));
  const int g1 = Gcd(A, D);
  const int g2 = Gcd(B, C);
  const int N = (A / g1) * (B / g2);
  const int M = (C / g2) * (D / g1);

  // The letters of the variant: the numerators' and the denominators' (empty: none).
  Text numX = Text(1, x);
  Text numY = Text(1, y);
  Text denZ;
  Text denW;
  // After cancelling, and in the product.
  Text restNumX = numX;
  Text restNumY = numY;
  Text restDenZ;
  Text restDenW;
  Text markedNumX = numX;
  Text markedNumY = numY;
  Text markedDenZ;
  Text markedDenW;
  if (item.Variante == 2) {
    denZ = restDenZ = markedDenZ = Text(1, z);
    denW = restDenW = markedDenW = Text(1, w);
  } else if (item.Variante == 3) {
    // x^e1 over y^e3 times y^e2 over x^e4: the powers of each letter cancel crosswise.
    int e[5] = {};
    do {
      for (int k = 1; k <= 4; ++k) e[k] = DrawNumber(1, 6);
    } while (e[1] == e[4] || e[2] == e[3]);
    numX = Power(x, e[1]);
    denW = Power(x, e[4]);
    numY = Power(y, e[2]);
    denZ = Power(y, e[3]);
    markedNumX = Marked(numX, u'~');
    markedDenW = Marked(denW, u'~');
    markedNumY = Marked(numY, u'$');
    markedDenZ = Marked(denZ, u'$');
    restNumX = Power(x, std::max(e[1] - e[4], 0));
    restDenW = Power(x, std::max(e[4] - e[1], 0));
    restNumY = Power(y, std::max(e[2] - e[3], 0));
    restDenZ = Power(y, std::max(e[3] - e[2], 0));
  }
  StoreTask(item, {Product({IntText(A), numX}), Product({IntText(C), denZ}),
                   Product({IntText(B), numY}), Product({IntText(D), denW})});
  StoreMarked(item, {Product({MarkedNumber(A, ad, u'#'), markedNumX}),
                     Product({MarkedNumber(C, bc, u'_'), markedDenZ}),
                     Product({MarkedNumber(B, bc, u'_'), markedNumY}),
                     Product({MarkedNumber(D, ad, u'#'), markedDenW})});
  item.Daten[5] = ProductOrOne({Rest(A / g1), restNumX});
  item.Daten[6] = ProductOrOne({Rest(C / g2), restDenZ});
  item.Daten[7] = ProductOrOne({Rest(B / g2), restNumY});
  item.Daten[8] = ProductOrOne({Rest(D / g1), restDenW});
  StoreResult(item, ProductOrOne({Rest(N), restNumX, restNumY}),
              ProductOrOne({Rest(M), restDenW, restDenZ}));
}

void MultDivM2(int index) {
  TBruchM& item = FreshExample(index, 2, 4);
  const char16_t x = item.Var1;
  // Two different binomials a·x ± b and c·x ± d with coprime coefficients; the third has the
  // other sign of the first.
  int a = 0;
  int b = 0;
  int c = 0;
  int d = 0;
  char16_t s = u'+';
  char16_t t = u'+';
  do {
    std::tie(a, b) = DrawCoprimePair(1, 9);
    std::tie(c, d) = DrawCoprimePair(1, 9);
    s = DrawDisplaySign();
    t = DrawDisplaySign();
  } while (a > 5 || c > 5 || (a == c && b == d));
  const char16_t sBar = Opposite(s, kDisplayMinus);
  int P1 = 0;
  int P2 = 0;
  int P3 = 0;
  do {
    P1 = DrawNumber(2, 9);
    P2 = DrawNumber(2, 9);
    P3 = DrawNumber(2, 9);
  } while (Gcd(P1, P2) != 1 || Gcd(P2, P3) != 1 || Gcd(P1, P3) != 1);
  const Text b1 = Factor(a, x, s, b);
  const Text b2 = Factor(c, x, t, d);
  const Text b3 = Factor(a, x, sBar, b);
  if (item.Variante == 1) {
    // P1·B1 over P2·B2 times P2·B2 over P3·B1: only P1 / P3 is left.
    StoreTask(item, {Expanded(P1, a, x, s, b), Expanded(P2, c, x, t, d), Expanded(P2, c, x, t, d),
                     Expanded(P3, a, x, s, b)});
    const Text p2b2 = Write(Marked(IntText(P2), u'#'), u'·', Marked(b2, u'~'));
    StoreMarked(item,
                {Write(P1, u'·', Marked(b1, u'_')), p2b2, p2b2, Write(P3, u'·', Marked(b1, u'_'))});
    StoreResult(item, IntText(P1), IntText(P3));
    return;
  }
  // P1·B1 over P2·B2 times P3·B2 over P1·B3: P1 and B2 cancel.
  StoreTask(item, {Expanded(P1, a, x, s, b), Expanded(P2, c, x, t, d), Expanded(P3, c, x, t, d),
                   Expanded(P1, a, x, sBar, b)});
  StoreMarked(item,
              {Write(Marked(IntText(P1), u'#'), u'·', b1), Write(P2, u'·', Marked(b2, u'~')),
               Write(P3, u'·', Marked(b2, u'~')), Write(Marked(IntText(P1), u'#'), u'·', b3)});
  StoreResult(item, Write(P3, u'·', b1), Write(P2, u'·', b3));
}

void MultDivM3(int index) {
  TBruchM& item = FreshExample(index, 5, 4);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t s = DrawDisplaySign();
  const char16_t sBar = Opposite(s, kDisplayMinus);
  switch (item.Variante) {
    case 1: {  // (A·x ± P)/(Q·x^2 ± QY·x) · (d·x ± dY)/Z
      const char16_t t = DrawDisplaySign();
      int A = 0;
      int P = 0;
      int Q = 0;
      int Y = 0;
      int d = 0;
      int Z = 0;
      do {
        A = DrawNumber(2, 7);
        P = DrawNumber(2, 7);
        Q = DrawNumber(2, 7);
        Y = DrawNumber(2, 7);
        d = DrawNumber(2, 9);
        Z = DrawNumber(2, 9);
      } while (Gcd(A, P) != 1 || Gcd(d, Q * Z) != 1);
      const Text xtY = Factor(1, x, t, Y);
      StoreTask(item, {Linear(A, x, s, P), Write(Q, u'·', x, u"^2 ", t, u' ', Q * Y, u'·', x),
                       Linear(d, x, t, d * Y), IntText(Z)});
      StoreMarked(item, {Linear(A, x, s, P), Write(Q, u'·', x, u'·', Marked(xtY, u'_')),
                         Write(d, u'·', Marked(xtY, u'_')), IntText(Z)});
      StoreResult(item, Write(d, u'·', Factor(A, x, s, P)), Write(Q * Z, u'·', x));
      break;
    }
    case 2: {  // A/(P²·x^2 – Q²) · (P·x ± Q)/Y
      int A = 0;
      int Y = 0;
      int P = 0;
      int Q = 0;
      do {
        A = DrawNumber(2, 9);
        Y = DrawNumber(2, 9);
        std::tie(P, Q) = DrawCoprimePair(1, 7);
      } while (Gcd(A, Y) != 1 || P == Q);
      const Text common = Factor(P, x, s, Q);
      const Text other = Factor(P, x, sBar, Q);
      StoreTask(item, {IntText(A), Write(Term(P * P, x, 2), u" – ", Q * Q), Linear(P, x, s, Q),
                       IntText(Y)});
      StoreMarked(item, {IntText(A), Write(other, u'·', Marked(common, u'_')), Marked(common, u'_'),
                         IntText(Y)});
      StoreResult(item, IntText(A), Write(Y, u'·', other));
      break;
    }
    case 3: {  // (x^2 – a²)/(b·x) · c·x/(x ± a)
      const int a = DrawNumber(1, 9);
      const auto [b, c] = DrawCoprimePair(2, 9);
      const Text common = Factor(1, x, s, a);
      StoreTask(item, {Write(x, u"^2 – ", a * a), Write(b, u'·', x), Write(c, u'·', x),
                       Linear(1, x, s, a)});
      StoreMarked(item, {Write(Factor(1, x, sBar, a), u'·', Marked(common, u'_')),
                         Write(b, u'·', Marked(Text(1, x), u'~')),
                         Write(c, u'·', Marked(Text(1, x), u'~')), Marked(common, u'_')});
      StoreResult(item, Write(c, u'·', Factor(1, x, sBar, a)), IntText(b));
      break;
    }
    case 4: {  // A·x·y/(P²·x^2 – Q²·y^2) · (P·x ± Q·y)/(Y·x·y)
      int A = 0;
      int Y = 0;
      int P = 0;
      int Q = 0;
      do {
        A = DrawNumber(2, 9);
        Y = DrawNumber(2, 9);
        std::tie(P, Q) = DrawCoprimePair(1, 7);
      } while (Gcd(A, Y) != 1 || P == Q);
      const auto binomial = [&](char16_t sign) {
        return Write(Term(P, x, 1), u' ', sign, u' ', Term(Q, y, 1));
      };
      const Text common = Bracketed(binomial(s));
      const Text other = Bracketed(binomial(sBar));
      const Text xy = Write(x, u'·', y);
      StoreTask(item, {Write(A, u'·', xy), Write(Term(P * P, x, 2), u" – ", Term(Q * Q, y, 2)),
                       binomial(s), Write(Y, u'·', xy)});
      StoreMarked(item, {Write(A, u'·', Marked(xy, u'~')), Write(other, u'·', Marked(common, u'_')),
                         Marked(common, u'_'), Write(Y, u'·', Marked(xy, u'~'))});
      StoreResult(item, IntText(A), Write(Y, u'·', other));
      break;
    }
    default: {  // (A²·x^2 – P²)/(Q²·y^2 – N²) · (Q·y ± N)/(A·x ± P)
      const char16_t t = DrawDisplaySign();
      int A = 0;
      int P = 0;
      int Q = 0;
      int N = 0;
      do {
        A = DrawNumber(2, 7);
        P = DrawNumber(2, 7);
        Q = DrawNumber(2, 7);
        N = DrawNumber(2, 7);
      } while (Gcd(A, P) != 1 || Gcd(Q, N) != 1);
      const char16_t tBar = Opposite(t, kDisplayMinus);
      const Text xCommon = Factor(A, x, t, P);
      const Text yCommon = Factor(Q, y, s, N);
      StoreTask(item,
                {Write(Term(A * A, x, 2), u" – ", P * P), Write(Term(Q * Q, y, 2), u" – ", N * N),
                 Linear(Q, y, s, N), Linear(A, x, t, P)});
      StoreMarked(item, {Write(Factor(A, x, tBar, P), u'·', Marked(xCommon, u'~')),
                         Write(Factor(Q, y, sBar, N), u'·', Marked(yCommon, u'_')),
                         Marked(yCommon, u'_'), Marked(xCommon, u'~')});
      StoreResult(item, Linear(A, x, tBar, P), Linear(Q, y, sBar, N));
      break;
    }
  }
}

}  // namespace kalkora::fractions

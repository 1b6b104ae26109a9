// Kind 5 "Herausheben": a common factor taken out of a sum — a number or a power (Stufe 1), a
// bracket (Stufe 2), a bracket out of two products (Stufe 3). The factor taken out is marked.
// The tasks end with their own equals sign.

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "topics/polynomials/polynomial_generators.h"
#include "topics/polynomials/polynomial_writing.h"

namespace kalkora {

using polynomials::kMark1;

namespace {

void Store(TPolynom& item, int variante, const Text& task, const Text& solution) {
  item.Variante = variante;
  item.AufgabeMarkup = Displayed(task);
  item.LoesungMarkup = Displayed(solution);
  FinishPolynom(item, false, UnitRule::Reduced);
}

Text Bracket(TextView inside) {
  Text text{u"("};
  text += inside;
  text += u')';
  return text;
}

Text Letter(char16_t letter) { return Text(1, letter); }

}  // namespace

void WriteHerausheben1(TPolynom& item, const Herausheben1Values& v) {
  const Text x = Letter(v.x);
  const Text y = Letter(v.y);
  const Text z = Letter(v.z);
  const Text s1 = Between(v.s1);
  const Text s2 = Between(v.s2);
  const Text t1 = Between(Opposite(v.s1));
  const Text t2 = Between(Opposite(v.s2));
  const int F = v.F;
  const int G = v.G;
  Text task;
  Text solution;
  switch (v.Variante) {
    case 1:
      task = Coefficient(v.k1) + x + s1 + Coefficient(v.k2) + y;
      solution = Marked(kMark1, IntText(F)) + u"*" +
                 Bracket(Coefficient(v.k1 / F) + x + s1 + Coefficient(v.k2 / F) + y);
      break;
    case 2:
      task = Coefficient(v.k1) + Power(v.x, v.e1) + s1 + Coefficient(v.k2) + Power(v.x, v.e2);
      solution = Marked(kMark1, Coefficient(F) + Power(v.x, v.e2)) + u"*" +
                 Bracket(Coefficient(v.k1 / F) + Power(v.x, v.e1 - v.e2) + s1 + IntText(v.k2 / F));
      break;
    case 3:
      task = Text{u"-"} + x + s1 + y;
      solution = Marked(kMark1, u"-1") + u"*" + Bracket(x + t1 + y);
      break;
    case 4:
      task = Coefficient(-v.k1) + x + s1 + Coefficient(v.k2) + y;
      solution = Marked(kMark1, IntText(-F)) + u"*" +
                 Bracket(Coefficient(v.k1 / F) + x + t1 + Coefficient(v.k2 / F) + y);
      break;
    case 5:
      task = Coefficient(v.k1) + x + s1 + Coefficient(v.k2) + y + s2 + Coefficient(v.k3) + z;
      solution = Marked(kMark1, IntText(G)) + u"*" +
                 Bracket(Coefficient(v.k1 / G) + x + s1 + Coefficient(v.k2 / G) + y + s2 +
                         Coefficient(v.k3 / G) + z);
      break;
    case 6:
      task = Coefficient(v.k1) + Power(v.x, v.e1) + s1 + Coefficient(v.k2) + Power(v.x, v.e2) + s2 +
             Coefficient(v.k3) + Power(v.x, v.e3);
      solution = Marked(kMark1, Coefficient(G) + Power(v.x, v.e3)) + u"*" +
                 Bracket(Coefficient(v.k1 / G) + Power(v.x, v.e1 - v.e3) + s1 +
                         Coefficient(v.k2 / G) + Power(v.x, v.e2 - v.e3) + s2 + IntText(v.k3 / G));
      break;
    case 7:
      task = Text{u"-"} + x + s1 + y + s2 + z;
      solution = Marked(kMark1, u"-") + Bracket(x + t1 + y + t2 + z);
      break;
    default:
      task = Coefficient(-v.k1) + x + s1 + Coefficient(v.k2) + y + s2 + Coefficient(v.k3) + z;
      solution = Marked(kMark1, IntText(-G)) + u"*" +
                 Bracket(Coefficient(v.k1 / G) + x + t1 + Coefficient(v.k2 / G) + y + t2 +
                         Coefficient(v.k3 / G) + z);
      break;
  }
  item.Var1 = v.x;
  item.Var2 = v.y;
  item.Var3 = v.z;
  Store(item, v.Variante, task + u" = ", solution);
}

void Herausheben1(int i) {
  Herausheben1Values v;
  v.Variante = Random(8) + 1;
  DrawRandomSigns(7, u'–');
  v.s1 = SignOf(1);
  v.s2 = SignOf(2);
  RedrawUntil([&] {
    v.e1 = Random(6) + 2;
    v.e2 = Random(6) + 2;
    v.e3 = Random(6) + 2;
    return v.e1 > v.e2 && v.e2 > v.e3;
  });
  const auto letters = DrawLetters(3);
  v.x = letters[1];
  v.y = letters[2];
  v.z = letters[3];
  v.F = Random(8) + 2;
  v.G = Random(8) + 2;
  if (v.Variante <= 4) {
    RedrawUntil([&] {
      v.k1 = Random(50) + 1;
      v.k2 = Random(50) + 1;
      return Gcd(v.k1, v.k2) == v.F && v.k1 != v.k2;
    });
  } else {
    // Three numbers 1 … 50, pairwise different, with the greatest common divisor G: drawn as
    // G times quotients 1 … 50 / G with no common divisor, which gives every admissible triple
    // with the same chance and needs a few draws instead of thousands for a large G.
    const int largest = 50 / v.G;
    RedrawUntil([&] {
      const int q1 = Random(largest) + 1;
      const int q2 = Random(largest) + 1;
      const int q3 = Random(largest) + 1;
      v.k1 = v.G * q1;
      v.k2 = v.G * q2;
      v.k3 = v.G * q3;
      return q1 != q2 && q1 != q3 && q2 != q3 && Gcd3(q1, q2, q3) == 1;
    });
  }
  WriteHerausheben1(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

void WriteHerausheben2(TPolynom& item, const Herausheben2Values& v) {
  const Text x = Letter(v.x);
  const Text w = Letter(v.w);
  const Text s = Between(v.s);
  Text bracket;
  switch (v.Variante) {
    case 1:
    case 2: bracket = Bracket(Letter(v.y) + Between(v.t) + Letter(v.z)); break;
    case 3: bracket = Bracket(Coefficient(v.P) + v.y + Between(v.t) + Letter(v.z)); break;
    default:
      bracket = Bracket(Coefficient(v.P) + v.y + Between(v.t) + Coefficient(v.Q) + v.z);
      break;
  }
  Text task;
  Text solution;
  if (v.Variante == 1) {
    task = x + u"*" + bracket + s + w + u"*" + bracket;
    solution = Marked(kMark1, bracket) + u"*" + Bracket(x + s + w);
  } else {
    task = Coefficient(v.k1) + x + u"*" + bracket + s + Coefficient(v.k2) + w + u"*" + bracket;
    solution = Marked(kMark1, Coefficient(v.F) + bracket) + u"*" +
               Bracket(Coefficient(v.k1 / v.F) + x + s + Coefficient(v.k2 / v.F) + w);
  }
  item.Var1 = v.x;
  item.Var2 = v.y;
  item.Var3 = v.z;
  item.Var4 = v.w;
  Store(item, v.Variante, task + u" = ", solution);
}

void Herausheben2(int i) {
  Herausheben2Values v;
  v.Variante = Random(4) + 1;
  RedrawUntil([&] {
    v.P = Random(8) + 2;
    v.Q = Random(8) + 2;
    return v.P != v.Q;
  });
  DrawRandomSigns(7, u'–');
  v.s = SignOf(1);
  v.t = SignOf(2);
  const auto letters = DrawLetters(4);
  v.x = letters[1];
  v.y = letters[2];
  v.z = letters[3];
  v.w = letters[4];
  v.F = Random(8) + 2;
  Random(8);  // a second factor is drawn and not used
  RedrawUntil([&] {
    v.k1 = Random(50) + 1;
    v.k2 = Random(50) + 1;
    return Gcd(v.k1, v.k2) == v.F && v.k1 != v.k2;
  });
  WriteHerausheben2(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

namespace {

struct SumsOfProducts {
  int A = 0;  // the coefficient of z in the remaining bracket
  int B = 0;  // the coefficient of w
  int G = 1;  // Gcd(A, B)
};

SumsOfProducts Sums(const Herausheben3Values& v) {
  SumsOfProducts sums;
  sums.A = v.v == u'+' ? v.c3 + v.c5 : v.c3 - v.c5;
  sums.B = v.v == u'+' ? v.c4 + v.c6 : v.c4 - v.c6;
  sums.G = Gcd(sums.A, sums.B);
  return sums;
}

}  // namespace

bool Herausheben3Admissible(const Herausheben3Values& v) {
  if (Gcd(v.c1, v.c2) != 1 || Gcd(v.c3, v.c4) != 1 || Gcd(v.c5, v.c6) != 1) return false;
  const SumsOfProducts sums = Sums(v);
  if (v.Variante == 1) return sums.G == 1 && sums.A != 0 && sums.B != 0;
  return Gcd(v.c3, v.c5) == 1 && Gcd(v.c4, v.c6) == 1 && sums.G > 1;
}

void WriteHerausheben3(TPolynom& item, const Herausheben3Values& v) {
  const Text common = Coefficient(v.c1) + v.x + Between(v.s) + Coefficient(v.c2) + v.y;
  const Text u = Between(v.u);
  const Text task = Bracket(common) + u"*" +
                    Bracket(Coefficient(v.c3) + v.z + u + Coefficient(v.c4) + v.w) + Between(v.v) +
                    Bracket(common) + u"*" +
                    Bracket(Coefficient(v.c5) + v.z + u + Coefficient(v.c6) + v.w) + u" =";
  const SumsOfProducts sums = Sums(v);
  Text solution;
  if (v.Variante == 1) {
    solution = Bracket(Marked(kMark1, common)) + u"*" +
               Bracket(Coefficient(sums.A) + v.z + u + Coefficient(sums.B) + v.w);
  } else {
    // The number in front takes the sign of A, so that the remaining bracket starts positive.
    const int factor = sums.A < 0 ? -sums.G : sums.G;
    solution = Coefficient(factor) + Bracket(Marked(kMark1, common)) + u"*" +
               Bracket(Coefficient(sums.A / factor) + v.z + u + Coefficient(sums.B / factor) + v.w);
  }
  item.Var1 = v.x;
  item.Var2 = v.y;
  item.Var3 = v.z;
  item.Var4 = v.w;
  Store(item, v.Variante, task, solution);
}

void Herausheben3(int i) {
  Herausheben3Values v;
  v.Variante = Random(2) + 1;
  DrawRandomSigns(7, u'–');
  const auto letters = DrawLetters(4, true, true);
  v.x = letters[1];
  v.y = letters[2];
  v.z = letters[3];
  v.w = letters[4];
  v.s = SignOf(1);
  v.u = SignOf(2);
  v.v = SignOf(3);
  RedrawUntil([&] {
    v.c1 = Random(8) + 2;
    v.c2 = Random(8) + 2;
    v.c3 = Random(8) + 2;
    v.c4 = Random(8) + 2;
    v.c5 = Random(8) + 2;
    v.c6 = Random(8) + 2;
    return Herausheben3Admissible(v);
  });
  WriteHerausheben3(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

}  // namespace kalkora

// Kind 1 "Polynom·Monom": a polynomial multiplied by a monomial. The solution keeps the order
// of the factors of the task (‹a·x·(b·y + …)› gives ‹ab·x·y + …›).

#include <cstdlib>

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "terms/evaluate_term_text.h"
#include "terms/term_letters.h"
#include "topics/polynomials/polynomial_generators.h"
#include "topics/polynomials/polynomial_writing.h"

namespace kalkora {

using polynomials::kMark1;
using polynomials::kMark2;
using polynomials::kMark3;
using polynomials::kMark4;

namespace {

// A monomial factor after a bracket: ‹c·z›, bracketed when c is negative: ‹(–c·z)›.
Text MonomialAfterBracket(int c, TextView letter) {
  Text factor = Coefficient(c) + Text{letter};
  return c < 0 ? Text{u"("} + factor + u")" : factor;
}

void Store(TPolynom& item, int variante, const Text& task, const Text& solution,
           bool joinExponents) {
  item.Variante = variante;
  item.AufgabeMarkup = Displayed(task);
  item.LoesungMarkup = Displayed(solution);
  FinishPolynom(item, joinExponents, UnitRule::Full);
}

// The value of an internal-form term in the letters x and y at (valueX, valueY).
int ValueAt(TextView term, char16_t x, char16_t y, int valueX, int valueY) {
  const Text substituted = SubstituteLetters(term, x, y, valueX, valueY);
  return TextInt(EvaluateTermText(substituted, x, 0)).value_or(0);
}

}  // namespace

void WritePolynomMonom1(TPolynom& item, const PolynomMonom1Values& v) {
  const Text x = MarkedPower(kMark1, v.x);
  const Text y = MarkedPower(kMark2, v.y);
  const Text z = MarkedPower(kMark3, v.z);
  const Text w = MarkedPower(kMark4, v.w);
  Text task;
  Text solution;
  switch (v.Variante) {
    case 1:
      task = Text{u"("} + Coefficient(v.a) + x + Between(v.s1) + Coefficient(v.b) + y + u")*" +
             MonomialAfterBracket(v.c, z);
      solution = Coefficient(v.a * v.c) + x + u"*" + z + Between(v.s1) + Coefficient(v.b * v.c) +
                 y + u"*" + z;
      break;
    case 2:
      task = Coefficient(v.a) + x + u"*(" + Coefficient(v.b) + y + Between(v.s1) +
             Coefficient(v.c) + z + u")";
      solution = Coefficient(v.a * v.b) + x + u"*" + y + Between(v.s1) + Coefficient(v.a * v.c) +
                 x + u"*" + z;
      break;
    case 3:
      task = Text{u"("} + Coefficient(v.a) + x + Between(v.s1) + Coefficient(v.b) + y +
             Between(v.s2) + Coefficient(v.c) + z + u")*" + MonomialAfterBracket(v.d, w);
      solution = Coefficient(v.a * v.d) + x + u"*" + w + Between(v.s1) + Coefficient(v.b * v.d) +
                 y + u"*" + w + Between(v.s2) + Coefficient(v.c * v.d) + z + u"*" + w;
      break;
    default:
      task = Coefficient(v.a) + x + u"*(" + Coefficient(v.b) + y + Between(v.s1) +
             Coefficient(v.c) + z + Between(v.s2) + Coefficient(v.d) + w + u")";
      solution = Coefficient(v.a * v.b) + x + u"*" + y + Between(v.s1) + Coefficient(v.a * v.c) +
                 x + u"*" + z + Between(v.s2) + Coefficient(v.a * v.d) + x + u"*" + w;
      break;
  }
  item.Var1 = v.x;
  item.Var2 = v.y;
  item.Var3 = v.z;
  item.Var4 = v.w;
  Store(item, v.Variante, task, solution, false);
}

void PolynomMonom1(int i) {
  PolynomMonom1Values v;
  v.Variante = Random(4) + 1;
  DrawRandomSigns(7, u'-');
  v.s1 = SignOf(1);
  v.s2 = SignOf(2);
  const auto letters = DrawLetters(4);
  v.x = letters[1];
  v.y = letters[2];
  v.z = letters[3];
  v.w = letters[4];
  const bool withNegatives = Random(2) == 1;
  RedrawUntil([&] {
    v.a = Random(9) + 1;
    v.b = Random(9) + 1;
    v.c = Random(9) + 1;
    v.d = Random(9) + 1;
    return v.a != v.b && v.a != v.c && v.a != v.d && v.b != v.c && v.b != v.d && v.c != v.d;
  });
  if (withNegatives) {
    for (int* number : {&v.a, &v.b, &v.c, &v.d}) {
      if (Random(2) == 0) *number = -*number;
    }
  }
  WritePolynomMonom1(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

void WritePolynomMonom2(TPolynom& item, const PolynomMonom2Values& v) {
  const Text x = MarkedPower(kMark1, v.x);
  const Text y = MarkedPower(kMark2, v.y);
  const Text x2 = MarkedPower(kMark1, v.x, 2);
  const Text y2 = MarkedPower(kMark2, v.y, 2);
  const char16_t signU = v.u < 0 ? u'-' : u'+';
  const char16_t signV = v.v < 0 ? u'-' : u'+';
  Text task;
  Text solution;
  if (v.Variante == 1) {
    task = Text{u"("} + Coefficient(v.u) + x + Between(v.s1) + y + u")*" +
           (v.v < 0 ? Text{u"(-"} + x + u")" : x);
    solution = Coefficient(v.u * v.v) + x2 + Between(Times(v.s1, signV)) + y + u"*" + x;
  } else if (v.Variante == 2) {
    task = Coefficient(v.u) + x + u"*(" + Coefficient(v.v) + y + Between(v.s1) + x + u")";
    solution = Coefficient(v.u * v.v) + x + u"*" + y + Between(Times(v.s1, signU)) + x2;
  } else {
    const Text a = v.minusA ? Text{u"-"} : Text{};
    const Text c = v.minusC ? Text{u"-"} : Text{};
    const Text factorX = v.Variante == 4 ? Text{u"("} + Marked(kMark1, Text{u'-', v.x}) + u")" : x;
    const Text factorY = v.Variante == 5 ? Text{u"("} + Marked(kMark2, Text{u'-', v.y}) + u")" : y;
    task = Text{u"("} + Marked(kMark1, a + v.x) + Between(v.s1) + y + u")*" + factorX +
           Between(v.s2) + u"(" + Marked(kMark1, c + v.x) + Between(v.s3) + y + u")*" + factorY;
    // The coefficients of x^2, y^2 and x·y are read from the values at (1, 0), (0, 1), (1, 1).
    const Text internal = RemoveChar(RemoveChar(task, kMark1), kMark2);
    const int p = ValueAt(internal, v.x, v.y, 1, 0);
    const int q = ValueAt(internal, v.x, v.y, 0, 1);
    const int r = ValueAt(internal, v.x, v.y, 1, 1);
    const int m = r - p - q;
    solution = Marked(kMark1, Coefficient(p) + Power(v.x, 2));
    if (m != 0) {
      solution += (m > 0 ? Text{u" + "} : Text{u" - "}) + Coefficient(std::abs(m)) + x + u"*" + y;
    }
    solution += (q > 0 ? Text{u" + "} : Text{u" - "}) + Coefficient(std::abs(q)) + y2;
  }
  item.Var1 = v.x;
  item.Var2 = v.y;
  Store(item, v.Variante, task, solution, false);
}

void PolynomMonom2(int i) {
  PolynomMonom2Values v;
  v.Variante = Random(5) + 1;
  DrawRandomSigns(7, u'-');
  v.s1 = SignOf(1);
  v.s2 = SignOf(2);
  v.s3 = SignOf(3);
  const auto letters = DrawLetters(2);
  v.x = letters[1];
  v.y = letters[2];
  if (v.Variante <= 2) {
    v.u = Random(2) == 0 ? -1 : 1;
    v.v = Random(2) == 0 ? -1 : 1;
  } else {
    v.minusA = Random(2) == 0;
    v.minusC = Random(2) == 0;
    Random(2);  // two further prefixes are drawn and not used
    Random(2);
  }
  WritePolynomMonom2(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

void WritePolynomMonom3(TPolynom& item, const PolynomMonom3Values& v) {
  const Text x = MarkedPower(kMark1, v.x);
  const Text y = MarkedPower(kMark2, v.y);
  const Text minusPower = Marked(kMark1, Text{u"-"} + Power(v.x, v.e1));
  const Text minusPowerUp = Marked(kMark1, Text{u"-"} + Power(v.x, v.e1 + 1));
  Text task;
  Text solution;
  switch (v.Variante) {
    case 1:
      task = MarkedPower(kMark1, v.x, v.e1) + u"*(" + x + Between(v.s1) + y + u")";
      solution = MarkedPower(kMark1, v.x, v.e1 + 1) + Between(v.s1) +
                 MarkedPower(kMark1, v.x, v.e1) + u"*" + y;
      break;
    case 2:
      task = minusPower + u"*(" + x + Between(v.s1) + y + u")";
      solution = minusPowerUp + Between(Opposite(v.s1)) + MarkedPower(kMark1, v.x, v.e1) + u"*" + y;
      break;
    case 3:
      // The power belongs to the second letter, which therefore carries the first marker.
      task = MarkedPower(kMark1, v.y, v.e1) + u"*(" + MarkedPower(kMark2, v.x) + Between(v.s1) +
             MarkedPower(kMark1, v.y) + u")";
      solution = MarkedPower(kMark1, v.y, v.e1) + u"*" + MarkedPower(kMark2, v.x) + Between(v.s1) +
                 MarkedPower(kMark1, v.y, v.e1 + 1);
      break;
    case 4:
      task = Text{u"("} + x + Between(v.s1) + y + u")*(" + minusPower + u")";
      solution = minusPowerUp + Between(Opposite(v.s1)) + y + u"*" + MarkedPower(kMark1, v.x, v.e1);
      break;
    case 5:
      task = Coefficient(v.c1) + MarkedPower(kMark1, v.x, v.e1) + u"*(" + Coefficient(v.c2) +
             MarkedPower(kMark1, v.x, v.e2) + Between(v.s1) + IntText(v.c3) + u")";
      solution = Coefficient(v.c1 * v.c2) + MarkedPower(kMark1, v.x, v.e1 + v.e2) + Between(v.s1) +
                 Coefficient(v.c1 * v.c3) + MarkedPower(kMark1, v.x, v.e1);
      break;
    default:
      task = Coefficient(v.c1) + MarkedPower(kMark1, v.x, v.e1) + u"*(" + Coefficient(v.c2) +
             MarkedPower(kMark1, v.x, v.e2) + Between(v.s1) + Coefficient(v.c3) +
             MarkedPower(kMark1, v.x, v.e3) + Between(v.s2) + IntText(v.c4) + u")";
      solution = Coefficient(v.c1 * v.c2) + MarkedPower(kMark1, v.x, v.e1 + v.e2) + Between(v.s1) +
                 Coefficient(v.c1 * v.c3) + MarkedPower(kMark1, v.x, v.e1 + v.e3) + Between(v.s2) +
                 Coefficient(v.c1 * v.c4) + MarkedPower(kMark1, v.x, v.e1);
      break;
  }
  item.Var1 = v.x;
  item.Var2 = v.y;
  Store(item, v.Variante, task, solution, true);
}

void PolynomMonom3(int i) {
  PolynomMonom3Values v;
  v.Variante = Random(6) + 1;
  DrawRandomSigns(7, u'-');
  v.s1 = SignOf(1);
  v.s2 = SignOf(2);
  RedrawUntil([&] {
    v.e1 = Random(5) + 2;
    v.e2 = Random(5) + 2;
    v.e3 = Random(5) + 1;
    return v.e1 > v.e2 && v.e2 > v.e3;
  });
  const auto letters = DrawLetters(2);
  v.x = letters[1];
  v.y = letters[2];
  v.c1 = Random(5) + 2;
  v.c2 = Random(5) + 2;
  v.c3 = Random(5) + 2;
  v.c4 = Random(5) + 2;
  WritePolynomMonom3(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

}  // namespace kalkora

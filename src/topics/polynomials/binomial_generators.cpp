// Kind 3 "Formeln für Binome": squares of binomials and products (a + b)·(a – b) multiplied
// out (Stufe 1 and 2), and expanded squares and differences of squares written as products
// (Stufe 3). The tasks end with their own equals sign.

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/term_letters.h"
#include "topics/polynomials/polynomial_generators.h"
#include "topics/polynomials/polynomial_writing.h"

namespace kalkora {

using polynomials::kMark1;
using polynomials::kMark2;

namespace {

void Store(TPolynom& item, int variante, const Text& task, const Text& solution) {
  item.Variante = variante;
  item.AufgabeMarkup = Displayed(task);
  item.LoesungMarkup = Displayed(solution);
  FinishPolynom(item, true, UnitRule::Full);
}

Text Bracket(TextView inside) {
  Text text{u"("};
  text += inside;
  text += u')';
  return text;
}

// Two different numbers low … low + span − 1, both drawn again until they differ.
void DrawDifferent(int& a, int& b, int span, int low) {
  RedrawUntil([&] {
    a = Random(span) + low;
    b = Random(span) + low;
    return a != b;
  });
}

}  // namespace

void WriteBinome1(TPolynom& item, const Binome1Values& v) {
  const Text x = MarkedPower(kMark1, v.x);
  const Text task = Bracket(x + u" + " + IntText(v.a)) + u"^2 =";
  const Text solution =
      MarkedPower(kMark1, v.x, 2) + u" + " + Coefficient(2 * v.a) + x + u" + " + IntText(v.a * v.a);
  item.Var1 = v.x;
  Store(item, 1, task, solution);
}

void Binome1(int i) {
  Binome1Values v;
  v.x = RandomLetter();
  int unused = 0;
  DrawDifferent(v.a, unused, 9, 1);
  WriteBinome1(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

void WriteBinome2(TPolynom& item, const Binome2Values& v) {
  const int p = v.Variante <= 3 ? 1 : v.e;  // the exponent of both letters in the task
  const Text ax = Coefficient(v.a) + MarkedPower(kMark1, v.x, p);
  const Text by = Coefficient(v.b) + MarkedPower(kMark2, v.y, p);
  const Text squareX = Coefficient(v.a * v.a) + MarkedPower(kMark1, v.x, 2 * p);
  const Text squareY = Coefficient(v.b * v.b) + MarkedPower(kMark2, v.y, 2 * p);
  const Text middle =
      Coefficient(2 * v.a * v.b) + MarkedPower(kMark1, v.x, p) + u"*" + MarkedPower(kMark2, v.y, p);
  Text task;
  Text solution;
  switch (v.Variante) {
    case 1:
    case 4:
      task = Bracket(ax + u" + " + by) + u"^2 = ";
      solution = squareX + u" + " + middle + u" + " + squareY;
      break;
    case 2:
    case 5:
      task = Bracket(ax + u" - " + by) + u"^2 = ";
      solution = squareX + u" - " + middle + u" + " + squareY;
      break;
    default:
      task = Bracket(ax + u" + " + by) + u"*" + Bracket(ax + u" - " + by) + u" = ";
      solution = squareX + u" - " + squareY;
      break;
  }
  item.Var1 = v.x;
  item.Var2 = v.y;
  Store(item, v.Variante, task, solution);
}

void Binome2(int i) {
  Binome2Values v;
  v.Variante = Random(6) + 1;
  const auto letters = DrawLetters(2);
  v.x = letters[1];
  v.y = letters[2];
  DrawDifferent(v.a, v.b, 8, 2);
  v.e = Random(4) + 2;
  WriteBinome2(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

void WriteBinome3(TPolynom& item, const Binome3Values& v) {
  const Text x = MarkedPower(kMark1, v.x);
  const Text x2 = MarkedPower(kMark1, v.x, 2);
  const Text a = IntText(v.a);
  const Text b = IntText(v.b);
  const Text aa = IntText(v.a * v.a);
  const Text bb = IntText(v.b * v.b);
  const Text twoA = Coefficient(2 * v.a) + x;
  const Text twoAB = Coefficient(2 * v.a * v.b) + x;
  const Text ax = Coefficient(v.a) + x;
  const Text bx = Coefficient(v.b) + x;
  Text task;
  Text solution;
  switch (v.Variante) {
    case 1:
      task = x2 + u" + " + twoA + u" + " + aa + u" =";
      solution = Bracket(x + u" + " + a) + u"^2";
      break;
    case 2:
      task = x2 + u" - " + twoA + u" + " + aa + u" =";
      solution = Bracket(x + u" - " + a) + u"^2";
      break;
    case 3:
      task = aa + u" + " + twoA + u" + " + x2 + u" =";
      solution = Bracket(a + u" + " + x) + u"^2";
      break;
    case 4:
      task = aa + u" - " + twoA + u" + " + x2 + u" =";
      solution = Bracket(a + u" - " + x) + u"^2";
      break;
    case 5:
      task = Coefficient(v.a * v.a) + x2 + u" + " + twoAB + u" + " + bb + u" =";
      solution = Bracket(ax + u" + " + b) + u"^2";
      break;
    case 6:
      task = Coefficient(v.a * v.a) + x2 + u" - " + twoAB + u" + " + bb + u" =";
      solution = Bracket(ax + u" - " + b) + u"^2";
      break;
    case 7:
      task = aa + u" + " + twoAB + u" + " + Coefficient(v.b * v.b) + x2 + u" =";
      solution = Bracket(a + u" + " + bx) + u"^2";
      break;
    case 8:
      task = aa + u" - " + twoAB + u" + " + Coefficient(v.b * v.b) + x2 + u" =";
      solution = Bracket(a + u" - " + bx) + u"^2";
      break;
    case 9:
      task = aa + u" - " + x2 + u" = ";
      solution = Bracket(a + u" + " + x) + u"*" + Bracket(a + u" - " + x);
      break;
    case 10:
      task = x2 + u" - " + aa + u" = ";
      solution = Bracket(x + u" + " + a) + u"*" + Bracket(x + u" - " + a);
      break;
    case 11:
      task = aa + u" - " + Coefficient(v.b * v.b) + x2 + u" = ";
      solution = Bracket(a + u" + " + bx) + u"*" + Bracket(a + u" - " + bx);
      break;
    default:
      task = Coefficient(v.a * v.a) + x2 + u" - " + bb + u" = ";
      solution = Bracket(ax + u" + " + b) + u"*" + Bracket(ax + u" - " + b);
      break;
  }
  item.Var1 = v.x;
  Store(item, v.Variante, task, solution);
}

void Binome3(int i) {
  Binome3Values v;
  v.Variante = Random(12) + 1;
  v.x = RandomLetter();
  DrawDifferent(v.a, v.b, 9, 1);
  WriteBinome3(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

}  // namespace kalkora

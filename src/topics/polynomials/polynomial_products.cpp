// Kind 2 "Polynom·Polynom": a polynomial multiplied by a polynomial. The solution is ordered by
// falling powers of the first letter, whatever the order in the task.

#include <algorithm>
#include <array>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/evaluate_term_text.h"
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

// A number in the second place of a bracket of the internal task: "+3", "-3".
Text Appended(int n) {
  Text text = n < 0 ? Text{} : Text{u"+"};
  text += IntText(n);
  return text;
}

int ValueAt(TextView term, char16_t x, int value) {
  return TextInt(EvaluateTermText(SubstituteLetter(term, x, value), x, value)).value_or(0);
}

// A signed number from 1 … high, negated when a further Random(2) is 0.
int SignedNumber(int low, int high) {
  const int n = Random(high - low + 1) + low;
  return Random(2) == 0 ? -n : n;
}

}  // namespace

void WritePolynomPolynom1(TPolynom& item, const PolynomPolynom1Values& v) {
  const Text x = MarkedPower(kMark1, v.x);
  const Text letter(1, v.x);
  Text internal;
  Text task;
  int leading = 1;
  switch (v.Variante) {
    case 1:
      internal = Text{u"("} + letter + Appended(v.b) + u")*(" + letter + Appended(v.d) + u")";
      task = Text{u"("} + x + SignedValue(v.b) + u")*(" + x + SignedValue(v.d) + u")";
      break;
    case 2:
      internal = Text{u"("} + IntText(v.a) + u"*" + letter + Appended(v.b) + u")*(" + IntText(v.c) +
                 u"*" + letter + Appended(v.d) + u")";
      task = Text{u"("} + Coefficient(v.a) + x + SignedValue(v.b) + u")*(" + Coefficient(v.c) + x +
             SignedValue(v.d) + u")";
      leading = v.a * v.c;
      break;
    default:
      internal = Text{u"("} + IntText(v.b) + Appended(v.a) + u"*" + letter + u")*(" + IntText(v.d) +
                 Appended(v.c) + u"*" + letter + u")";
      task = Text{u"("} + IntText(v.b) + u" + " + Coefficient(v.a) + x + u")*(" + IntText(v.d) +
             u" + " + Coefficient(v.c) + x + u")";
      leading = v.a * v.c;
      break;
  }
  const int constant = ValueAt(internal, v.x, 0);
  const int linear = ValueAt(internal, v.x, 1) - constant - leading;
  const std::array<Summand, 3> solution{Summand{leading, MarkedPower(kMark1, v.x, 2)},
                                        Summand{linear, x}, Summand{constant, Text{}}};
  item.Var1 = v.x;
  Store(item, v.Variante, task, SumText(solution.data(), 3));
}

void PolynomPolynom1(int i) {
  PolynomPolynom1Values v;
  v.Variante = Random(3) + 1;
  v.x = RandomLetter();
  if (v.Variante == 1) {
    v.b = SignedNumber(1, 9);
    v.d = SignedNumber(1, 9);
  } else {
    v.a = SignedNumber(2, 9);
    v.b = SignedNumber(2, 9);
    v.c = SignedNumber(2, 9);
    v.d = SignedNumber(2, 9);
  }
  WritePolynomPolynom1(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

namespace {

// c·x^ex·y^ey as a summand (an exponent 0 leaves the letter out).
Summand Term(int c, char16_t x, int ex, char16_t y, int ey) {
  const Text powerX = ex > 0 ? MarkedPower(kMark1, x, ex) : Text{};
  const Text powerY = ey > 0 ? MarkedPower(kMark2, y, ey) : Text{};
  return Summand{c, Product(powerX, powerY)};
}

}  // namespace

void WritePolynomPolynom2(TPolynom& item, const PolynomPolynom2Values& v) {
  const char16_t x = v.x;
  const char16_t y = v.y;
  // The two brackets: (c1·x^a1 + c2·y^b1)·(c3·x^a2 + c4·y^b2).
  int a1 = v.e1, b1 = 1, a2 = 1, b2 = v.e1;
  if (v.Variante == 2) a1 = b1 = a2 = b2 = 2;
  if (v.Variante == 3) {
    a1 = b1 = 3;
    a2 = b2 = 2;
  }
  if (v.Variante == 4) {
    a1 = b1 = v.e1;
    a2 = b2 = v.e2;
  }
  const std::array<Summand, 2> first{Term(v.c1, x, a1, y, 0), Term(v.c2, x, 0, y, b1)};
  const std::array<Summand, 2> second{Term(v.c3, x, a2, y, 0), Term(v.c4, x, 0, y, b2)};
  const Text task =
      Text{u"("} + SumText(first.data(), 2) + u")*(" + SumText(second.data(), 2) + u")";

  // The four products, by falling powers of x; two products of the same powers are merged.
  std::array<Summand, 4> products{Term(v.c1 * v.c3, x, a1 + a2, y, 0),
                                  Term(v.c1 * v.c4, x, a1, y, b2), Term(v.c2 * v.c3, x, a2, y, b1),
                                  Term(v.c2 * v.c4, x, 0, y, b1 + b2)};
  int count = 4;
  if (a1 == a2 && b1 == b2) {
    products[1].coefficient = v.c1 * v.c4 + v.c2 * v.c3;
    products[2] = products[3];
    count = 3;
  } else if (a2 > a1) {
    std::swap(products[1], products[2]);
  }
  item.Var1 = v.x;
  item.Var2 = v.y;
  Store(item, v.Variante, task, SumText(products.data(), count));
}

void PolynomPolynom2(int i) {
  PolynomPolynom2Values v;
  v.Variante = Random(4) + 1;
  const auto letters = DrawLetters(2, true);
  v.x = letters[1];
  v.y = letters[2];
  std::array<int, 4> c{};
  std::array<int, 4> e{};
  for (std::size_t j = 0; j < 4; ++j) {
    RedrawUntil([&] {
      c[j] = SignedNumber(1, 6);
      e[j] = Random(4) + 2;
      return Gcd(c[0], c[1]) == 1 && Gcd(c[2], c[3]) == 1;
    });
  }
  v.c1 = c[0];
  v.c2 = c[1];
  v.c3 = c[2];
  v.c4 = c[3];
  v.e1 = e[0];
  v.e2 = e[1];
  WritePolynomPolynom2(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

void WritePolynomPolynom3(TPolynom& item, const PolynomPolynom3Values& v) {
  const char16_t x = v.x;
  const auto term = [x](int c, int e) {
    return Summand{c, e > 0 ? MarkedPower(kMark1, x, e) : Text{}};
  };
  const std::array<Summand, 3> first{term(v.c1, v.e1), term(v.c2, v.e2), term(v.c3, 0)};
  const std::array<Summand, 2> second{term(v.c4, v.e4), term(v.c5, 0)};
  const Text task =
      Text{u"("} + SumText(first.data(), 3) + u")*(" + SumText(second.data(), 2) + u")";

  std::array<Summand, 6> products{};
  int count = 0;
  products[count++] = term(v.c1 * v.c4, v.e1 + v.e4);
  const Summand high = term(v.c1 * v.c5, v.e1);
  const Summand middle = term(v.c2 * v.c4, v.e2 + v.e4);
  if (v.e2 + v.e4 == v.e1) {
    products[count++] = term(v.c2 * v.c4 + v.c1 * v.c5, v.e1);
  } else if (v.e2 + v.e4 < v.e1) {
    products[count++] = high;
    products[count++] = middle;
  } else {
    products[count++] = middle;
    products[count++] = high;
  }
  products[count++] = term(v.c2 * v.c5, v.e2);
  products[count++] = term(v.c3 * v.c4, v.e4);
  products[count++] = term(v.c3 * v.c5, 0);
  item.Var1 = v.x;
  item.Var2 = v.unusedLetter;
  Store(item, 1, task, SumText(products.data(), count));
}

void PolynomPolynom3(int i) {
  PolynomPolynom3Values v;
  // A second letter, later in the alphabet, is drawn with the first and not used.
  const auto letters = DrawLetters(2, true);
  v.x = letters[1];
  v.unusedLetter = letters[2];
  RedrawUntil([&] {
    v.e1 = Random(5) + 2;
    v.e2 = Random(5) + 2;
    Random(5);  // e3 is drawn and not used
    v.e4 = Random(5) + 2;
    return v.e1 > v.e2 && v.e2 > v.e4;
  });
  v.c1 = SignedNumber(1, 6);
  v.c2 = SignedNumber(1, 6);
  v.c3 = SignedNumber(1, 6);
  v.c4 = SignedNumber(1, 6);
  v.c5 = SignedNumber(1, 6);
  WritePolynomPolynom3(polynomials::Polynom[static_cast<std::size_t>(i)], v);
}

}  // namespace kalkora

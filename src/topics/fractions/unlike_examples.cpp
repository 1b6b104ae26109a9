// The worked examples of adding and subtracting fractions with unlike denominators: the
// variants of the exercise at each level, and further shapes of the same kind, all made by
// the shared steps of the exercise (main denominator, extension factors, result, cancelling).

#include "base/shared_functions.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_writing.h"
#include "topics/fractions/unlike_denominators_levels.h"
#include "topics/fractions/unlike_denominators_task.h"

namespace kalkora::fractions {
namespace {

using P = SmallPolynomial;

// The task of fractions numerator_i / denominator_i with signs +1, s2, s3.
UnlikeTask Task(std::initializer_list<UnlikeFraction> fractions, int s2, int s3, char16_t x,
                char16_t y, int resultTerms) {
  UnlikeTask task;
  task.count = static_cast<int>(fractions.size());
  std::size_t i = 0;
  for (const UnlikeFraction& fraction : fractions) task.fractions[i++] = fraction;
  task.signs = {1, s2, s3};
  task.x = x;
  task.y = y;
  task.resultTerms = resultTerms;
  return task;
}

// ---- Stufe 1: variants 1 … 4 of the exercise, then numbers over letters ----

// a1 / x ± a2 / y: a1 ≠ a2 from 2 … 9; the result a1·y ± a2·x.
UnlikeTask LettersAlone(char16_t x, char16_t y) {
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a1 = DrawNumber(2, 9);
    const int a2 = DrawNumber(2, 9);
    if (a1 == a2) return std::nullopt;
    return Task({Over(P::Constant(a1), 1, {P::X()}), Over(P::Constant(a2), 1, {P::Y()})}, SignOf(1),
                1, x, y, 2);
  });
}

// a1 / (d1·x) ± a2 / (d2·y): d1 ≠ d2 from 2 … 9, each numerator from 2 … 9 coprime to its
// denominator's number; the result may cancel by a number.
UnlikeTask NumbersTimesLetters(char16_t x, char16_t y) {
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int d1 = DrawNumber(2, 9);
    const int d2 = DrawNumber(2, 9);
    const int a1 = DrawNumber(2, 9);
    const int a2 = DrawNumber(2, 9);
    if (d1 == d2 || Gcd(a1, d1) != 1 || Gcd(a2, d2) != 1) return std::nullopt;
    UnlikeTask task =
        Task({Over(P::Constant(a1), d1, {P::X()}), Over(P::Constant(a2), d2, {P::Y()})}, SignOf(1),
             1, x, y, 2);
    task.cancels = true;
    return task;
  });
}

// a1 / (x·y) ± a2 / x ± a3 / y: a1, a2, a3 from 2 … 9 pairwise different; the result
// a1 ± a2·y ± a3·x.
UnlikeTask ProductOfLetters(char16_t x, char16_t y) {
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a1 = DrawNumber(2, 9);
    const int a2 = DrawNumber(2, 9);
    const int a3 = DrawNumber(2, 9);
    if (!PairwiseDifferent({a1, a2, a3})) return std::nullopt;
    return Task({Over(P::Constant(a1), 1, {P::X(), P::Y()}), Over(P::Constant(a2), 1, {P::X()}),
                 Over(P::Constant(a3), 1, {P::Y()})},
                SignOf(1), SignOf(2), x, y, 3);
  });
}

UnlikeTask Level1Example(int variante, char16_t x, char16_t y) {
  switch (variante) {
    case 5: return LettersAlone(x, y);
    case 6: return NumbersTimesLetters(x, y);
    case 7: return ProductOfLetters(x, y);
    default: return Level1Task(variante, x, y);
  }
}

// ---- Stufe 2: variants 1 … 3 of the exercise, then binomial denominators ----

// a1 / (x^2 – r^2) ± a2 / (x s r): r from 2 … 9, a1 ≠ a2 from 2 … 15; the factors 1 and the
// bracket the second denominator lacks (‹8/(s^2 – 16) + 10/(s + 4)›).
UnlikeTask DifferenceOfSquares(char16_t x) {
  const int s = SignOf(1);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int r = DrawNumber(2, 9);
    const int a1 = DrawNumber(2, 15);
    const int a2 = DrawNumber(2, 15);
    if (a1 == a2) return std::nullopt;
    UnlikeTask task = Task({Over(P::Constant(a1), 1, {Bracket(1, -1, r), Bracket(1, 1, r)}),
                            Over(P::Constant(a2), 1, {Bracket(1, s, r)})},
                           SignOf(2), 1, x, x, 2);
    task.writing.bracketLoneFactor = false;
    return task;
  });
}

// a1 / (x^2 s r·x) ± a2 / (p·x): r, p, a1, a2 from 2 … 9 with a2 coprime to p; the main
// denominator p·x·(x s r).
UnlikeTask BracketAndMonomial(char16_t x) {
  const int s = SignOf(1);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int r = DrawNumber(2, 9);
    const int p = DrawNumber(2, 9);
    const int a1 = DrawNumber(2, 9);
    const int a2 = DrawNumber(2, 9);
    if (Gcd(a2, p) != 1) return std::nullopt;
    return Task(
        {Over(P::Constant(a1), 1, {P::X(), Bracket(1, s, r)}), Over(P::Constant(a2), p, {P::X()})},
        SignOf(2), 1, x, x, 2);
  });
}

// a1 / (x s b) ± a2 / (x t d): a1 ≠ a2, b, d from 2 … 9, the two brackets different; each
// denominator's factor is the other bracket.
UnlikeTask TwoBrackets(char16_t x) {
  const int s = SignOf(1);
  const int t = SignOf(2);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a1 = DrawNumber(2, 9);
    const int a2 = DrawNumber(2, 9);
    const int b = DrawNumber(2, 9);
    const int d = DrawNumber(2, 9);
    if (a1 == a2 || s * b == t * d) return std::nullopt;
    return Task({Over(P::Constant(a1), 1, {Bracket(1, s, b)}),
                 Over(P::Constant(a2), 1, {Bracket(1, t, d)})},
                SignOf(3), 1, x, x, 2);
  });
}

UnlikeTask Level2Example(int variante, char16_t x, char16_t y) {
  switch (variante) {
    case 4: return DifferenceOfSquares(x);
    case 5: return BracketAndMonomial(x);
    case 6: return TwoBrackets(x);
    default: return Level2Task(variante, x, y);
  }
}

// ---- Stufe 3: variants 1 … 3 of the exercise, then sums in the numerators ----

// (a·x t b) / (p·x^2 – p·r^2) ± c / (q·x s q·r): a, b, c from 2 … 9 with Gcd(a, b) = 1,
// p ≠ q from 2 … 9, r from 2 … 5; the result may cancel by a number.
UnlikeTask SumOverDifferenceOfSquares(char16_t x) {
  const int s = SignOf(1);
  const int t = SignOf(2);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a = DrawNumber(2, 9);
    const int b = DrawNumber(2, 9);
    const int c = DrawNumber(2, 9);
    const int p = DrawNumber(2, 9);
    const int q = DrawNumber(2, 9);
    const int r = DrawNumber(2, 5);
    if (Gcd(a, b) != 1 || p == q || Gcd(c, q) != 1) return std::nullopt;
    UnlikeTask task = Task({Over(Bracket(a, t, b), p, {Bracket(1, -1, r), Bracket(1, 1, r)}),
                            Over(P::Constant(c), q, {Bracket(1, s, r)})},
                           SignOf(3), 1, x, x, 2);
    task.writing.unitFactorNumber = true;
    task.cancels = true;
    return task;
  });
}

// (a·x t b) / (x^2 s r·x) ± c / x ± d / (x s r): a, b, c, d from 2 … 9 with Gcd(a, b) = 1,
// r from 2 … 9; the main denominator is the first denominator factored.
UnlikeTask ThreeOverOneBracket(char16_t x) {
  const int s = SignOf(1);
  const int t = SignOf(2);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a = DrawNumber(2, 9);
    const int b = DrawNumber(2, 9);
    const int c = DrawNumber(2, 9);
    const int d = DrawNumber(2, 9);
    const int r = DrawNumber(2, 9);
    if (Gcd(a, b) != 1 || c == d) return std::nullopt;
    return Task({Over(Bracket(a, t, b), 1, {P::X(), Bracket(1, s, r)}),
                 Over(P::Constant(c), 1, {P::X()}), Over(P::Constant(d), 1, {Bracket(1, s, r)})},
                SignOf(3), SignOf(4), x, x, 2);
  });
}

// a / (x^2 s x·y) ± b / (x·y s y^2): a ≠ b from 2 … 9; the main denominator x·y·(x s y), the
// result a·y ± b·x.
UnlikeTask TwoLettersOneBracket(char16_t x, char16_t y) {
  const int s = SignOf(1);
  const P bracket = P::X() + s * P::Y();
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a = DrawNumber(2, 9);
    const int b = DrawNumber(2, 9);
    if (a == b) return std::nullopt;
    return Task(
        {Over(P::Constant(a), 1, {P::X(), bracket}), Over(P::Constant(b), 1, {P::Y(), bracket})},
        SignOf(2), 1, x, y, 2);
  });
}

// (x + a) / (x s b) – (x + c) / (x t d) with a, c from 1 … 9 (signs of their own) and b, d from
// 2 … 9, the brackets different: the squares cancel, the result is linear.
UnlikeTask SquaresCancel(char16_t x) {
  const int s = SignOf(1);
  const int t = SignOf(2);
  const int u = SignOf(3);
  const int v = SignOf(4);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a = DrawNumber(1, 9);
    const int b = DrawNumber(2, 9);
    const int c = DrawNumber(1, 9);
    const int d = DrawNumber(2, 9);
    if (s * b == t * d) return std::nullopt;
    return Task({Over(Bracket(1, u, a), 1, {Bracket(1, s, b)}),
                 Over(Bracket(1, v, c), 1, {Bracket(1, t, d)})},
                -1, 1, x, x, 2);
  });
}

// (a·x u b) / (x s r) ± (c·x v d) / (x t q): a, b, c, d from 2 … 9 with Gcd(a, b) =
// Gcd(c, d) = 1, r, q from 1 … 9, the brackets different; the result is quadratic.
UnlikeTask QuadraticResult(char16_t x) {
  const int s = SignOf(1);
  const int t = SignOf(2);
  const int u = SignOf(3);
  const int v = SignOf(4);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a = DrawNumber(2, 9);
    const int b = DrawNumber(2, 9);
    const int c = DrawNumber(2, 9);
    const int d = DrawNumber(2, 9);
    const int r = DrawNumber(1, 9);
    const int q = DrawNumber(1, 9);
    if (Gcd(a, b) != 1 || Gcd(c, d) != 1 || s * r == t * q) return std::nullopt;
    return Task({Over(Bracket(a, u, b), 1, {Bracket(1, s, r)}),
                 Over(Bracket(c, v, d), 1, {Bracket(1, t, q)})},
                SignOf(5), 1, x, x, 3);
  });
}

UnlikeTask Level3Example(int variante, char16_t x, char16_t y) {
  switch (variante) {
    case 4: return SumOverDifferenceOfSquares(x);
    case 5: return ThreeOverOneBracket(x);
    case 6: return TwoLettersOneBracket(x, y);
    case 7: return SquaresCancel(x);
    case 8: return QuadraticResult(x);
    default: return Level3Task(variante, x, y);
  }
}

}  // namespace

void AddSubUngleichM1(int index) { MakeUnlikeItem(index, 7, AnyLetters, Level1Example); }
void AddSubUngleichM2(int index) { MakeUnlikeItem(index, 6, AnyLetters, Level2Example); }
void AddSubUngleichM3(int index) { MakeUnlikeItem(index, 8, NeitherMNorW, Level3Example); }

}  // namespace kalkora::fractions

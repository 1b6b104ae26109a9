// Stufe 3: a quadratic result, three fractions over p·x^2 – p·x and its kin, or three
// fractions in two letters.

#include "base/shared_functions.h"
#include "topics/fractions/fraction_writing.h"
#include "topics/fractions/unlike_denominators_generators.h"
#include "topics/fractions/unlike_denominators_levels.h"
#include "topics/fractions/unlike_denominators_task.h"

namespace kalkora::fractions {
namespace {

using P = SmallPolynomial;

// (a·x t b) / (p·x s p·r) v (c·x u d) / (q·x^2 – q·r^2): a, b, c, d, p from 2 … 9 and q, r
// from 2 … 9 with Gcd(a, b) = Gcd(c, d) = 1, p ≠ q, Gcd(p, q) ≠ 1 and r times the larger of
// p and q at most 29. The result is quadratic and is never cancelled.
UnlikeTask Variant1(char16_t x) {
  const int s = SignOf(1);
  const int t = SignOf(2);
  const int u = SignOf(3);
  const int v = SignOf(4);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a = DrawNumber(2, 9);
    const int b = DrawNumber(2, 9);
    const int c = DrawNumber(2, 9);
    const int d = DrawNumber(2, 9);
    const int p = DrawNumber(2, 9);
    const int q = DrawNumber(2, 9);
    const int r = DrawNumber(2, 9);
    if (Gcd(a, b) != 1 || Gcd(c, d) != 1 || p == q || Gcd(p, q) == 1 || Max2(p, q) * r > 29) {
      return std::nullopt;
    }
    UnlikeTask task;
    task.x = x;
    task.fractions[0] = Over(Bracket(a, t, b), p, {Bracket(1, s, r)});
    task.fractions[1] = Over(Bracket(c, u, d), q, {Bracket(1, -1, r), Bracket(1, 1, r)});
    task.signs = {1, v, 1};
    task.writing.unitFactorNumber = true;
    task.resultTerms = 3;
    return task;
  });
}

// a / (p·x^2 – p·x) ± b / (q·x^2 + q·x) ± c / (u·x^2 – u): a, b, c from 2 … 9 pairwise
// different, p, q, u from 2 … 9 with p different from a, b and c, least common multiple of
// p, q, u at most 59.
UnlikeTask Variant2(char16_t x) {
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a = DrawNumber(2, 9);
    const int b = DrawNumber(2, 9);
    const int c = DrawNumber(2, 9);
    const int p = DrawNumber(2, 9);
    const int q = DrawNumber(2, 9);
    const int u = DrawNumber(2, 9);
    if (!PairwiseDifferent({a, b, c}) || p == a || p == b || p == c || Lcm3(p, q, u) > 59) {
      return std::nullopt;
    }
    const P minusOne = Bracket(1, -1, 1);
    const P plusOne = Bracket(1, 1, 1);
    UnlikeTask task;
    task.count = 3;
    task.x = x;
    task.fractions[0] = Over(P::Constant(a), p, {P::X(), minusOne});
    task.fractions[1] = Over(P::Constant(b), q, {P::X(), plusOne});
    task.fractions[2] = Over(P::Constant(c), u, {minusOne, plusOne});
    task.signs = {1, SignOf(1), SignOf(2)};
    task.writing.unitFactorNumber = true;
    task.cancels = true;
    task.resultTerms = 2;
    return task;
  });
}

// a·x / (p·x·y s p·y^2) ± b·y / (q·x^2 s q·x·y) ± c·(x s̄ y) / (u·x·y): a, b, c, p, q, u from
// 2 … 9 with a ≠ b, a ≠ p, p, q, u pairwise different and their least common multiple at
// most 19. The result is collected in the two squares.
UnlikeTask Variant3(char16_t x, char16_t y) {
  const int s = SignOf(1);
  const P mixed = P::X() + s * P::Y();
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int a = DrawNumber(2, 9);
    const int b = DrawNumber(2, 9);
    const int c = DrawNumber(2, 9);
    const int p = DrawNumber(2, 9);
    const int q = DrawNumber(2, 9);
    const int u = DrawNumber(2, 9);
    if (a == b || a == p || !PairwiseDifferent({p, q, u}) || Lcm3(p, q, u) > 19) {
      return std::nullopt;
    }
    UnlikeTask task;
    task.count = 3;
    task.x = x;
    task.y = y;
    task.fractions[0] = Over(a * P::X(), p, {P::Y(), mixed});
    task.fractions[1] = Over(b * P::Y(), q, {P::X(), mixed});
    task.fractions[2] = Over(P::X() - s * P::Y(), u, {P::X(), P::Y()}, c);
    task.signs = {1, SignOf(2), SignOf(3)};
    task.cancels = true;
    task.resultTerms = 2;
    return task;
  });
}

}  // namespace

UnlikeTask Level3Task(int variante, char16_t x, char16_t y) {
  switch (variante) {
    case 1: return Variant1(x);
    case 2: return Variant2(x);
    default: return Variant3(x, y);
  }
}

bool AnyLetters(char16_t, char16_t) { return true; }

bool NeitherMNorW(char16_t x, char16_t y) {
  return x != u'm' && x != u'w' && y != u'm' && y != u'w';
}

void AddSubUngleichU3(int index) { MakeUnlikeItem(index, 3, NeitherMNorW, Level3Task); }

}  // namespace kalkora::fractions

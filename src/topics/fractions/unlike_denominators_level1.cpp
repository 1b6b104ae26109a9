// Stufe 1: monomial denominators n·x in power notation, or x^2 ± x and x^2 – 1.

#include "base/shared_functions.h"
#include "topics/fractions/fraction_writing.h"
#include "topics/fractions/number_theory.h"
#include "topics/fractions/unlike_denominators_generators.h"
#include "topics/fractions/unlike_denominators_levels.h"
#include "topics/fractions/unlike_denominators_task.h"

namespace kalkora::fractions {
namespace {

using P = SmallPolynomial;

// Fractions a_i / (d_i·x) with the signs s, t; the result is a number, cancelled with the
// main denominator where it can be.
UnlikeTask MonomialTask(int count, const int (&a)[3], const int (&d)[3], char16_t x) {
  UnlikeTask task;
  task.count = count;
  task.x = x;
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    task.fractions[i] = Over(P::Constant(a[i]), d[i], {P::X()});
  }
  task.signs = {1, SignOf(1), SignOf(2)};
  task.writing.powerNotation = true;
  task.cancels = true;
  task.resultTerms = 1;
  return task;
}

// d1, d2 and a1, a2 from 2 … 31: the denominators have a common factor, neither is one of the
// primes 2 … 13, and each numerator is coprime to and different from its denominator.
UnlikeTask Variant1(char16_t x) {
  return DrawTask([x]() -> std::optional<UnlikeTask> {
    const int d1 = DrawNumber(2, 31);
    const int d2 = DrawNumber(2, 31);
    const int a1 = DrawNumber(2, 31);
    const int a2 = DrawNumber(2, 31);
    if (Gcd(d1, d2) == 1 || d1 == d2 || d1 == a1 || d2 == a2 || Gcd(d1, a1) != 1 ||
        Gcd(d2, a2) != 1 || IstPrimzahl(d1) || IstPrimzahl(d2)) {
      return std::nullopt;
    }
    return MonomialTask(2, {a1, a2, 0}, {d1, d2, 0}, x);
  });
}

// Three fractions: denominators from 2 … 16, pairwise different, none one of the primes,
// least common multiple below 150; numerators from 2 … 11, each coprime to and different
// from its denominator.
UnlikeTask Variant2(char16_t x) {
  return DrawTask([x]() -> std::optional<UnlikeTask> {
    const int d[3] = {DrawNumber(2, 16), DrawNumber(2, 16), DrawNumber(2, 16)};
    const int a[3] = {DrawNumber(2, 11), DrawNumber(2, 11), DrawNumber(2, 11)};
    for (int i = 0; i < 3; ++i) {
      if (Gcd(d[i], a[i]) != 1 || d[i] == a[i] || IstPrimzahl(d[i])) return std::nullopt;
    }
    if (!PairwiseDifferent({d[0], d[1], d[2]}) || Lcm3(d[0], d[1], d[2]) >= 150) {
      return std::nullopt;
    }
    return MonomialTask(3, a, d, x);
  });
}

// a1 / (x^2 s x) t a2 / (x^2 s̄ x) (t a3 / (x^2 – 1)): the numerators from 2 … 31 (two
// fractions) or 2 … 11 (three), pairwise different; no number in the main denominator.
UnlikeTask BinomialTask(int count, char16_t x) {
  const int s = SignOf(1);
  const P first = Bracket(1, s, 1);
  const P second = Bracket(1, -s, 1);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int high = count == 2 ? 31 : 11;
    const int a[3] = {DrawNumber(2, high), DrawNumber(2, high),
                      count == 3 ? DrawNumber(2, high) : 0};
    if (!PairwiseDifferent({a[0], a[1], a[2]})) return std::nullopt;
    UnlikeTask task;
    task.count = count;
    task.x = x;
    task.fractions[0] = Over(P::Constant(a[0]), 1, {P::X(), first});
    task.fractions[1] = Over(P::Constant(a[1]), 1, {P::X(), second});
    task.fractions[2] = Over(P::Constant(a[2]), 1, {Bracket(1, -1, 1), Bracket(1, 1, 1)});
    task.signs = {1, SignOf(2), SignOf(3)};
    task.writing.bracketLoneFactor = false;
    task.resultTerms = 2;
    return task;
  });
}

}  // namespace

UnlikeTask Level1Task(int variante, char16_t x, char16_t) {
  switch (variante) {
    case 1: return Variant1(x);
    case 2: return Variant2(x);
    case 3: return BinomialTask(2, x);
    default: return BinomialTask(3, x);
  }
}

void AddSubUngleichU1(int index) { MakeUnlikeItem(index, 4, AnyLetters, Level1Task); }

}  // namespace kalkora::fractions

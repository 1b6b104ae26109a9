// Stufe 2: p·x^2 – p·r^2 beside q·x ± q·r, or two linear denominators with linear numerators.

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/fraction_writing.h"
#include "topics/fractions/unlike_denominators_generators.h"
#include "topics/fractions/unlike_denominators_levels.h"
#include "topics/fractions/unlike_denominators_task.h"

namespace kalkora::fractions {
namespace {

using P = SmallPolynomial;

UnlikeTask LinearResultTask(int count, char16_t x) {
  UnlikeTask task;
  task.count = count;
  task.x = x;
  task.writing.unitFactorNumber = true;
  task.cancels = true;
  task.resultTerms = 2;
  return task;
}

// a1 / (p·x^2 – p·r^2) ± a2 / (q·x s q·r): r from 2 … 7; p, q, a1, a2 from 2 … 9 with r ≠ p,
// p ≠ q, a1 ≠ a2 and r^2·p ≤ 99.
UnlikeTask Variant1(char16_t x) {
  const int s = SignOf(1);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int r = DrawNumber(2, 7);
    const int p = DrawNumber(2, 9);
    const int q = DrawNumber(2, 9);
    const int a1 = DrawNumber(2, 9);
    const int a2 = DrawNumber(2, 9);
    if (r == p || p == q || a1 == a2 || r * r * p > 99) return std::nullopt;
    UnlikeTask task = LinearResultTask(2, x);
    task.fractions[0] = Over(P::Constant(a1), p, {Bracket(1, -1, r), Bracket(1, 1, r)});
    task.fractions[1] = Over(P::Constant(a2), q, {Bracket(1, s, r)});
    task.signs = {1, SignOf(2), 1};
    return task;
  });
}

// a1 / (p·x^2 – p·r^2) ± a2 / (q·x s q·r) ± a3 / (u·x t u·r): r from 2 … 7, p, q, u from
// 2 … 11 pairwise different and different from r, a1, a2, a3 from 2 … 9; r^2·p, the least
// common multiple of p, q, u and both coefficients of the result at most 79 in size.
UnlikeTask Variant2(char16_t x) {
  const int s = SignOf(1);
  const int t = SignOf(2);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const int r = DrawNumber(2, 7);
    const int p = DrawNumber(2, 11);
    const int q = DrawNumber(2, 11);
    const int u = DrawNumber(2, 11);
    const int a1 = DrawNumber(2, 9);
    const int a2 = DrawNumber(2, 9);
    const int a3 = DrawNumber(2, 9);
    if (r == p || r == q || r == u || !PairwiseDifferent({p, q, u}) || r * r * p > 79 ||
        Lcm3(p, q, u) > 79) {
      return std::nullopt;
    }
    UnlikeTask task = LinearResultTask(3, x);
    task.fractions[0] = Over(P::Constant(a1), p, {Bracket(1, -1, r), Bracket(1, 1, r)});
    task.fractions[1] = Over(P::Constant(a2), q, {Bracket(1, s, r)});
    task.fractions[2] = Over(P::Constant(a3), u, {Bracket(1, t, r)});
    task.signs = {1, SignOf(3), SignOf(4)};
    const P result = ResultNumerator(task);
    if (std::abs(result.coefficient(1, 0)) > 79 || std::abs(result.coefficient(0, 0)) > 79) {
      return std::nullopt;
    }
    return task;
  });
}

// Variant 3 asks for numbers whose two extended numerators have the same x^2 coefficient.
// Drawn all at once, fewer than one draw in ten thousand would be admissible; so the draw is
// split without changing which numbers come out or how often: the "core" (m1, m2, e, g, r, c)
// fixes the denominators' numbers and x coefficients and the numerators' x coefficients, and
// each admissible core is drawn with the weight of its admissible completions (f, h, b, d),
// which are then drawn uniformly. Every admissible set of numbers is equally likely, as in
// a plain redraw loop.
struct Core {
  int m1 = 0;
  int m2 = 0;
  int e = 0;
  int g = 0;
  int r = 0;
  int c = 0;
  int upTo = 0;  // the running total of the weights up to and including this core
};

// f, h from 1 … 9 with m1·f, m2·h below 15 and Gcd(e, f) = Gcd(g, h) = Gcd(f, h) = 1.
std::vector<std::pair<int, int>> ConstantPairs(const Core& core) {
  std::vector<std::pair<int, int>> pairs;
  for (int f = 1; f <= 9; ++f) {
    for (int h = 1; h <= 9; ++h) {
      if (core.m1 * f < 15 && core.m2 * h < 15 && Gcd(core.e, f) == 1 && Gcd(core.g, h) == 1 &&
          Gcd(f, h) == 1) {
        pairs.emplace_back(f, h);
      }
    }
  }
  return pairs;
}

// The numbers 1 … 9 coprime to n.
std::vector<int> CoprimeTo(int n) {
  std::vector<int> numbers;
  for (int k = 1; k <= 9; ++k) {
    if (Gcd(n, k) == 1) numbers.push_back(k);
  }
  return numbers;
}

// Every admissible core: m1 ≠ m2 from 2 … 7; e, g, r, c from 1 … 9 with m1·e, m2·g below 15,
// Gcd(e, g) = 1 and the equal x^2 coefficients (L/m1)·r·g = (L/m2)·c·e below 100.
const std::vector<Core>& Cores() {
  static const std::vector<Core> cores = [] {
    std::vector<Core> list;
    int total = 0;
    for (int m1 = 2; m1 <= 7; ++m1) {
      for (int m2 = 2; m2 <= 7; ++m2) {
        if (m1 == m2) continue;
        const int l = Lcm(m1, m2);
        for (int e = 1; e <= 9 && m1 * e < 15; ++e) {
          for (int g = 1; g <= 9 && m2 * g < 15; ++g) {
            if (Gcd(e, g) != 1) continue;
            for (int r = 1; r <= 9; ++r) {
              for (int c = 1; c <= 9; ++c) {
                const int square = l / m1 * r * g;
                if (square != l / m2 * c * e || square >= 100) continue;
                Core core{m1, m2, e, g, r, c, 0};
                const auto weight =
                    ConstantPairs(core).size() * CoprimeTo(r).size() * CoprimeTo(c).size();
                if (weight == 0) continue;
                total += static_cast<int>(weight);
                core.upTo = total;
                list.push_back(core);
              }
            }
          }
        }
      }
    }
    return list;
  }();
  return cores;
}

const Core& DrawCore() {
  const std::vector<Core>& cores = Cores();
  const int ticket = Random(cores.back().upTo);
  return *std::upper_bound(cores.begin(), cores.end(), ticket,
                           [](int t, const Core& core) { return t < core.upTo; });
}

template <typename T>
T DrawFrom(const std::vector<T>& list) {
  return list[static_cast<std::size_t>(Random(static_cast<int>(list.size())))];
}

// (r·x ± b) / (m1·e·x s m1·f) – (c·x ± d) / (m2·g·x t m2·h): the extended numerators have
// the same x^2 coefficient, so the result is linear; the two brackets differ.
UnlikeTask Variant3(char16_t x) {
  const int s = SignOf(1);
  const int t = SignOf(2);
  const int v = SignOf(3);
  const int w = SignOf(4);
  return DrawTask([&]() -> std::optional<UnlikeTask> {
    const Core& core = DrawCore();
    const auto [f, h] = DrawFrom(ConstantPairs(core));
    const int b = DrawFrom(CoprimeTo(core.r));
    const int d = DrawFrom(CoprimeTo(core.c));
    if (core.e == core.g && f == h && s == t) return std::nullopt;
    UnlikeTask task = LinearResultTask(2, x);
    task.fractions[0] = Over(Bracket(core.r, v, b), core.m1, {Bracket(core.e, s, f)});
    task.fractions[1] = Over(Bracket(core.c, w, d), core.m2, {Bracket(core.g, t, h)});
    task.signs = {1, -1, 1};
    return task;
  });
}

}  // namespace

UnlikeTask Level2Task(int variante, char16_t x, char16_t) {
  switch (variante) {
    case 1: return Variant1(x);
    case 2: return Variant2(x);
    default: return Variant3(x);
  }
}

void AddSubUngleichU2(int index) { MakeUnlikeItem(index, 3, AnyLetters, Level2Task); }

}  // namespace kalkora::fractions

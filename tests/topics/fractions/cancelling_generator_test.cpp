#include "topics/fractions/cancelling_generator.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "generator_checks.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

// The exponent of the letter in a single-term text.
int ExponentOf(const test::Polynomial& p, char16_t letter) {
  EXPECT_EQ(p.terms.size(), 1u);
  const auto& m = p.terms.begin()->first;
  const auto it = m.find(letter);
  return it == m.end() ? 0 : it->second;
}

TEST(KuerzenU, SolutionIsTheTaskInLowestTerms) {
  std::set<int> variants;
  int denominatorOne = 0;
  int numeratorOne = 0;
  test::ForManyItems(201, KuerzenU, [&](const TBruchM& item) {
    variants.insert(item.Variante);
    ASSERT_GE(item.Variante, 1);
    ASSERT_LE(item.Variante, 12);
    EXPECT_NE(item.Var1, item.Var2);
    test::ExpectDisplayForm(item.Text[1]);
    test::ExpectDisplayForm(item.Text[4]);
    test::ExpectFinishedSolution(item);
    const test::FractionParts solution = test::SplitFraction(item.Loesung);
    if (solution.denominator == u"1") ++denominatorOne;
    if (solution.numerator == u"1") ++numeratorOne;
    const Text letters{item.Var1, item.Var2};
    test::ExpectSameValues(
        [&](const test::LetterValues& v) {
          return test::ValueOf(item.Text[1], v) / test::ValueOf(item.Text[4], v);
        },
        [&](const test::LetterValues& v) { return test::FractionValueOf(item.Loesung, v); },
        letters);
    test::ExpectLowestTerms(solution.numerator, solution.denominator);
  });
  EXPECT_EQ(variants.size(), 12u);
  EXPECT_GT(denominatorOne, 0);
  EXPECT_GT(numeratorOne, 0);
}

TEST(KuerzenU, RangesAndRedrawConditions) {
  test::ForManyItems(202, KuerzenU, [&](const TBruchM& item) {
    const char16_t x = item.Var1;
    const char16_t y = item.Var2;
    const test::Polynomial numerator = test::MustRead(item.Text[1]);
    const test::Polynomial denominator = test::MustRead(item.Text[4]);
    const std::vector<long long> numbers = test::NumbersInText(item.Text[1] + u" " + item.Text[4]);
    switch (item.Variante) {
      case 1:
      case 2: {
        const int e1 = ExponentOf(numerator, x);
        const int e2 = ExponentOf(denominator, x);
        EXPECT_NE(e1, e2);
        EXPECT_TRUE(e1 >= 1 && e1 <= 9 && e2 >= 1 && e2 <= 9);
        if (item.Variante == 2) {
          const long long a = numerator.terms.begin()->second;
          const long long b = denominator.terms.begin()->second;
          EXPECT_TRUE(a >= 2 && a <= 51 && b >= 2 && b <= 51);
          EXPECT_NE(a, b);
          EXPECT_NE(std::gcd(a, b), 1);
          EXPECT_GT(b / std::gcd(a, b), 1);
        }
        break;
      }
      case 3:
      case 4:
      case 5:
      case 6: {
        // The exponents: e2 < e1 < e3, e4 < e5, e6 < e5, read back in the order of the task.
        const std::vector<Text> summands = test::Summands(item.Text[1]);
        ASSERT_EQ(summands.size(), 2u);
        const test::Polynomial first = test::MustRead(summands[0]);
        const test::Polynomial second = test::MustRead(summands[1]);
        const int e3 = ExponentOf(denominator, x);
        if (item.Variante == 3) {
          // x ± x·y over x^e1 with 2 ≤ e1 ≤ 9.
          EXPECT_EQ(ExponentOf(first, x), 1);
          EXPECT_EQ(ExponentOf(second, x), 1);
          EXPECT_TRUE(e3 >= 2 && e3 <= 9);
        } else {
          const int e1 = ExponentOf(first, x);
          const int e2 = ExponentOf(second, x);
          EXPECT_GE(e2, 1);
          EXPECT_LT(e2, e1);
          EXPECT_LT(e1, e3);
          EXPECT_LE(e3, 9);
        }
        if (item.Variante == 5) {
          const int e4 = ExponentOf(first, y);
          const int e5 = ExponentOf(second, y);
          const int e6 = ExponentOf(denominator, y);
          EXPECT_GE(e4, 1);
          EXPECT_GE(e6, 1);
          EXPECT_LT(e4, e5);
          EXPECT_LT(e6, e5);
          EXPECT_LE(e5, 9);
        }
        if (item.Variante == 6) {
          ASSERT_EQ(numbers.size(), 3u);
          EXPECT_EQ(std::set<long long>(numbers.begin(), numbers.end()).size(), 3u);
          for (long long n : numbers) EXPECT_TRUE(n >= 2 && n <= 51);
          EXPECT_NE(std::gcd(std::gcd(numbers[0], numbers[1]), numbers[2]), 1);
        }
        break;
      }
      case 11:
      case 12: {
        // a·x^2 – ab² over c·x ± cb: a, b, c from 2 … 6, Gcd(a, c) = 1.
        const long long a = numbers[0];
        const long long c = numbers[2];
        const long long b = numbers[3] / c;
        EXPECT_TRUE(a >= 2 && a <= 6 && b >= 2 && b <= 6 && c >= 2 && c <= 6);
        EXPECT_EQ(numbers[1], a * b * b);
        EXPECT_EQ(std::gcd(a, c), 1);
        break;
      }
      case 9:
      case 10: {
        const long long r = item.Variante == 9 ? numbers[1] : numbers[0];
        EXPECT_TRUE(r >= 2 && r <= 11) << r;
        break;
      }
      default: {
        // Variants 7 and 8: a, b, c, d (and e) pairwise different from 1 … 9, Gcd(a, c) ≠ 1.
        std::vector<long long> drawn;
        if (item.Variante == 7) {
          ASSERT_EQ(numbers.size(), 5u);  // a, ab, c, b, d
          EXPECT_EQ(numbers[1], numbers[0] * numbers[3]);
          drawn = {numbers[0], numbers[3], numbers[2], numbers[4]};
        } else {
          ASSERT_EQ(numbers.size(), 6u);  // a, ab, d, e, c, bc
          const long long b = numbers[1] / numbers[0];
          EXPECT_EQ(numbers[1], numbers[0] * b);
          EXPECT_EQ(numbers[5], numbers[4] * b);
          drawn = {numbers[0], b, numbers[4], numbers[2], numbers[3]};
        }
        EXPECT_EQ(std::set<long long>(drawn.begin(), drawn.end()).size(), drawn.size());
        for (long long n : drawn) EXPECT_TRUE(n >= 1 && n <= 9) << n;
        EXPECT_NE(std::gcd(drawn[0], drawn[2]), 1);
        break;
      }
    }
  });
}

}  // namespace
}  // namespace kalkora::fractions

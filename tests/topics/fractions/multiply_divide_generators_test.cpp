#include "topics/fractions/multiply_divide_generators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>

#include "generator_checks.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

using test::Polynomial;

// The sign between the two summands of a binomial ("+" or "–").
char16_t SignOf(TextView binomial) {
  for (std::size_t i = 0; i + 2 < binomial.size(); ++i) {
    if (binomial[i] == u' ' && binomial[i + 2] == u' ') return binomial[i + 1];
  }
  return 0;
}

long long Root(long long square) {
  const auto root = static_cast<long long>(std::llround(std::sqrt(static_cast<double>(square))));
  EXPECT_EQ(root * root, square);
  return root;
}

bool AllDifferent(const std::vector<long long>& numbers) {
  return std::set<long long>(numbers.begin(), numbers.end()).size() == numbers.size();
}

// What every multiply/divide item must satisfy: the product of the two task fractions, and
// the quotient as the division window shows it (second fraction upside down after ":"), equal
// the solution, which is in lowest terms.
void ExpectRightProduct(const TBruchM& item) {
  const std::set<char16_t> letters{item.Var1, item.Var2, item.Var3, item.Var4};
  EXPECT_EQ(letters.size(), 4u);
  EXPECT_EQ(item.Op1, u'·');
  for (std::size_t slot : {1u, 2u, 5u, 6u}) test::ExpectDisplayForm(item.Text[slot]);
  test::ExpectFinishedSolution(item);
  const Text allLetters{item.Var1, item.Var2, item.Var3, item.Var4};
  const auto solution = [&](const test::LetterValues& v) {
    return test::FractionValueOf(item.Loesung, v);
  };
  test::ExpectSameValues(
      [&](const test::LetterValues& v) {
        return test::ValueOf(item.Text[1], v) / test::ValueOf(item.Text[5], v) *
               (test::ValueOf(item.Text[2], v) / test::ValueOf(item.Text[6], v));
      },
      solution, allLetters);
  test::ExpectSameValues(
      [&](const test::LetterValues& v) {
        return test::ValueOf(item.Text[1], v) / test::ValueOf(item.Text[5], v) /
               (test::ValueOf(item.Text[6], v) / test::ValueOf(item.Text[2], v));
      },
      solution, allLetters);
  const test::FractionParts parts = test::SplitFraction(item.Loesung);
  test::ExpectLowestTerms(parts.numerator, parts.denominator);
}

long long Coefficient(TextView text) { return test::NumbersInText(text).front(); }

TEST(MultDivU1, EveryVariantAndSchemeGivesTheCancelledProduct) {
  std::set<int> variants;
  std::set<int> schemes;
  int numeratorWithoutNumber = 0;
  int denominatorOne = 0;
  test::ForManyItems(501, MultDivU1, [&](const TBruchM& item) {
    variants.insert(item.Variante);
    ASSERT_GE(item.Variante, 1);
    ASSERT_LE(item.Variante, 3);
    ExpectRightProduct(item);
    const long long A = Coefficient(item.Text[1]);
    const long long B = Coefficient(item.Text[2]);
    const long long C = Coefficient(item.Variante == 3 ? item.Text[5] : item.Text[6]);
    const long long D = Coefficient(item.Variante == 3 ? item.Text[6] : item.Text[5]);
    for (long long n : {A, B, C, D}) EXPECT_TRUE(n >= 2 && n <= 12) << n;
    EXPECT_EQ(std::gcd(A, C), 1);
    EXPECT_EQ(std::gcd(B, D), 1);
    const bool ad = std::gcd(A, D) != 1;
    const bool bc = std::gcd(B, C) != 1;
    if (ad) {
      EXPECT_NE(A, D);
    }
    if (bc) {
      EXPECT_NE(B, C);
    }
    schemes.insert((ad ? 2 : 0) + (bc ? 1 : 0));
    if (item.Variante == 3) {
      const int e1 = test::MustRead(item.Text[1]).degree(item.Var1);
      const int e3 = test::MustRead(item.Text[5]).degree(item.Var2);
      const int e2 = test::MustRead(item.Text[2]).degree(item.Var2);
      const int e4 = test::MustRead(item.Text[6]).degree(item.Var1);
      for (int e : {e1, e2, e3, e4}) EXPECT_TRUE(e >= 1 && e <= 6);
      EXPECT_NE(e1, e4);
      EXPECT_NE(e2, e3);
    }
    const test::FractionParts parts = test::SplitFraction(item.Loesung);
    if (parts.numerator.front() < u'0' || parts.numerator.front() > u'9') ++numeratorWithoutNumber;
    if (parts.denominator == u"1") ++denominatorOne;
  });
  EXPECT_EQ(variants.size(), 3u);
  EXPECT_EQ(schemes.size(), 4u);
  EXPECT_GT(numeratorWithoutNumber, 0);
  EXPECT_GT(denominatorOne, 0);
}

// Stufe 2: the numbers P1 … P4 (2 … 7) and q1 … q4 (1 … 10) that could have made the task.
struct Stufe2Numbers {
  int P[5];
  int q[5];
};

std::vector<Stufe2Numbers> Stufe2Readings(const TBruchM& item) {
  const char16_t x = item.Var1;
  long long lin[5];
  long long con[5];
  const std::size_t slots[5] = {0, 1, 5, 2, 6};  // fraction parts 1 … 4 in task order
  for (int k = 1; k <= 4; ++k) {
    const Polynomial p = test::MustRead(item.Text[slots[k]]);
    lin[k] = p.coefficient({{x, 1}});
    con[k] = std::abs(p.coefficient({}));
  }
  std::vector<Stufe2Numbers> readings;
  for (int P1 = 2; P1 <= 7; ++P1)
    for (int P2 = 2; P2 <= 7; ++P2)
      for (int P3 = 2; P3 <= 7; ++P3)
        for (int P4 = 2; P4 <= 7; ++P4) {
          // P1·q1, P1·q2 / P2·q3, P2·q4 / P3·q3, P3·q4 / P4·q1, P4·q2
          const int P[5] = {0, P1, P2, P3, P4};
          bool fits = true;
          for (int k = 1; k <= 4; ++k) fits = fits && lin[k] % P[k] == 0 && con[k] % P[k] == 0;
          if (!fits) continue;
          const long long q1 = lin[1] / P1;
          const long long q2 = con[1] / P1;
          const long long q3 = lin[2] / P2;
          const long long q4 = con[2] / P2;
          if (lin[3] / P3 != q3 || con[3] / P3 != q4 || lin[4] / P4 != q1 || con[4] / P4 != q2) {
            continue;
          }
          const long long q[5] = {0, q1, q2, q3, q4};
          bool inRange = true;
          for (int k = 1; k <= 4; ++k) inRange = inRange && q[k] >= 1 && q[k] <= 10;
          if (!inRange) continue;
          readings.push_back({{0, P1, P2, P3, P4},
                              {0, static_cast<int>(q1), static_cast<int>(q2), static_cast<int>(q3),
                               static_cast<int>(q4)}});
        }
  return readings;
}

// The scheme of the common factors of P1 … P4, or −1 when no scheme holds.
int Stufe2Scheme(const Stufe2Numbers& n) {
  const bool g12 = std::gcd(n.P[1], n.P[2]) != 1;
  const bool g14 = std::gcd(n.P[1], n.P[4]) != 1;
  const bool g23 = std::gcd(n.P[2], n.P[3]) != 1;
  const bool g34 = std::gcd(n.P[3], n.P[4]) != 1;
  if (n.q[1] == n.q[2] || n.q[3] == n.q[4]) return -1;
  if (g12 && !g14 && !g23 && !g34 && n.P[1] != n.P[3] && n.P[2] != n.P[4]) return 0;
  if (!g12 && g14 && !g23 && !g34) return 1;
  if (!g12 && !g14 && g23 && !g34) return 2;
  if (!g12 && !g14 && !g23 && g34) return 3;
  return -1;
}

TEST(MultDivU2, EverySchemeAndSignPatternGivesTheCancelledProduct) {
  std::set<int> schemes;
  std::set<std::u16string> patterns;
  test::ForManyItems(502, MultDivU2, [&](const TBruchM& item) {
    EXPECT_EQ(item.Variante, 2);
    ExpectRightProduct(item);
    std::set<int> possible;
    for (const Stufe2Numbers& n : Stufe2Readings(item)) possible.insert(Stufe2Scheme(n));
    possible.erase(-1);
    EXPECT_FALSE(possible.empty()) << "no numbers in range satisfy a scheme";
    if (possible.size() == 1) schemes.insert(*possible.begin());
    const std::u16string pattern{SignOf(item.Text[1]), SignOf(item.Text[5]), SignOf(item.Text[2]),
                                 SignOf(item.Text[6])};
    patterns.insert(pattern);
    // σ1 … σ4 always hold three of one sign and one of the other.
    const auto plus = std::count(pattern.begin(), pattern.end(), u'+');
    EXPECT_TRUE(plus == 1 || plus == 3) << Utf8FromText(pattern);
  });
  EXPECT_EQ(schemes.size(), 4u);
  EXPECT_EQ(patterns.size(), 8u);
}

TEST(MultDivU3, EveryVariantAndSubSchemeGivesTheCancelledProduct) {
  std::set<int> variants;
  std::set<std::pair<int, int>> subSchemes;
  std::set<std::pair<int, std::u16string>> signPairs;
  test::ForManyItems(503, MultDivU3, [&](const TBruchM& item) {
    variants.insert(item.Variante);
    ASSERT_GE(item.Variante, 1);
    ASSERT_LE(item.Variante, 5);
    ExpectRightProduct(item);
    const char16_t x = item.Var1;
    const auto in2to7 = [](long long n) { return n >= 2 && n <= 7; };
    const auto in2to9 = [](long long n) { return n >= 2 && n <= 9; };
    switch (item.Variante) {
      case 1: {
        const Polynomial first = test::MustRead(item.Text[1]);
        const Polynomial den = test::MustRead(item.Text[5]);
        const long long A = first.coefficient({{x, 1}});
        const long long P = std::abs(first.coefficient({}));
        const long long Q = den.coefficient({{x, 2}});
        const long long Y = std::abs(den.coefficient({{x, 1}})) / Q;
        const long long d = Coefficient(item.Text[2]);
        const long long Z = Coefficient(item.Text[6]);
        EXPECT_TRUE(in2to7(A) && in2to7(P) && in2to7(Q) && in2to7(Y) && in2to9(d) && in2to9(Z));
        EXPECT_TRUE(AllDifferent({A, P, Q, Y, d, Z}));
        EXPECT_EQ(std::gcd(d, Z), 1);
        subSchemes.insert({1, std::gcd(Q, d) != 1});
        const std::u16string pair{SignOf(item.Text[1]), SignOf(item.Text[5])};
        EXPECT_NE(pair, u"––");
        EXPECT_EQ(SignOf(item.Text[2]), SignOf(item.Text[5]));
        signPairs.insert({1, pair});
        break;
      }
      case 2: {
        const long long A = Coefficient(item.Text[1]);
        const auto squares = test::NumbersInText(item.Text[5]);
        const long long P = Root(squares[0]);
        const long long Q = Root(squares[1]);
        EXPECT_EQ(test::NumbersInText(item.Text[2]), (std::vector<long long>{P, Q}));
        const long long Y = Coefficient(item.Text[6]);
        EXPECT_TRUE(in2to7(A) && in2to7(P) && in2to7(Q) && in2to7(Y));
        EXPECT_TRUE(AllDifferent({A, P, Q, Y}));
        subSchemes.insert({2, std::gcd(A, Y) != 1});
        break;
      }
      case 3: {
        const long long A = test::NumbersInText(item.Text[1]).front();
        const auto p = test::NumbersInText(item.Text[5]);
        const long long P = p[0];
        EXPECT_EQ(p[1], P);
        const long long Q = Coefficient(item.Text[2]);
        const long long Y = Coefficient(item.Text[6]);
        EXPECT_TRUE(in2to7(A) && in2to7(P) && in2to7(Q) && in2to7(Y));
        EXPECT_TRUE(AllDifferent({A, P, Q, Y}));
        subSchemes.insert({3, std::gcd(P, Q) != 1});
        signPairs.insert({3, std::u16string{SignOf(item.Text[1]), SignOf(item.Text[5])}});
        break;
      }
      case 4: {
        const long long A = Coefficient(item.Text[1]);
        const auto squares = test::NumbersInText(item.Text[5]);
        const long long P = Root(squares[0]);
        const long long Q = Root(squares[1]);
        EXPECT_EQ(test::NumbersInText(item.Text[2]), (std::vector<long long>{P, Q}));
        const long long Y = Coefficient(item.Text[6]);
        EXPECT_TRUE(in2to7(A) && in2to7(P) && in2to7(Q) && in2to7(Y));
        EXPECT_TRUE(AllDifferent({A, P, Q, Y}));
        EXPECT_EQ(std::gcd(A, P), 1);
        subSchemes.insert({4, std::gcd(A, Y) != 1});
        break;
      }
      default: {
        const auto first = test::NumbersInText(item.Text[1]);
        const auto second = test::NumbersInText(item.Text[5]);
        const long long A = Root(first[0]);
        const long long P = Root(first[1]);
        const long long Q = Root(second[0]);
        const long long N = Root(second[1]);
        EXPECT_EQ(test::NumbersInText(item.Text[2]), (std::vector<long long>{Q, N}));
        EXPECT_EQ(test::NumbersInText(item.Text[6]), (std::vector<long long>{A, P}));
        EXPECT_TRUE(in2to7(A) && in2to7(P) && in2to7(Q) && in2to7(N));
        EXPECT_TRUE(AllDifferent({A, P, Q, N}));
        subSchemes.insert({5, std::gcd(A, P) != 1 || std::gcd(Q, N) != 1});
        break;
      }
    }
  });
  EXPECT_EQ(variants.size(), 5u);
  EXPECT_EQ(subSchemes.size(), 10u);
  EXPECT_EQ(signPairs.size(), 3u + 4u);
}

}  // namespace
}  // namespace kalkora::fractions

#include "topics/fractions/number_theory.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace kalkora::fractions {
namespace {

std::vector<int> Factors(const PrimeFactors& f) {
  std::vector<int> list;
  for (int factor : f.faktoren) list.push_back(factor);
  return list;
}

struct FactorCase {
  int n;
  int anzahl;
  std::vector<int> faktoren;  // all ten entries
  std::vector<int> exponenten;
};

TEST(Primfaktoren, Table) {
  const FactorCase cases[] = {
      {-5, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
      {0, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
      {1, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
      {2, 1, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}},
      {12, 3, {2, 2, 3, 0, 0, 0, 0, 0, 0, 0}, {2, 1, 0, 0, 0, 0}},
      {90, 4, {2, 3, 3, 5, 0, 0, 0, 0, 0, 0}, {1, 2, 1, 0, 0, 0}},
      {13, 1, {13, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 1}},
      {30030, 6, {2, 3, 5, 7, 11, 13, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1}},
      {1024, 10, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, {10, 0, 0, 0, 0, 0}},
      {3 * 512, 10, {2, 2, 2, 2, 2, 2, 2, 2, 2, 3}, {9, 1, 0, 0, 0, 0}},
      {143 * 143, 4, {11, 11, 13, 13, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 2, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    const PrimeFactors f = Primfaktoren(c.n);
    EXPECT_FALSE(f.abgelehnt);
    EXPECT_EQ(f.anzahl, c.anzahl);
    EXPECT_EQ(Factors(f), c.faktoren);
    std::vector<int> exponents(f.exponenten.begin(), f.exponenten.end());
    EXPECT_EQ(exponents, c.exponenten);
  }
}

TEST(Primfaktoren, RejectsWhatSixPrimesAndTenPlacesCannotHold) {
  for (int n : {17, 2 * 17, 2048, 3 * 1024, 19 * 19, 2 * 3 * 5 * 7 * 11 * 13 * 17, 2147483647,
                3 * 3 * 3 * 3 * 3 * 3 * 3 * 3 * 3 * 3 * 3}) {
    SCOPED_TRACE(n);
    const PrimeFactors f = Primfaktoren(n);
    EXPECT_TRUE(f.abgelehnt);
    EXPECT_EQ(f.anzahl, 0);
    EXPECT_EQ(Factors(f), std::vector<int>(10, 0));
    EXPECT_EQ(Potenzschreibweise(n), u"");
  }
}

// Every number up to 5000: rejected exactly when it has a prime factor above 13 or more
// than ten prime factors; otherwise the factors multiply back to n in ascending order.
TEST(Primfaktoren, AgreesWithTrialDivisionUpTo5000) {
  for (int n = 2; n <= 5000; ++n) {
    std::vector<int> expected;
    int rest = n;
    for (int p = 2; p <= rest; ++p) {
      while (rest % p == 0) {
        expected.push_back(p);
        rest /= p;
      }
    }
    const bool representable = expected.back() <= 13 && expected.size() <= 10;
    const PrimeFactors f = Primfaktoren(n);
    ASSERT_EQ(f.abgelehnt, !representable) << n;
    if (!representable) continue;
    ASSERT_EQ(f.anzahl, static_cast<int>(expected.size())) << n;
    for (std::size_t i = 1; i <= expected.size(); ++i) ASSERT_EQ(f.faktoren[i], expected[i - 1]);
  }
}

TEST(IstPrimzahl, OnlyTheSixPrimesOfTheFactorisation) {
  std::vector<int> primes;
  for (int n = -20; n <= 200; ++n) {
    if (IstPrimzahl(n)) primes.push_back(n);
  }
  EXPECT_EQ(primes, (std::vector<int>{2, 3, 5, 7, 11, 13}));
}

TEST(Potenzschreibweise, Table) {
  const std::pair<int, const char16_t*> cases[] = {
      {1, u""},
      {2, u"2"},
      {8, u"2^3"},
      {12, u"2^2·3"},
      {13, u"13"},
      {90, u"2·3^2·5"},
      {30030, u"2·3·5·7·11·13"},
      {121, u"11^2"},
      {1024, u"2^10"},
      {2 * 169, u"2·13^2"},
      {360, u"2^3·3^2·5"},
  };
  for (const auto& [n, expected] : cases) {
    EXPECT_EQ(Potenzschreibweise(n), expected) << n;
  }
}

TEST(Potenzschreibweise, OfAFactorListReadsOnlyTheFirstAnzahlEntries) {
  OneBasedArray<int, 10> factors;
  factors[1] = 2;
  factors[2] = 2;
  factors[3] = 5;
  factors[4] = 7;
  EXPECT_EQ(Potenzschreibweise(factors, 3), u"2^2·5");
  EXPECT_EQ(Potenzschreibweise(factors, 0), u"");
  EXPECT_EQ(Potenzschreibweise(factors, 99), u"2^2·5·7");
  factors[5] = 4;  // not one of the six primes: ignored
  EXPECT_EQ(Potenzschreibweise(factors, 5), u"2^2·5·7");
}

}  // namespace
}  // namespace kalkora::fractions

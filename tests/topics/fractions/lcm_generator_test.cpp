#include "topics/fractions/lcm_generator.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "generator_checks.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {
using test::ProductPieces;

using test::Factorisation;
using test::Polynomial;

// The task's terms: the text between "kgV(" and ") =", split at ", ".
std::vector<Text> TaskTerms(TextView task) {
  const TextView head = u"kgV(";
  const TextView tail = u") =";
  EXPECT_EQ(task.substr(0, head.size()), head);
  EXPECT_GE(task.size(), head.size() + tail.size());
  EXPECT_EQ(task.substr(task.size() - tail.size()), tail);
  const TextView inner = task.substr(head.size(), task.size() - head.size() - tail.size());
  std::vector<Text> terms;
  std::size_t start = 0;
  for (;;) {
    const auto comma = inner.find(u", ", start);
    terms.emplace_back(
        inner.substr(start, comma == TextView::npos ? TextView::npos : comma - start));
    if (comma == TextView::npos) return terms;
    start = comma + 2;
  }
}

// The least common multiple rebuilt from the factorisations of the terms.
Factorisation LeastCommonMultiple(const std::vector<Text>& terms) {
  Factorisation lcm;
  for (const Text& term : terms) {
    const Factorisation f = test::Factorise(test::MustRead(term));
    EXPECT_TRUE(f.complete) << Utf8FromText(term);
    lcm.number = std::lcm(lcm.number, std::abs(f.number));
    for (const auto& [letter, e] : f.monomial)
      lcm.monomial[letter] = std::max(lcm.monomial[letter], e);
    for (const auto& [factor, count] : f.factors) {
      lcm.factors[factor] = std::max(lcm.factors[factor], count);
    }
  }
  return lcm;
}

// The solution read piece by piece, checking the order: number, Var1, Var2, brackets.
void ReadSolution(TextView solution, char16_t x, char16_t y, Factorisation& f) {
  // Each piece must come after the one before: 1 number, 2 Var1, 3 Var2, 4 brackets.
  int stage = 0;
  const auto next = [&stage](int pieceStage) {
    EXPECT_GT(pieceStage, stage) << "pieces out of order";
    stage = pieceStage;
  };
  for (const Text& piece : ProductPieces(solution)) {
    SCOPED_TRACE(Utf8FromText(piece));
    ASSERT_FALSE(piece.empty());
    const char16_t first = piece.front();
    if (first >= u'0' && first <= u'9') {
      next(1);
      f.number = test::NumbersInText(piece).front();
      EXPECT_GT(f.number, 1);
      EXPECT_EQ(test::MustRead(piece).isConstant(), true);
    } else if (first == u'(') {
      if (stage < 4) next(4);
      const auto close = piece.rfind(u')');
      ASSERT_NE(close, Text::npos);
      const Polynomial inside = test::MustRead(piece.substr(1, close - 1));
      EXPECT_EQ(inside.content(), 1);
      int power = 1;
      if (close + 1 < piece.size()) {
        ASSERT_EQ(piece[close + 1], u'^');
        power = std::stoi(Utf8FromText(piece.substr(close + 2)));
      }
      EXPECT_EQ(f.factors.count(test::Normalised(inside)), 0u) << "bracket written twice";
      f.factors[test::Normalised(inside)] += power;
    } else {
      const Polynomial p = test::MustRead(piece);
      ASSERT_EQ(p.terms.size(), 1u);
      ASSERT_EQ(p.terms.begin()->second, 1);
      const auto& m = p.terms.begin()->first;
      ASSERT_EQ(m.size(), 1u);
      const char16_t letter = m.begin()->first;
      EXPECT_TRUE(letter == x || letter == y);
      next(letter == x ? 2 : 3);
      EXPECT_EQ(f.monomial.count(letter), 0u);
      f.monomial[letter] = m.begin()->second;
    }
  }
}

TEST(KgvU, SolutionIsTheLeastCommonMultipleOfTheTerms) {
  std::set<int> variants;
  test::ForManyItems(301, KgvU, [&](const TBruchM& item) {
    variants.insert(item.Variante);
    ASSERT_GE(item.Variante, 1);
    ASSERT_LE(item.Variante, 9);
    EXPECT_NE(item.Var1, item.Var2);
    test::ExpectDisplayForm(item.Text[1]);
    test::ExpectFinishedSolution(item);
    const std::vector<Text> terms = TaskTerms(item.Text[1]);
    const std::size_t expectedTerms =
        item.Variante == 2 || item.Variante == 7 || item.Variante == 8 || item.Variante == 9 ? 3
                                                                                             : 2;
    ASSERT_EQ(terms.size(), expectedTerms);
    const Factorisation expected = LeastCommonMultiple(terms);
    Factorisation solution;
    ReadSolution(item.Loesung, item.Var1, item.Var2, solution);
    EXPECT_EQ(solution.number, expected.number);
    EXPECT_EQ(solution.monomial, expected.monomial);
    EXPECT_EQ(solution.factors, expected.factors);
    if (item.Variante == 7) {
      EXPECT_EQ(solution.number, 12);
    }
  });
  EXPECT_EQ(variants.size(), 9u);
}

TEST(KgvU, ExponentsAndNumbersInTheirRanges) {
  test::ForManyItems(302, KgvU, [&](const TBruchM& item) {
    const std::vector<Text> terms = TaskTerms(item.Text[1]);
    const char16_t x = item.Var1;
    const char16_t y = item.Var2;
    if (item.Variante == 1 || item.Variante == 2 || item.Variante == 8) {
      // pk·x^e1·y^e2, …: e1 … e6 from 2 … 8 with e1 ≠ e2, e1 ≠ e3, e2 ≠ e4, e3 ≠ e4, e3 ≠ e6,
      // e5 ≠ e6; p, q (, r) pairwise different and coprime, times a common k.
      int e[7] = {};
      std::vector<long long> coefficients;
      for (std::size_t i = 0; i < terms.size(); ++i) {
        const Polynomial p = test::MustRead(terms[i]);
        ASSERT_EQ(p.terms.size(), 1u);
        e[2 * i + 1] = p.terms.begin()->first.at(x);
        e[2 * i + 2] = p.terms.begin()->first.at(y);
        coefficients.push_back(p.terms.begin()->second);
      }
      for (std::size_t i = 1; i <= 2 * terms.size(); ++i) EXPECT_TRUE(e[i] >= 2 && e[i] <= 8);
      EXPECT_NE(e[1], e[2]);
      EXPECT_NE(e[1], e[3]);
      EXPECT_NE(e[2], e[4]);
      EXPECT_NE(e[3], e[4]);
      if (terms.size() == 3) {
        EXPECT_NE(e[3], e[6]);
        EXPECT_NE(e[5], e[6]);
      }
      long long k = 0;
      for (long long c : coefficients) k = std::gcd(k, c);
      const long long kMax = item.Variante == 8 ? 6 : 4;
      const long long pMax = item.Variante == 8 ? 5 : 9;
      std::set<long long> parts;
      for (long long c : coefficients) {
        parts.insert(c / k);
        EXPECT_TRUE(c / k >= 2 && c / k <= pMax) << c;
      }
      EXPECT_EQ(parts.size(), coefficients.size());
      EXPECT_TRUE(k >= 2 && k <= kMax) << k;
    }
    if (item.Variante == 4) {
      const Factorisation first = test::Factorise(test::MustRead(terms[0]));
      const Factorisation second = test::Factorise(test::MustRead(terms[1]));
      const int e1 = first.monomial.at(x) + 1;
      const int e2 = second.monomial.at(y);
      EXPECT_TRUE(e1 >= 2 && e1 <= 8);
      EXPECT_TRUE(e2 >= 2 && e2 <= 8);
      EXPECT_NE(e1, e2);
    }
    if (item.Variante == 3 || item.Variante == 5) {
      const long long p = test::Factorise(test::MustRead(terms[0])).number;
      const long long q = test::Factorise(test::MustRead(terms[1])).number;
      EXPECT_TRUE(p >= 2 && p <= 10 && q >= 2 && q <= 10);
      EXPECT_NE(p, q);
      EXPECT_NE(std::gcd(p, q), 1);
    }
  });
}

}  // namespace
}  // namespace kalkora::fractions

#include "topics/fractions/term_division_generator.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "generator_checks.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

using test::Polynomial;

TEST(TermDivU1, QuotientEqualsTheDivisionAndIsFactoredOutCompletely) {
  std::set<int> variants;
  std::set<std::u16string> signs;
  test::ForManyItems(601, TermDivU1, [&](const TBruchM& item) {
    variants.insert(item.Variante);
    ASSERT_GE(item.Variante, 1);
    ASSERT_LE(item.Variante, 4);
    const char16_t x = item.Var1;
    EXPECT_NE(item.Var1, item.Var2);
    test::ExpectDisplayForm(item.Text[1]);
    test::ExpectDisplayForm(item.Text[5]);
    test::ExpectFinishedSolution(item);
    EXPECT_EQ(item.Loesung.find(u'/'), Text::npos);
    test::ExpectSameValues(
        [&](const test::LetterValues& v) {
          return test::ValueOf(item.Text[1], v) / test::ValueOf(item.Text[5], v);
        },
        [&](const test::LetterValues& v) { return test::ValueOf(item.Loesung, v); }, Text(1, x));

    // Dividend a1·D·x^e1 ± a2·D·x^e2 (± a3·D·x^e3), divisor D·x^e.
    const std::vector<Text> summands = test::Summands(item.Text[1]);
    const bool three = item.Variante >= 3;
    ASSERT_EQ(summands.size(), three ? 3u : 2u);
    const Polynomial divisor = test::MustRead(item.Text[5]);
    ASSERT_EQ(divisor.terms.size(), 1u);
    const long long D = divisor.terms.begin()->second;
    EXPECT_TRUE(D >= 2 && D <= 9);
    std::vector<int> exponents;
    std::vector<long long> a;
    for (const Text& summand : summands) {
      const Polynomial p = test::MustRead(summand);
      ASSERT_EQ(p.terms.size(), 1u);
      exponents.push_back(p.degree(x));
      ASSERT_EQ(p.terms.begin()->second % D, 0);
      a.push_back(p.terms.begin()->second / D);
    }
    exponents.push_back(divisor.degree(x));
    for (std::size_t i = 0; i + 1 < exponents.size(); ++i)
      EXPECT_GT(exponents[i], exponents[i + 1]);
    EXPECT_GE(exponents.back(), 1);
    EXPECT_LE(exponents.front(), 8);
    EXPECT_TRUE(a[0] >= 1 && a[0] <= 6);
    EXPECT_TRUE(a[1] >= 1 && a[1] <= 8);
    EXPECT_NE(a[0], a[1]);
    if (three) {
      EXPECT_LT(a[2], a[0]);
      EXPECT_LT(a[2], a[1]);
      EXPECT_FALSE(a[0] * D > 9 && a[1] * D > 9 && a[2] * D > 9);
    }
    std::u16string signPattern;
    for (std::size_t i = 0; i + 2 < item.Text[1].size(); ++i) {
      const char16_t sign = item.Text[1][i + 1];
      if (item.Text[1][i] == u' ' && (sign == u'+' || sign == u'–')) signPattern += sign;
    }
    signs.insert(std::u16string(1, static_cast<char16_t>(u'0' + item.Variante)) + signPattern);

    if (item.Variante == 2 || item.Variante == 4) {
      // k·x^m·(…): the bracket has no common number factor and no common power of x.
      const auto open = item.Loesung.find(u'(');
      ASSERT_NE(open, Text::npos);
      ASSERT_EQ(item.Loesung.back(), u')');
      const Polynomial inside =
          test::MustRead(item.Loesung.substr(open + 1, item.Loesung.size() - open - 2));
      EXPECT_EQ(inside.content(), 1);
      EXPECT_EQ(inside.minExponent(x), 0);
      EXPECT_EQ(inside.terms.size(), three ? 3u : 2u);
    } else {
      EXPECT_EQ(test::Summands(item.Loesung).size(), three ? 3u : 2u);
    }
  });
  EXPECT_EQ(variants.size(), 4u);
  EXPECT_EQ(signs.size(), 2u + 2u + 4u + 4u);
}

}  // namespace
}  // namespace kalkora::fractions

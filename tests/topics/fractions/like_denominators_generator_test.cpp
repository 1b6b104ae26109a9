#include "topics/fractions/like_denominators_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>

#include "generator_checks.h"
#include "topics/fractions/finishing_steps.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

// The form of the common denominator (0 … 4) as its text shows it.
int DenominatorForm(TextView text, char16_t x) {
  if (!text.empty() && text.front() == u'(') return 4;
  const test::Polynomial p = test::MustRead(text);
  if (p.degree(x) == 2) return 3;
  if (p.terms.size() == 1) return 0;
  return p.coefficient({{x, 1}}) == 1 ? 1 : 2;
}

double Combined(double left, char16_t op, double right) {
  return op == u'+' ? left + right : left - right;
}

TEST(AddSubGleichU, ResultIsTheSumOfTheNumerators) {
  std::set<int> variants;
  std::set<std::pair<int, int>> forms;
  int negative = 0;
  int zero = 0;
  test::ForManyItems(401, AddSubGleichU, [&](const TBruchM& item) {
    variants.insert(item.Variante);
    ASSERT_GE(item.Variante, 1);
    ASSERT_LE(item.Variante, 4);
    const bool three = item.Variante >= 3;
    ASSERT_EQ(item.Anzahl, three ? 3 : 2);
    const std::set<char16_t> letters{item.Var1, item.Var2, item.Var3};
    EXPECT_EQ(letters.size(), 3u);
    EXPECT_TRUE(item.Op1 == u'+' || item.Op1 == u'–');
    if (three) {
      EXPECT_TRUE(item.Op2 == u'+' || item.Op2 == u'–');
    }
    EXPECT_EQ(item.Text[5], item.Text[6]);
    EXPECT_EQ(item.Text[5], item.Text[7]);
    test::ExpectDisplayForm(item.Text[5]);
    for (int k = 1; k <= item.Anzahl; ++k)
      test::ExpectDisplayForm(item.Text[static_cast<std::size_t>(k)]);
    test::ExpectFinishedSolution(item);
    const int form = DenominatorForm(item.Text[5], item.Var1);
    forms.insert({item.Variante, form});
    EXPECT_LT(form, three ? 4 : 5);

    const auto numeratorSum = [&](const test::LetterValues& v) {
      double sum = Combined(test::ValueOf(item.Text[1], v), item.Op1 == u'+' ? u'+' : u'-',
                            test::ValueOf(item.Text[2], v));
      if (three)
        sum = Combined(sum, item.Op2 == u'+' ? u'+' : u'-', test::ValueOf(item.Text[3], v));
      return sum;
    };
    const Text allLetters{item.Var1, item.Var2, item.Var3};
    test::ExpectSameValues(
        numeratorSum, [&](const test::LetterValues& v) { return test::ValueOf(item.Loesung, v); },
        allLetters);
    if (item.Variante == 1 || item.Variante == 3) {
      const test::Polynomial result = test::MustRead(item.Loesung);
      EXPECT_TRUE(result.isConstant());
      const long long value = result.isZero() ? 0 : result.terms.begin()->second;
      EXPECT_EQ(static_cast<double>(value), numeratorSum({}));
      if (value < 0) ++negative;
      if (value == 0) {
        ++zero;
        EXPECT_EQ(item.Loesung, u"0");
      }
    } else {
      // The collected numerator: x, y, z in this order, each once.
      const test::Polynomial result = test::MustRead(item.Loesung);
      EXPECT_EQ(test::Summands(item.Loesung).size(), result.isZero() ? 1u : result.terms.size());
      std::size_t last = 0;
      for (char16_t letter : allLetters) {
        const auto at = item.Loesung.find(letter);
        if (at == Text::npos) continue;
        EXPECT_GE(at, last);
        last = at;
      }
    }
  });
  EXPECT_EQ(variants.size(), 4u);
  EXPECT_EQ(forms.size(), 5u + 5u + 4u + 4u);
  EXPECT_GT(negative, 0);
  EXPECT_GT(zero, 0);
}

// The collected numerator as the learner sees it and types it, after the finishing steps:
// every coefficient 1 dropped (also next to an 11), a first coefficient 0 leaves neither a
// blank nor a "+" in front, and all coefficients 0 give "0".
TEST(AddSubGleichU, CollectedNumeratorWritten) {
  const struct {
    int coefficients[3];
    const char16_t* solution;
    const char16_t* answer;
  } cases[] = {
      {{0, 0, 0}, u"0", u"0"},           {{0, -3, 2}, u"–3·y + 2·z", u"–3y+2z"},
      {{0, 3, -1}, u"3·y – z", u"3y–z"}, {{11, 1, 0}, u"11·x + y", u"11x+y"},
      {{-1, 0, 1}, u"–x + z", u"–x+z"},  {{4, -7, -10}, u"4·x – 7·y – 10·z", u"4x–7y–10z"},
  };
  const char16_t letters[3] = {u'x', u'y', u'z'};
  for (const auto& c : cases) {
    TBruchM item;
    item.Loesung = CollectedNumerator(c.coefficients, letters);
    FinishSolution(item);
    EXPECT_EQ(item.Loesung, c.solution);
    EXPECT_EQ(item.Antwort, c.answer);
  }
}

TEST(AddSubGleichU, NumbersInTheirRangesAndCoprimeToTheDenominator) {
  test::ForManyItems(402, AddSubGleichU, [&](const TBruchM& item) {
    std::vector<long long> abc;
    if (item.Variante == 1 || item.Variante == 3) {
      for (int k = 1; k <= item.Anzahl; ++k) {
        abc.push_back(test::NumbersInText(item.Text[static_cast<std::size_t>(k)]).front());
      }
    } else {
      abc = test::NumbersInText(item.Text[1]);
      const auto def = test::NumbersInText(item.Text[2]);
      for (long long n : def) EXPECT_TRUE(n >= 2 && n <= 11);
      if (item.Variante == 4) {
        for (long long n : test::NumbersInText(item.Text[3])) EXPECT_TRUE(n >= 2 && n <= 11);
      }
    }
    const std::vector<long long> denominator = test::NumbersInText(item.Text[5]);
    ASSERT_FALSE(denominator.empty());
    const long long n = denominator[0];
    ASSERT_GE(abc.size(), 2u);
    const long long a = abc[0];
    const long long b = abc[1];
    if (denominator.size() >= 2) {
      EXPECT_EQ(denominator[1], a);
    }
    for (long long v : abc) EXPECT_TRUE(v >= 2 && v <= 11) << v;
    EXPECT_TRUE(n >= 2 && n <= 11);
    EXPECT_EQ(std::set<long long>(abc.begin(), abc.end()).size(), abc.size());
    for (long long v : abc) EXPECT_EQ(std::gcd(n, v), 1);
    EXPECT_EQ(std::gcd(n, a + b), 1);
    EXPECT_EQ(std::gcd(n, std::abs(a - b)), 1);
  });
}

}  // namespace
}  // namespace kalkora::fractions

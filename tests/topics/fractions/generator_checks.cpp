#include "generator_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "base/random.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions::test {

void ForManyItems(std::uint32_t seed, void (*generator)(int),
                  const std::function<void(const TBruchM&)>& check) {
  SetRandomSeed(seed);
  for (int n = 0; n < kItemsPerGenerator; ++n) {
    const int index = n % 5 + 1;
    generator(index);
    const TBruchM& item = Bruch[static_cast<std::size_t>(index)];
    SCOPED_TRACE(testing::Message()
                 << "item " << n << " Variante " << item.Variante << ": "
                 << Utf8FromText(item.Text[1]) << " | " << Utf8FromText(item.Text[4]) << " | "
                 << Utf8FromText(item.Text[5]) << " | " << Utf8FromText(item.Text[2]) << " | "
                 << Utf8FromText(item.Text[6]) << " => " << Utf8FromText(item.Loesung));
    check(item);
    if (testing::Test::HasFatalFailure() || testing::Test::HasNonfatalFailure()) return;
  }
}

void ExpectDisplayForm(TextView text) {
  const std::string shown = Utf8FromText(text);
  EXPECT_EQ(text.find(u'-'), TextView::npos) << shown;
  EXPECT_EQ(text.find(u'*'), TextView::npos) << shown;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == u'^' && text[i + 1] == u'1') {
      const bool longer = i + 2 < text.size() && text[i + 2] >= u'0' && text[i + 2] <= u'9';
      EXPECT_TRUE(longer) << "exponent 1 in " << shown;
    }
  }
  for (TextView pair : {u"+ –", u"– –", u"+ +", u"– +", u"+–", u"–+", u"––"}) {
    EXPECT_EQ(text.find(pair), TextView::npos) << shown;
  }
}

void ExpectNoUnitCoefficient(TextView text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'1' || text[i + 1] != u'·') continue;
    const bool longer =
        i > 0 && ((text[i - 1] >= u'0' && text[i - 1] <= u'9') || text[i - 1] == u'^');
    EXPECT_TRUE(longer) << "coefficient 1 in " << Utf8FromText(text);
  }
}

void ExpectFinishedSolution(const TBruchM& item) {
  const Text& solution = item.Loesung;
  const std::string shown = Utf8FromText(solution);
  ASSERT_FALSE(solution.empty());
  ExpectDisplayForm(solution);
  EXPECT_NE(solution.front(), u' ') << shown;
  EXPECT_NE(solution.front(), u'+') << shown;
  ExpectNoUnitCoefficient(solution);
  Text answer;
  for (char16_t ch : solution) {
    if (ch != u' ' && ch != u'·') answer += ch;
  }
  EXPECT_EQ(item.Antwort, answer);
}

void ExpectSameValues(const std::function<double(const LetterValues&)>& task,
                      const std::function<double(const LetterValues&)>& solution,
                      TextView letters) {
  int counted = 0;
  for (int trial = 0; trial < 12; ++trial) {
    const LetterValues values = SampleValues(letters, trial);
    const double expected = task(values);
    const double actual = solution(values);
    if (!std::isfinite(expected) || std::abs(expected) > 1e12) continue;
    ASSERT_TRUE(std::isfinite(actual)) << "trial " << trial;
    EXPECT_NEAR(actual, expected, 1e-7 * std::max(1.0, std::abs(expected))) << "trial " << trial;
    ++counted;
  }
  EXPECT_GE(counted, 3);
}

Polynomial MustRead(TextView text) {
  const auto p = ReadPolynomial(text);
  EXPECT_TRUE(p.has_value()) << "cannot read " << Utf8FromText(text);
  return p.value_or(Polynomial{});
}

long long GcdOf(long long a, long long b) { return std::gcd(a, b); }

void ExpectLowestTerms(TextView numerator, TextView denominator) {
  const Polynomial num = MustRead(numerator);
  const Polynomial den = MustRead(denominator);
  ASSERT_FALSE(num.isZero());
  ASSERT_FALSE(den.isZero());
  EXPECT_EQ(std::gcd(num.content(), den.content()), 1) << "common number factor";
  for (char16_t letter : num.letters()) {
    EXPECT_TRUE(num.minExponent(letter) == 0 || den.minExponent(letter) == 0)
        << "common letter " << Utf8FromText(Text(1, letter));
  }
  const Factorisation fn = Factorise(num);
  const Factorisation fd = Factorise(den);
  for (const auto& [factor, count] : fn.factors) {
    EXPECT_EQ(fd.factors.count(factor), 0u) << "common factor";
  }
}

FractionParts SplitFraction(TextView solution) {
  const auto slash = solution.find(u'/');
  EXPECT_NE(slash, TextView::npos) << Utf8FromText(solution);
  if (slash == TextView::npos) return {Text{solution}, Text{u"1"}};
  EXPECT_EQ(solution.find(u'/', slash + 1), TextView::npos) << Utf8FromText(solution);
  return {Text{solution.substr(0, slash)}, Text{solution.substr(slash + 1)}};
}

}  // namespace kalkora::fractions::test

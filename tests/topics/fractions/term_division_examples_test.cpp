// The examples of dividing by a monomial: the split or the factored form and the result have
// the value of the division; each term of the split divides coefficient by coefficient and
// power by power; the factored form takes out the greatest common factor.

#include <gtest/gtest.h>

#include "example_checks.h"
#include "generator_checks.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions::test {
namespace {

TEST(TermDivisionExamples, EveryVariantIsBuilt) { ExpectEveryVariant(TermDivM1, 4); }

TEST(TermDivisionExamples, EachStartsFromAFreshRecord) { ExpectFreshRecord(TermDivM1); }

TEST(TermDivisionExamples, SplitAndFactoredFormHaveTheValueOfTheDivision) {
  int factored = 0;
  ForManyExamples(90, TermDivM1, [&](const TBruchM& item) {
    for (const std::size_t slot : {1, 5, 9, 11, 12}) ExpectFinishedText(item.Text[slot]);
    ASSERT_TRUE(item.Anzahl == 2 || item.Anzahl == 3);
    const Polynomial dividend = MustRead(item.Text[1]);
    const Polynomial divisor = MustRead(item.Text[5]);
    ASSERT_EQ(divisor.terms.size(), 1u);
    const Polynomial result = MustRead(Unmarked(item.Text[9]));
    EXPECT_EQ(result * divisor, dividend);
    EXPECT_EQ(static_cast<int>(dividend.terms.size()), item.Anzahl);
    if (item.Schalter) {
      ++factored;
      const Polynomial numerator = MustRead(Unmarked(item.Text[11]));
      EXPECT_EQ(numerator, dividend);
      EXPECT_EQ(MustRead(Unmarked(item.Text[12])), divisor);
      // Taken out: the greatest common factor of the terms, so the bracket has none left.
      const std::size_t bracket = item.Text[11].find(u'(');
      ASSERT_NE(bracket, Text::npos);
      const Polynomial inside = MustRead(item.Text[11].substr(bracket));
      EXPECT_EQ(inside.content(), 1);
      EXPECT_EQ(inside.minExponent(item.Var1), 0);
      EXPECT_GT(MustRead(Unmarked(MarkedParts(item.Text[11], u'#').at(0))).content(),
                MustRead(Unmarked(MarkedParts(item.Text[12], u'#').at(0))).content());
      return;
    }
    // The split: each term over the divisor, marked alike above and below.
    Polynomial sum;
    for (int k = 0; k < item.Anzahl; ++k) {
      const Text& numerator = item.Daten[static_cast<std::size_t>(1 + k)];
      const Text& denominator = item.Daten[static_cast<std::size_t>(11 + k)];
      ExpectFinishedText(numerator);
      ExpectFinishedText(denominator);
      EXPECT_EQ(MustRead(Unmarked(denominator)), divisor);
      const Polynomial term = MustRead(Unmarked(numerator));
      ASSERT_EQ(term.terms.size(), 1u);
      const Text& op = item.Daten[static_cast<std::size_t>(6 + k)];
      sum = k == 0 || op == u"+" ? sum + term : sum - term;
      const char16_t powerMark = MarkedParts(numerator, u'_').empty()
                                     ? (MarkedParts(numerator, u'~').empty() ? u'$' : u'~')
                                     : u'_';
      EXPECT_EQ(MarkedParts(numerator, powerMark).size(), 1u);
      EXPECT_EQ(MarkedParts(denominator, powerMark).size(), 1u);
      EXPECT_EQ(DividedBy(term, divisor.terms.begin()->first).terms.size(), 1u);
      EXPECT_EQ(term.content() % divisor.content(), 0);
    }
    EXPECT_EQ(sum, dividend);
  });
  EXPECT_GT(factored, 300);
}

}  // namespace
}  // namespace kalkora::fractions::test

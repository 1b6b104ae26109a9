// The like-denominator examples: the numerators combined with their operators give the result
// numerator; the result is in lowest terms, or at Stufe 3 cancels by the marked factor.

#include <gtest/gtest.h>

#include <cctype>

#include "example_checks.h"
#include "generator_checks.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions::test {
namespace {

struct Builder {
  void (*build)(int);
  int level;
};

const Builder kBuilders[] = {{AddSubGleichM1, 1}, {AddSubGleichM2, 2}, {AddSubGleichM3, 3}};

// The sum of the numerators with their operators, minus the (signed) result numerator.
Polynomial NumeratorsLessResult(const TBruchM& item) {
  const std::size_t numerators[3] = {1, 3, 5};
  Polynomial sum = MustRead(Unmarked(item.Daten[1]));
  for (int k = 1; k < item.Anzahl; ++k) {
    const Polynomial next = MustRead(Unmarked(item.Daten[numerators[k]]));
    const Text& op = item.Daten[static_cast<std::size_t>(2 * k)];
    EXPECT_TRUE(op == u"+" || op == u"–") << Utf8FromText(op);
    sum = op == u"+" ? sum + next : sum - next;
  }
  Polynomial result = MustRead(Unmarked(item.Daten[9]));
  if (item.Daten[8] == u"–") result = Polynomial{} - result;
  return sum - result;
}

TEST(LikeDenominatorExamples, EveryVariantIsBuilt) {
  for (const Builder& b : kBuilders) ExpectEveryVariant(b.build, 4);
}

TEST(LikeDenominatorExamples, EachStartsFromAFreshRecord) {
  for (const Builder& b : kBuilders) ExpectFreshRecord(b.build);
}

TEST(LikeDenominatorExamples, TheNumeratorsAddUpToTheResult) {
  for (const Builder& b : kBuilders) {
    SCOPED_TRACE(b.level);
    int negative = 0;
    int whole = 0;
    ForManyExamples(70 + static_cast<std::uint32_t>(b.level), b.build, [&](const TBruchM& item) {
      ASSERT_TRUE(item.Anzahl == 2 || item.Anzahl == 3);
      for (std::size_t slot = 1; slot <= 12; ++slot) ExpectFinishedText(item.Daten[slot]);
      for (std::size_t slot = 4; slot <= 7; ++slot) ExpectFinishedText(item.Text[slot]);
      EXPECT_TRUE(NumeratorsLessResult(item).isZero());
      // Letter terms rose, numbers olive; a number numerator alone is rose.
      for (const std::size_t slot : {1, 3, 5, 9}) {
        for (const Text& part : MarkedParts(item.Daten[slot], u'_')) {
          EXPECT_TRUE(MustRead(part).isConstant()) << Utf8FromText(part);
        }
        if (b.level > 1) {
          for (const Text& part : MarkedParts(item.Daten[slot], u'#')) {
            EXPECT_FALSE(MustRead(part).isConstant()) << Utf8FromText(part);
          }
        }
      }
      if (item.Daten[8] == u"–") ++negative;
      EXPECT_NE(Unmarked(item.Daten[9]), u"0");
      if (b.level < 3) {
        EXPECT_FALSE(item.Kenn[1]);
        ExpectLowestTerms(Unmarked(item.Daten[9]), item.Text[4]);
        return;
      }
      // Stufe 3: the two denominators are the common one written in two ways.
      ASSERT_EQ(item.Anzahl, 2);
      EXPECT_NE(item.Text[5], item.Text[6]);
      EXPECT_EQ(MustRead(item.Text[5]), MustRead(item.Text[4]));
      EXPECT_EQ(MustRead(item.Text[6]), MustRead(item.Text[4]));
      EXPECT_EQ(MustRead(Unmarked(item.Text[7])), MustRead(item.Text[4]));
      ASSERT_TRUE(item.Kenn[1]);
      // The factored numerator is the result numerator; the factor marked in it is the one
      // marked in the denominator.
      EXPECT_EQ(MustRead(Unmarked(item.Daten[10])), MustRead(Unmarked(item.Daten[9])));
      const auto above = MarkedParts(item.Daten[10], u'~');
      const auto below = MarkedParts(item.Text[7], u'~');
      ASSERT_EQ(above.size(), 1u);
      ASSERT_EQ(below.size(), 1u);
      EXPECT_EQ(above[0], below[0]);
      // What is left: the factored fraction without the marked factor, in lowest terms.
      const Polynomial factor = MustRead(above[0]);
      const Text rest = item.Daten[12].empty() ? Text{u"1"} : item.Daten[12];
      if (item.Daten[12].empty()) ++whole;
      EXPECT_EQ(MustRead(item.Daten[11]) * factor, MustRead(Unmarked(item.Daten[9])));
      EXPECT_EQ(MustRead(rest) * factor, MustRead(item.Text[4]));
      ExpectLowestTerms(item.Daten[11], rest);
    });
    if (b.level == 2) EXPECT_GT(negative, 100);
    if (b.level == 3) EXPECT_GT(whole, 100);
  }
}

}  // namespace
}  // namespace kalkora::fractions::test

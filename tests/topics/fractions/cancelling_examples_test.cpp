// The cancelling examples: task = factored form = rest, the common factor marked alike above
// and below the bar, the rest in lowest terms and drawn as a single term where nothing is
// left below the bar.

#include <gtest/gtest.h>

#include "example_checks.h"
#include "generator_checks.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions::test {
namespace {

struct Builder {
  void (*build)(int);
  int level;
  int variants;
};

const Builder kBuilders[] = {{KuerzenM1, 1, 2}, {KuerzenM2, 2, 6}, {KuerzenM3, 3, 7}};

TEST(CancellingExamples, EveryVariantIsBuilt) {
  for (const Builder& b : kBuilders) ExpectEveryVariant(b.build, b.variants);
}

TEST(CancellingExamples, EachStartsFromAFreshRecord) {
  for (const Builder& b : kBuilders) ExpectFreshRecord(b.build);
}

TEST(CancellingExamples, FactoredFormAndRestAreTheTaskInLowestTerms) {
  for (const Builder& b : kBuilders) {
    SCOPED_TRACE(b.level);
    int singleTerms = 0;
    int fractions = 0;
    ForManyExamples(50 + static_cast<std::uint32_t>(b.level), b.build, [&](const TBruchM& item) {
      for (const std::size_t slot : {1, 4, 9, 10, 11, 12}) ExpectFinishedText(item.Text[slot]);
      const Text restDenominator = item.Schalter ? item.Text[10] : Text{u"1"};
      (item.Schalter ? fractions : singleTerms)++;

      // The common factor: one mark above, one below, the same factor, not a number 1.
      const auto above = MarkedParts(item.Text[11], u'#');
      const auto below = MarkedParts(item.Text[12], u'#');
      ASSERT_EQ(above.size(), 1u);
      ASSERT_EQ(below.size(), 1u);
      EXPECT_EQ(above[0], below[0]);
      const Polynomial common = MustRead(above[0]);
      EXPECT_FALSE(common.isConstant() && common.content() == 1);
      // Numerator and denominator are the rest times the common factor.
      EXPECT_EQ(MustRead(Unmarked(item.Text[11])), MustRead(item.Text[1]));
      EXPECT_EQ(MustRead(Unmarked(item.Text[12])), MustRead(item.Text[4]));
      EXPECT_EQ(MustRead(item.Text[9]) * common, MustRead(item.Text[1]));
      EXPECT_EQ(MustRead(restDenominator) * common, MustRead(item.Text[4]));
      ExpectLowestTerms(item.Text[9], restDenominator);
      // A fraction is left exactly when something other than 1 stays below the bar.
      if (item.Schalter) EXPECT_NE(MustRead(restDenominator), MustRead(u"1"));
      EXPECT_EQ(item.Schalter, Unmarked(item.Text[12]) != above[0]);
    });
    EXPECT_GT(fractions, 100);
    EXPECT_GT(singleTerms, 100);
  }
}

}  // namespace
}  // namespace kalkora::fractions::test

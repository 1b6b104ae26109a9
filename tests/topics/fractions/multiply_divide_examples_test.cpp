// The multiply/divide examples: task, marked pair, cancelled pair and result have one value;
// each mark stands once above and once below the bars on factors that share a factor; the
// marked pair is the task (factored at Stufe 2 and 3); the result is in lowest terms.

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

const Builder kBuilders[] = {{MultDivM1, 1, 3}, {MultDivM2, 2, 2}, {MultDivM3, 3, 5}};

double ProductValue(TextView n1, TextView d1, TextView n2, TextView d2, const LetterValues& v) {
  return ValueOfFraction(n1, d1, v) * ValueOfFraction(n2, d2, v);
}

TEST(MultiplyDivideExamples, EveryVariantIsBuilt) {
  for (const Builder& b : kBuilders) ExpectEveryVariant(b.build, b.variants);
}

TEST(MultiplyDivideExamples, EachStartsFromAFreshRecord) {
  for (const Builder& b : kBuilders) ExpectFreshRecord(b.build);
}

TEST(MultiplyDivideExamples, EveryFormHasTheValueOfTheProductAndMarksComeInPairs) {
  for (const Builder& b : kBuilders) {
    SCOPED_TRACE(b.level);
    ForManyExamples(80 + static_cast<std::uint32_t>(b.level), b.build, [&](const TBruchM& item) {
      for (const std::size_t slot : {1, 2, 5, 6, 9, 10}) ExpectFinishedText(item.Text[slot]);
      for (std::size_t slot = 1; slot <= 8; ++slot) ExpectFinishedText(item.Daten[slot]);
      EXPECT_EQ(item.Op1, u'·');
      const Text letters = LettersIn({item.Text[1], item.Text[2], item.Text[5], item.Text[6]});
      const auto task = [&](const LetterValues& v) {
        return ProductValue(item.Text[1], item.Text[5], item.Text[2], item.Text[6], v);
      };
      ExpectSameValues(
          task,
          [&](const LetterValues& v) {
            return ProductValue(item.Daten[1], item.Daten[2], item.Daten[3], item.Daten[4], v);
          },
          letters);
      ExpectSameValues(
          task,
          [&](const LetterValues& v) { return ValueOfFraction(item.Text[9], item.Text[10], v); },
          letters);
      // Each fraction of the task is in lowest terms by itself: everything cancels crosswise.
      ExpectLowestTerms(item.Text[1], item.Text[5]);
      ExpectLowestTerms(item.Text[2], item.Text[6]);
      ExpectLowestTerms(item.Text[9], item.Text[10]);
      if (b.level == 1) {
        ExpectSameValues(
            task,
            [&](const LetterValues& v) {
              return ProductValue(item.Daten[5], item.Daten[6], item.Daten[7], item.Daten[8], v);
            },
            letters);
      } else {
        // The marked pair is the task with its numerators and denominators factored.
        EXPECT_EQ(MustRead(Unmarked(item.Daten[1])), MustRead(item.Text[1]));
        EXPECT_EQ(MustRead(Unmarked(item.Daten[2])), MustRead(item.Text[5]));
        EXPECT_EQ(MustRead(Unmarked(item.Daten[3])), MustRead(item.Text[2]));
        EXPECT_EQ(MustRead(Unmarked(item.Daten[4])), MustRead(item.Text[6]));
      }
      int marks = 0;
      for (const char16_t marker : {u'#', u'_', u'~', u'$'}) {
        std::vector<Text> above = MarkedParts(item.Daten[1], marker);
        for (const Text& part : MarkedParts(item.Daten[3], marker)) above.push_back(part);
        std::vector<Text> below = MarkedParts(item.Daten[2], marker);
        for (const Text& part : MarkedParts(item.Daten[4], marker)) below.push_back(part);
        ASSERT_EQ(above.size(), below.size()) << Utf8FromText(Text(1, marker));
        if (above.empty()) continue;
        ASSERT_EQ(above.size(), 1u);
        ++marks;
        EXPECT_TRUE(ShareAFactor(MustRead(above[0]), MustRead(below[0])))
            << Utf8FromText(above[0]) << " / " << Utf8FromText(below[0]);
      }
      EXPECT_GE(marks, 1);
    });
  }
}

}  // namespace
}  // namespace kalkora::fractions::test

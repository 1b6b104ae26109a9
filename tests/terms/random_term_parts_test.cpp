#include "terms/random_term_parts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>

#include "base/random.h"

namespace kalkora {
namespace {

using term_builders::RandomSigns;
using term_builders::Vorzeichen;

TEST(RandomSigns, FillsAllSevenWithBothSigns) {
  SetRandomSeed(8);
  std::map<std::size_t, std::set<char16_t>> seen;
  for (int round = 0; round < 100; ++round) {
    Vorzeichen.fill(u'?');
    RandomSigns();
    for (std::size_t i = 1; i <= 7; ++i) {
      ASSERT_TRUE(Vorzeichen[i] == u'+' || Vorzeichen[i] == u'-');
      seen[i].insert(Vorzeichen[i]);
    }
  }
  for (std::size_t i = 1; i <= 7; ++i) EXPECT_EQ(seen[i].size(), 2u) << i;
  ClearFixedRandomSeed();
}

TEST(RandomSigns, FollowsTheDrawsOfTheRandomSource) {
  SetRandomSeed(77);
  RandomSigns();
  SetRandomSeed(77);
  for (std::size_t i = 1; i <= 7; ++i) EXPECT_EQ(Vorzeichen[i], Random(2) == 0 ? u'+' : u'-');
  ClearFixedRandomSeed();
}

TEST(RandomCoefficient, ReachesEveryValueOfTheRange) {
  SetRandomSeed(4);
  std::set<int> unsignedValues;
  std::set<int> signedValues;
  for (int i = 0; i < 4000; ++i) {
    const int value = RandomCoefficient(2, 9, false);
    ASSERT_GE(value, 2);
    ASSERT_LE(value, 9);
    unsignedValues.insert(value);
    const int signedValue = RandomCoefficient(2, 9, true);
    ASSERT_GE(std::abs(signedValue), 2);
    ASSERT_LE(std::abs(signedValue), 9);
    signedValues.insert(signedValue);
  }
  EXPECT_EQ(unsignedValues.size(), 8u);
  EXPECT_EQ(signedValues.size(), 16u);
  ClearFixedRandomSeed();
}

TEST(RandomCoefficient, FollowsTheDrawsOfTheRandomSource) {
  SetRandomSeed(12);
  const int first = RandomCoefficient(3, 7, true);
  SetRandomSeed(12);
  const int value = Random(5) + 3;
  EXPECT_EQ(first, Random(2) == 0 ? -value : value);
  ClearFixedRandomSeed();
}

TEST(RandomCoefficient, EdgeArguments) {
  SetRandomSeed(2);
  EXPECT_EQ(RandomCoefficient(5, 5, false), 5);
  EXPECT_EQ(RandomCoefficient(5, 3, false), 5);  // an empty range gives low
  for (int i = 0; i < 100; ++i) {
    const int wide = RandomCoefficient(INT_MIN, INT_MAX, true);  // no overflow
    (void)wide;
    EXPECT_EQ(std::abs(RandomCoefficient(INT_MIN + 1, INT_MIN + 1, true)), INT_MAX);
  }
  ClearFixedRandomSeed();
}

TEST(RandomSubstValue, GivesExactlyItsElevenValuesEquallyOften) {
  SetRandomSeed(6);
  std::map<int, int> counts;
  constexpr int kDraws = 55000;
  for (int i = 0; i < kDraws; ++i) ++counts[RandomSubstValue()];
  const std::set<int> expected{0, 1, 2, 3, 4, -5, -6, -7, -8, -9, -10};
  std::set<int> seen;
  for (const auto& [value, count] : counts) {
    seen.insert(value);
    // 5000 expected, standard deviation about 67.
    EXPECT_GT(count, 4700) << value;
    EXPECT_LT(count, 5300) << value;
  }
  EXPECT_EQ(seen, expected);
  ClearFixedRandomSeed();
}

TEST(RandomLetterSequence, PlacesExactlyCount1Letters) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    SetRandomSeed(seed);
    for (int length = 1; length <= 9; ++length) {
      for (int count1 = 1; count1 <= length; ++count1) {
        const Text sequence = RandomLetterSequence(u'a', u'b', count1, length);
        ASSERT_EQ(sequence.size(), static_cast<std::size_t>(length));
        EXPECT_EQ(std::count(sequence.begin(), sequence.end(), u'a'), count1);
        EXPECT_EQ(std::count(sequence.begin(), sequence.end(), u'b'), length - count1);
      }
    }
  }
  ClearFixedRandomSeed();
}

TEST(RandomLetterSequence, EdgeCases) {
  SetRandomSeed(3);
  EXPECT_EQ(RandomLetterSequence(u'x', u'y', 6, 6), u"xxxxxx");
  EXPECT_EQ(RandomLetterSequence(u'x', u'x', 2, 5), u"xxxxx");
  EXPECT_EQ(RandomLetterSequence(u'x', u'y', 0, 3), u"yyy");
  // Out-of-range arguments are clamped, so the drawing ends.
  EXPECT_EQ(RandomLetterSequence(u'x', u'y', 12, 4), u"xxxx");
  EXPECT_EQ(RandomLetterSequence(u'x', u'y', 2, 0), u"");
  EXPECT_EQ(RandomLetterSequence(u'x', u'y', 2, -3), u"");
  EXPECT_EQ(RandomLetterSequence(u'x', u'y', -1, 2), u"yy");
  ClearFixedRandomSeed();
}

TEST(RandomLetterSequence, EveryArrangementEquallyLikely) {
  SetRandomSeed(9);
  std::map<Text, int> counts;
  constexpr int kDraws = 20000;
  for (int i = 0; i < kDraws; ++i) ++counts[RandomLetterSequence(u'a', u'b', 2, 5)];
  EXPECT_EQ(counts.size(), 10u);  // 5 choose 2
  for (const auto& [sequence, count] : counts) {
    // 2000 expected, standard deviation about 42.
    EXPECT_GT(count, 1800) << Utf8FromText(sequence);
    EXPECT_LT(count, 2200) << Utf8FromText(sequence);
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

#include "base/random.h"

#include <gtest/gtest.h>

#include <array>

#include "base/random_signs.h"

namespace kalkora {
namespace {

TEST(Random, StaysInRangeAndReachesEveryValue) {
  SetRandomSeed(1);
  std::array<int, 7> seen{};
  for (int i = 0; i < 7000; ++i) {
    const int value = Random(7);
    ASSERT_GE(value, 0);
    ASSERT_LT(value, 7);
    ++seen[static_cast<std::size_t>(value)];
  }
  for (int count : seen) EXPECT_GT(count, 800);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-3), 0);
  ClearFixedRandomSeed();
}

TEST(Random, AFixedSeedRepeatsTheSequenceAcrossRandomize) {
  SetRandomSeed(99);
  const int first = Random(1000000);
  Randomize();  // keeps the fixed seed
  EXPECT_EQ(Random(1000000), first);
  ClearFixedRandomSeed();
}

TEST(ScopedRandomSeed, DrawsItsOwnSequenceAndLeavesTheSourceAsItWas) {
  SetRandomSeed(5);
  const std::array<int, 3> sequence{Random(1000000), Random(1000000), Random(1000000)};
  SetRandomSeed(42);
  const int firstOf42 = Random(1000000);

  // A fixed seed in force: afterwards the source goes on where it stood, and Randomize()
  // still restarts from that seed.
  SetRandomSeed(5);
  EXPECT_EQ(Random(1000000), sequence[0]);
  {
    const ScopedRandomSeed scope(42);
    EXPECT_EQ(Random(1000000), firstOf42);
    Randomize();  // restarts from the scope's seed while it lives
    EXPECT_EQ(Random(1000000), firstOf42);
  }
  EXPECT_EQ(Random(1000000), sequence[1]);
  EXPECT_EQ(Random(1000000), sequence[2]);
  Randomize();
  EXPECT_EQ(Random(1000000), sequence[0]);

  // Clock seeding in force: it stays in force after the scope.
  ClearFixedRandomSeed();
  {
    const ScopedRandomSeed scope(42);
    EXPECT_EQ(Random(1000000), firstOf42);
  }
  int differing = 0;
  for (int round = 0; round < 5; ++round) {
    Randomize();
    differing += Random(1000000) != firstOf42 ? 1 : 0;
  }
  EXPECT_GT(differing, 0);
}

TEST(Random, ARepeatableClockGivesNewDrawsAtEveryRandomizeAndRepeatsThem) {
  const auto firstDraws = [] {
    std::array<int, 4> draws{};
    for (int& draw : draws) {
      Randomize();
      draw = Random(1000000);
    }
    return draws;
  };
  UseRepeatableClock(7);
  const std::array<int, 4> session = firstDraws();
  EXPECT_NE(session[0], session[1]);  // a window opened again shows other items
  UseRepeatableClock(7);
  EXPECT_EQ(firstDraws(), session);  // and the session repeats
  UseRepeatableClock(8);
  EXPECT_NE(firstDraws(), session);
  ClearFixedRandomSeed();
}

TEST(RandomSigns, DrawsOnlyTheRequestedSignsAndBoth) {
  SetRandomSeed(3);
  Vz.fill(u'?');
  bool plus = false;
  bool minus = false;
  for (int round = 0; round < 50; ++round) {
    DrawRandomSigns(4, u'–');
    for (int i = 1; i <= 4; ++i) {
      ASSERT_TRUE(Vz[i] == u'+' || Vz[i] == u'–');
      plus |= Vz[i] == u'+';
      minus |= Vz[i] == u'–';
    }
    for (int i = 5; i <= 9; ++i) ASSERT_EQ(Vz[i], u'?');
  }
  EXPECT_TRUE(plus && minus);
  DrawRandomSigns(20, u'-');  // clamped to the nine signs
  for (char16_t sign : Vz) EXPECT_TRUE(sign == u'+' || sign == u'-');
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

#include "practice/evaluation.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace kalkora::practice {
namespace {

TEST(Evaluation, ProzentRoundsHalvesToEven) {
  const std::vector<std::tuple<float, int, int>> cases{
      {15.0f, 15, 100}, {10.0f, 15, 67}, {0.5f, 20, 2},  // 2.5 % → 2
      {1.5f, 20, 8},                                     // 7.5 % → 8
      {0.0f, 15, 0},    {10.5f, 19, 55}, {1.0f, 0, 0},   // nothing judged: 0
  };
  for (const auto& [points, attempts, expected] : cases) {
    EXPECT_EQ(Prozent(points, attempts), expected) << points << " / " << attempts;
  }
}

TEST(Evaluation, CountUpEndsAtTheUnroundedShare) {
  const int prozent = Prozent(10.0f, 15);
  EXPECT_FLOAT_EQ(ShareAtStep(0, prozent, 10.0f, 15), 0.0f);
  EXPECT_NEAR(ShareAtStep(prozent, prozent, 10.0f, 15) * 100.0f, 66.667f, 0.001f);
  EXPECT_FLOAT_EQ(ShareAtStep(3, 0, 0.0f, 15), 0.0f);
}

TEST(Evaluation, SentenceBands) {
  const std::vector<std::pair<int, const char16_t*>> cases{
      {0, u"Du musst noch sehr viel üben!"},
      {30, u"Du musst noch sehr viel üben!"},
      {31, u"Du solltest noch viel üben!"},
      {50, u"Du solltest noch viel üben!"},
      {51, u"Nicht schlecht, aber du solltest noch etwas üben!"},
      {66, u"Du bist schon recht gut. Ein wenig Übung wäre aber günstig."},
      {75, u"Du bist schon recht gut. Ein wenig Übung wäre aber günstig."},
      {76, u"Du bist schon sehr gut, aber noch nicht Spitze!\nÜbe noch etwas weiter."},
      {91, u"Du bist schon fast perfekt!\nDu gehörst schon zu den Profis."},
      {99, u"Du bist schon fast perfekt!\nDu gehörst schon zu den Profis."},
      {100, u"Sehr gut! Du bist ein Termprofi."},
  };
  for (const auto& [prozent, sentence] : cases) {
    EXPECT_EQ(RatingSentence(prozent), sentence) << prozent;
  }
}

}  // namespace
}  // namespace kalkora::practice

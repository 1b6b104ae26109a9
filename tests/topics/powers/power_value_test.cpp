// The checker of the generator tests reads every written form the way a learner reads it.

#include "power_value.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalkora::test {
namespace {

TEST(PowerValue, EvaluatorTextOfEveryForm) {
  struct Case {
    Text text;
    std::string expected;
  };
  const std::vector<Case> cases{
      {u"24·g^1^0", "24*g^10"},
      {u"24g^10", "24*g^10"},
      {u"#g^3#·3·#g^4#", "g^3*3*g^4"},
      {u"–2f^5–g^4", "-2*f^5-g^4"},
      {u"(5·z)·(2·z)^^#2#", "(5*z)*(2*z)^2"},
      {u"z^16k^4", "z^16*k^4"},
      {u"4·y^4 – {2·y^4 – [3·y^2 + (2·y + 1)]}", "4*y^4-(2*y^4-(3*y^2+(2*y+1)))"},
      {u"(–4·#c#)^_2_", "(-4*c)^2"},
      {u"§n^6§·$o^1^2$", "n^6*o^12"},
  };
  for (const Case& c : cases) EXPECT_EQ(EvaluatorText(c.text), c.expected) << c.expected;
}

TEST(PowerValue, ValuesAtChosenLetters) {
  const std::map<char16_t, double> values{{u'g', 2.0}, {u'k', 0.5}};
  EXPECT_DOUBLE_EQ(*PowerValue(u"24g^10", values), 24.0 * 1024.0);
  EXPECT_DOUBLE_EQ(*PowerValue(u"3·g^2 – (2·g)^2", values), -4.0);
  EXPECT_DOUBLE_EQ(*PowerValue(u"g^2k^1^0", values), 4.0 / 1024.0);
  EXPECT_FALSE(PowerValue(u"3·h", values).has_value());  // h has no value
  EXPECT_FALSE(PowerValue(u"3·(g", values).has_value());
}

TEST(PowerValue, NearlyEqualIsRelative) {
  EXPECT_TRUE(NearlyEqual(1e12, 1e12 + 1.0));
  EXPECT_FALSE(NearlyEqual(1.0, 1.001));
  EXPECT_TRUE(NearlyEqual(0.0, 1e-12));
}

}  // namespace
}  // namespace kalkora::test

// The text building blocks of the power generators.

#include "topics/powers/power_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalkora::powers {
namespace {

TEST(PowerText, ExponentsAndPowers) {
  EXPECT_EQ(ExponentMarkup(7), u"7");
  EXPECT_EQ(ExponentMarkup(12), u"1^2");
  EXPECT_EQ(ExponentMarkup(56), u"5^6");
  EXPECT_EQ(PowerMarkup(u'x', 1), u"x");
  EXPECT_EQ(PowerMarkup(u'x', 3), u"x^3");
  EXPECT_EQ(PowerMarkup(u'g', 10), u"g^1^0");
}

TEST(PowerText, DisplayFormAndAnswer) {
  EXPECT_EQ(DisplayForm(u"#z^2#·_b^4_ / ~u~·$v$·§w§"), u"z^2·b^4 / u·v·w");
  EXPECT_EQ(AnswerForm(u"24·g^1^0"), u"24g^10");
  EXPECT_EQ(AnswerForm(u"–2·f^5 – g^4"), u"–2f^5–g^4");
  EXPECT_EQ(AnswerForm(u"m^1^2·d^4"), u"m^12d^4");
}

TEST(PowerText, CoefficientsAndJoints) {
  EXPECT_EQ(CoefficientTimes(1, u"#x#"), u"#x#");
  EXPECT_EQ(CoefficientTimes(3, u"#x#"), u"3·#x#");
  EXPECT_EQ(SignJoint(u'+'), u" + ");
  EXPECT_EQ(SignJoint(u'–'), u" – ");
  EXPECT_EQ(JoinFactors({u"2", u"a", u"b^2"}), u"2·a·b^2");
  EXPECT_EQ(JoinFactors({}), u"");
}

TEST(PowerText, CollectedSums) {
  struct Case {
    std::vector<Summand> summands;
    Text expected;
  };
  const std::vector<Case> cases{
      {{{9, u"h^3"}, {-11, u"h^2"}, {-7, u"h"}, {13, u""}}, u"9·h^3 – 11·h^2 – 7·h + 13"},
      {{{-6, u"p^3"}, {-3, u"p^2"}, {-1, u"p"}, {4, u""}}, u"–6·p^3 – 3·p^2 – p + 4"},
      {{{0, u"p^3"}, {-3, u"p^2"}, {1, u"p"}, {-1, u""}}, u"–3·p^2 + p – 1"},
      {{{1, u"#f^5#"}, {0, u"_g^4_"}}, u"#f^5#"},
      {{{0, u"#f^5#"}, {-1, u"_g^4_"}}, u"–_g^4_"},
      {{{11, u"x"}, {1, u""}}, u"11·x + 1"},
      {{{0, u"x^2"}, {0, u"x"}, {0, u""}}, u"0"},
      {{}, u"0"},
  };
  for (const Case& c : cases) EXPECT_EQ(CollectedSum(c.summands), c.expected);
}

}  // namespace
}  // namespace kalkora::powers

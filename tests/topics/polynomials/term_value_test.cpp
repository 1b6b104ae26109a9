// The checking evaluator of the generator tests must itself be right.

#include "term_value.h"

#include <gtest/gtest.h>

namespace kalkora::test {
namespace {

struct Case {
  const char16_t* text;
  std::optional<std::int64_t> value;
};

TEST(TermValueTest, ValuesAtXTwoYMinusThree) {
  const std::map<char16_t, std::int64_t> values{{u'x', 2}, {u'y', -3}};
  const Case cases[] = {
      {u"21xy+42x–56y", -126 + 84 + 168},
      {u"21·x·y + 42·x – 56·y", 126},
      {u"–x^2", -4},
      {u"-2x^3", -16},
      {u"(x+3)^2", 25},
      {u"(x+3)(x–3)", -5},
      {u"5(7x–y)(9y+7x)", 17 * 5 * -13},
      {u"–(x–y)", -5},
      {u"x^10", 1024},
      {u"2·x^2 – 3·x·y + y^2", 8 + 18 + 9},
      {u"(–9 – 4·x)·(–2 – 5·x)", 17 * 12},
      {u"x +", std::nullopt},
      {u"(x", std::nullopt},
      {u"z", std::nullopt},
      {u"x^", std::nullopt},
      {u"x·/y", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.text));
    EXPECT_EQ(TermValue(c.text, values), c.value);
  }
}

TEST(TermValueTest, OverflowGivesNoValue) {
  const std::map<char16_t, std::int64_t> values{{u'x', 1000000}};
  EXPECT_EQ(TermValue(u"x^3", values), 1000000000000000000LL);
  EXPECT_FALSE(TermValue(u"x^4", values).has_value());
  EXPECT_FALSE(TermValue(u"x·x·x·x", values).has_value());
  EXPECT_FALSE(TermValue(u"9000000000000000000 + 9000000000000000000", values).has_value());
}

}  // namespace
}  // namespace kalkora::test

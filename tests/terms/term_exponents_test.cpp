#include "terms/term_exponents.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"

namespace kalkora {
namespace {

using TextPair = std::pair<Text, Text>;

TEST(SplitExponentDigits, Table) {
  const std::vector<TextPair> cases{
      {u"x^12*y^3", u"x^1^2*y^3"},
      {u"x^", u"x"},
      {u"x^123", u"x^1^23"},  // only the first two digits
      {u"x^2", u"x^2"},
      {u"x^10 + y^11", u"x^1^0 + y^1^1"},
      {u"x^1^2", u"x^1^2"},  // already split
      {u"x^12^", u"x^1^2"},
      {u"a^b^", u"a^b"},
      {u"^^", u"^"},
      {u"x", u"x"},
      {u"", u""},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(SplitExponentDigits(text), expected) << Utf8FromText(text);
  }
}

TEST(JoinExponentDigits, Table) {
  const std::vector<TextPair> cases{
      {u"x^1^2*y^3", u"x^12*y^3"},
      {u"x^1^2 + y^3", u"x^12 + y^3"},
      {u"x^1^0 + y^1^1", u"x^10 + y^11"},
      // The digits are tried in the order 0 … 9: "^1^" is joined before "^2^", although
      // "^2^" stands further left.
      {u"^2^1^", u"^21"},
      {u"^1^2^", u"^12^"},
      {u"x^2", u"x^2"},
      {u"x^a^2", u"x^a^2"},
      {u"", u""},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(JoinExponentDigits(text), expected) << Utf8FromText(text);
  }
}

TEST(TwoDigitExponentMarkup, Table) {
  const std::vector<TextPair> cases{
      {u"7", u"7"}, {u"10", u"1^0"}, {u"12", u"1^2"}, {u"123", u"123"}, {u"", u""},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(TwoDigitExponentMarkup(text), expected) << Utf8FromText(text);
  }
}

TEST(DropExponentOne, Table) {
  const std::vector<TextPair> cases{
      {u"x^1·y^2", u"x·y^2"},
      {u"x^1", u"x"},
      {u"a^1 + b^1", u"a + b"},
      {u"(x – 1)^1", u"(x – 1)"},
      {u"x^2", u"x^2"},
      {u"x^12", u"x^12"},    // exponent 12 stays
      {u"x^1^0", u"x^1^0"},  // exponent 10 in markup stays
      {u"", u""},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(DropExponentOne(text), expected) << Utf8FromText(text);
  }
}

// Products of powers with exponents 1 … 99 survive the way to markup and back.
TEST(ExponentDigits, SplitThenJoinGivesTheInternalFormBack) {
  SetRandomSeed(5);
  for (int round = 0; round < 2000; ++round) {
    Text term;
    const int factors = Random(4) + 1;
    for (int i = 0; i < factors; ++i) {
      if (i > 0) term += u"*";
      term += static_cast<char16_t>(u'a' + Random(26));
      term.append(u"^").append(IntText(Random(99) + 1));
    }
    const Text markup = SplitExponentDigits(term);
    // In markup every "^" raises exactly one digit.
    for (std::size_t i = 0; i < markup.size(); ++i) {
      if (markup[i] != u'^') continue;
      ASSERT_LT(i + 1, markup.size());
      EXPECT_TRUE(markup[i + 1] >= u'0' && markup[i + 1] <= u'9') << Utf8FromText(markup);
      if (i + 2 < markup.size()) {
        EXPECT_FALSE(markup[i + 2] >= u'0' && markup[i + 2] <= u'9') << Utf8FromText(markup);
      }
    }
    EXPECT_EQ(JoinExponentDigits(markup), term) << Utf8FromText(term);
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

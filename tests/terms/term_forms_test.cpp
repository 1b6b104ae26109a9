#include "terms/term_forms.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "base/random.h"
#include "base/text.h"

namespace kalkora {
namespace {

using TextPair = std::pair<Text, Text>;

TEST(ToDisplayForm, Table) {
  const std::vector<TextPair> cases{
      {u"-3*x + -5", u"–3·x + –5"},
      {u"4*(2 - b)", u"4·(2 – b)"},
      {u"3*#(-2)# + 5", u"3·#(–2)# + 5"},
      {u"x^12 + 7", u"x^12 + 7"},
      {u"", u""},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ToDisplayForm(text), expected) << Utf8FromText(text);
  }
  EXPECT_EQ(ToDisplayForm(MergeSignPairs(u"-3*x + -5")), u"–3·x – 5");
}

TEST(SignToDisplay, Table) {
  EXPECT_EQ(SignToDisplay(u'+'), u'+');
  EXPECT_EQ(SignToDisplay(u'-'), u'–');
  EXPECT_EQ(SignToDisplay(u'–'), char16_t{0});
  EXPECT_EQ(SignToDisplay(u'x'), char16_t{0});
}

TEST(MergeSignPairs, Table) {
  const std::vector<TextPair> cases{
      {u"a - -b + -c", u"a + b - c"},
      {u"3*x + -5", u"3*x - 5"},
      {u"3 - -5", u"3 + 5"},
      {u"3 - +5", u"3 - 5"},
      {u"3 + +5", u"3 + 5"},
      {u"3 + -5 - -2 + +1 - +4", u"3 - 5 + 2 + 1 - 4"},
      // The passes run in order: "+ -" first, so "- + -" ends as a plus.
      {u"a - + -b", u"a +  b"},
      {u"+ -", u"- "},
      {u"a + b", u"a + b"},
      {u"a+-b", u"a+-b"},  // pairs without blanks are left alone
      {u"- --", u"+ -"},   // the "- -" pass comes after the "+ -" pass
      {u"", u""},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(MergeSignPairs(text), expected) << Utf8FromText(text);
  }
}

TEST(MergeSignPairsTight, Table) {
  const std::vector<TextPair> cases{
      {u"a+-b", u"a-b"},
      {u"a-+b", u"a-b"},
      {u"a--b", u"a+b"},
      {u"a++b", u"a+b"},
      {u"a+-+-b", u"a+b"},
      {u"a - -b", u"a - -b"},
      {u"", u""},
      {u"----", u"+"},
      // Each pattern has its own pass, in order: "--" after the "+-" pass leaves "+-".
      {u"a---b", u"a+-b"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(MergeSignPairsTight(text), expected) << Utf8FromText(text);
  }
}

// The text never grows, and the patterns of the last two passes are gone (a later pass can
// form a pattern of an earlier one again: "- --" becomes "+ -").
TEST(MergeSignPairs, LeavesNoPairOfTheLastPassesOnRandomTexts) {
  SetRandomSeed(11);
  constexpr std::array<char16_t, 5> kAlphabet{u'+', u'-', u' ', u'a', u'-'};
  for (int round = 0; round < 3000; ++round) {
    Text text;
    const int length = Random(25);
    for (int i = 0; i < length; ++i) text.push_back(kAlphabet[Random(5)]);
    const Text merged = MergeSignPairs(text);
    EXPECT_LE(merged.size(), text.size());
    for (TextView pair : {u"- -", u"+ +"}) {
      EXPECT_EQ(merged.find(pair), Text::npos) << Utf8FromText(text);
    }
    const Text tight = MergeSignPairsTight(text);
    for (TextView pair : {u"--", u"++"}) {
      EXPECT_EQ(tight.find(pair), Text::npos) << Utf8FromText(text);
    }
  }
  ClearFixedRandomSeed();
}

// The sign an internal-form sum gets after merging agrees with the product of its signs.
TEST(MergeSignPairs, MergedSignIsTheSignProduct) {
  for (char16_t outer : {u'+', u'-'}) {
    for (char16_t inner : {u'+', u'-'}) {
      const Text text = Text{u"a "} + outer + u" " + inner + u"b";
      const Text merged = MergeSignPairs(text);
      ASSERT_EQ(merged.substr(0, 4), Text{u"a "} + SignProduct(outer, inner) + u" ")
          << Utf8FromText(text);
    }
  }
}

TEST(DropUnitCoefficient, Table) {
  const std::vector<TextPair> cases{
      {u"1·a – 1·b", u"a – b"},
      {u"11·a + 1·b", u"11·a + 1·b"},  // "11·" protects the whole text
      {u"1·x + 3·y", u"x + 3·y"},
      {u"1·x + 21·y", u"1·x + 21·y"},
      {u"1·x + 91·y", u"1·x + 91·y"},
      {u"101·x", u"101·x"},  // the 1 of 101 is no coefficient
      {u"1·a + 201·b", u"1·a + 201·b"},
      {u"1·1·x", u"x"},
      {u"3·x", u"3·x"},
      {u"(1·x + 1)", u"(x + 1)"},
      {u"", u""},
  };
  for (auto [text, expected] : cases) {
    const Text original = text;
    DropUnitCoefficient(text);
    EXPECT_EQ(text, expected) << Utf8FromText(original);
  }
}

TEST(SignedSummandText, Table) {
  const std::vector<TextPair> cases{
      {u"-7", u" – 7"}, {u"7", u" + 7"}, {u"-12", u" – 12"},
      {u"0", u" + 0"},  {u"", u" + "},   {u"-", u" – "},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(SignedSummandText(text), expected) << Utf8FromText(text);
  }
}

TEST(SignProduct, Table) {
  EXPECT_EQ(SignProduct(u'-', u'-'), u'+');
  EXPECT_EQ(SignProduct(u'+', u'-'), u'-');
  EXPECT_EQ(SignProduct(u'-', u'+'), u'-');
  EXPECT_EQ(SignProduct(u'+', u'+'), u'+');
  EXPECT_EQ(SignProduct(u'+', u'x'), char16_t{0});
  EXPECT_EQ(SignProduct(u'–', u'-'), char16_t{0});
}

TEST(Spaces, Table) {
  EXPECT_EQ(Spaces(3), u"   ");
  EXPECT_EQ(Spaces(1), u" ");
  EXPECT_EQ(Spaces(0), u"");
  EXPECT_EQ(Spaces(-2), u"");
}

}  // namespace
}  // namespace kalkora

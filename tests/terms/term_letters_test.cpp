#include "terms/term_letters.h"

#include <gtest/gtest.h>

#include <array>

#include "base/random.h"
#include "terms/term_forms.h"

namespace kalkora {
namespace {

TEST(SubstituteLetter, Table) {
  EXPECT_EQ(SubstituteLetter(u"3*x + 5", u'x', -2), u"3*-2 + 5");  // no parentheses
  EXPECT_EQ(SubstituteLetter(u"3*x + 5", u'x', 4), u"3*4 + 5");
  EXPECT_EQ(SubstituteLetter(u"x*x - x", u'x', 10), u"10*10 - 10");
  EXPECT_EQ(SubstituteLetter(u"3*a", u'x', 1), u"3*a");
  EXPECT_EQ(SubstituteLetter(u"", u'x', 1), u"");
}

TEST(SubstituteLetters, SubstituteInTheOrderOfTheLetters) {
  EXPECT_EQ(SubstituteLetters(u"2*a - b", u'a', u'b', 0, 1), u"2*0 - 1");
  // letter2 is substituted after letter1, so it also meets the digits written for letter1.
  EXPECT_EQ(SubstituteLetters(u"a + b", u'a', u'1', 1, 7), u"7 + b");
  EXPECT_EQ(SubstituteLetters3(u"a*b*c", u'a', u'b', u'c', 2, -3, 4), u"2*-3*4");
}

TEST(SubstituteMarked, Table) {
  EXPECT_EQ(SubstituteMarked(u"3·x + 5", u'x', -2), u"3·#(-2)# + 5");
  EXPECT_EQ(ToDisplayForm(SubstituteMarked(u"3·x + 5", u'x', -2)), u"3·#(–2)# + 5");
  EXPECT_EQ(SubstituteMarked(u"3·x + 5", u'x', 4), u"3·#4# + 5");
  EXPECT_EQ(SubstituteMarked(u"x^2", u'x', 0), u"#0#^2");
  EXPECT_EQ(SubstituteMarked(u"x – x", u'x', -10), u"#(-10)# – #(-10)#");
  EXPECT_EQ(SubstituteMarked2(u"2·a – b", u'a', u'b', 3, -1), u"2·#3# – #(-1)#");
}

TEST(SubstituteTermMarked, EveryXWithoutParentheses) {
  EXPECT_EQ(SubstituteTermMarked(u"2·x + x^2", u"(–3)"), u"2·#(–3)# + #(–3)#^2");
  EXPECT_EQ(SubstituteTermMarked(u"2·y", u"5"), u"2·y");
}

TEST(MarkLetters, Table) {
  EXPECT_EQ(MarkLetters(u"3·a – 2·b + a", u'a', u'b'), u"3·#a# – 2·_b_ + #a#");
  EXPECT_EQ(MarkLetters(u"3·c", u'a', u'b'), u"3·c");
  EXPECT_EQ(MarkLetters(u"a·a", u'a', u'a'), u"#a#·#a#");  // letter1 is tested first
}

TEST(SwapLetters, Table) {
  EXPECT_EQ(SwapLetters(u"a + b - b + a - a", u'a', u'b', u'5', u'3'), u"5 + 3 - 3 + 5 - 5");
  // A character changed to letter2 is tested against letter2 as well.
  EXPECT_EQ(SwapLetters(u"ab", u'a', u'b', u'b', u'c'), u"cc");
  // A character that letter2 turns into letter1 is not changed again.
  EXPECT_EQ(SwapLetters(u"ab", u'a', u'b', u'x', u'a'), u"xa");
}

TEST(RandomLetter, NeverLAndEveryOtherLetterEquallyOften) {
  std::array<int, 26> counts{};
  constexpr int kDraws = 50000;
  for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
    SetRandomSeed(seed);
    for (int i = 0; i < kDraws / 5; ++i) {
      const char16_t letter = RandomLetter();
      ASSERT_GE(letter, u'a');
      ASSERT_LE(letter, u'z');
      ASSERT_NE(letter, u'l');
      ++counts[static_cast<std::size_t>(letter - u'a')];
    }
  }
  // 2000 expected per letter, standard deviation about 44.
  for (std::size_t i = 0; i < counts.size(); ++i) {
    if (i == static_cast<std::size_t>(u'l' - u'a')) {
      EXPECT_EQ(counts[i], 0);
    } else {
      EXPECT_GT(counts[i], 1750) << static_cast<char>('a' + i);
      EXPECT_LT(counts[i], 2250) << static_cast<char>('a' + i);
    }
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

#include "base/shared_functions.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

namespace kalkora {
namespace {

TEST(Gcd, Table) {
  const std::vector<std::tuple<int, int, int>> cases{
      {12, 18, 6},       {-12, 18, 6},
      {5, 0, 1},         {0, 7, 7},
      {0, 0, 1},         {18, 12, 6},
      {7, 13, 1},        {1, 1, 1},
      {-7, 7, 7},        {12, -18, -6},
      {36, 24, 12},      {INT_MIN, 2, 2},
      {INT_MIN, -1, -1}, {INT_MAX, INT_MAX, INT_MAX}};
  for (const auto& [a, b, expected] : cases) {
    EXPECT_EQ(Gcd(a, b), expected) << "Gcd(" << a << ", " << b << ")";
  }
}

TEST(Gcd, ThreeArguments) {
  EXPECT_EQ(Gcd3(12, 18, 8), 2);
  EXPECT_EQ(Gcd3(0, 0, 9), 1);  // Gcd(0, 0) is 1
}

TEST(Lcm, Table) {
  const std::vector<std::tuple<int, int, int>> cases{{4, 6, 12}, {6, 4, 12},   {0, 5, 0}, {5, 0, 0},
                                                     {7, 7, 7},  {-4, 6, -12}, {1, 9, 9}};
  for (const auto& [a, b, expected] : cases) {
    EXPECT_EQ(Lcm(a, b), expected) << "Lcm(" << a << ", " << b << ")";
  }
  EXPECT_EQ(Lcm3(2, 3, 4), 12);
  EXPECT_EQ(Lcm3(6, 10, 15), 30);
}

TEST(Sort, ExchangeSortsTheFirstNPlusOneEntries) {
  std::vector<int> ints{5, 3, 9, 1, 0};
  SortInts(ints, 3);
  EXPECT_EQ(ints, (std::vector<int>{1, 3, 5, 9, 0}));
  std::vector<double> reals{2.5, -1.0, 2.0};
  SortReals(reals, 2);
  EXPECT_EQ(reals, (std::vector<double>{-1.0, 2.0, 2.5}));
  std::vector<int> small{2, 1};
  SortInts(small, 10);  // n past the end is clamped
  EXPECT_EQ(small, (std::vector<int>{1, 2}));
  std::vector<int> empty;
  SortInts(empty, 3);
  EXPECT_TRUE(empty.empty());
}

TEST(MinMax, Table) {
  EXPECT_EQ(Min3(3, -1, 2), -1);
  EXPECT_EQ(Max3(3, -1, 7), 7);
  EXPECT_EQ(Max2(-4, -9), -4);
}

TEST(FlipSign, Table) {
  EXPECT_EQ(FlipSign(u'+'), u'-');
  EXPECT_EQ(FlipSign(u'-'), u'+');
  EXPECT_EQ(FlipSign(u'–'), char16_t{0});
  EXPECT_EQ(FlipSign(u'x'), char16_t{0});
}

TEST(TextFunctions, Table) {
  EXPECT_EQ(DeleteLastChar(u"abc"), u"ab");
  EXPECT_EQ(DeleteLastChar(u""), u"");
  EXPECT_EQ(RemoveChar(u"a·b·c", u'·'), u"abc");
  EXPECT_EQ(RemoveSpaces(u" 3 x - 2 "), u"3x-2");
  EXPECT_EQ(ReplaceChar(u"a-b-c", u'-', u'–'), u"a–b–c");
}

TEST(CollapseDoubleSpace, OnlyTheFirstPairIsReduced) {
  EXPECT_EQ(CollapseDoubleSpace(u"a  +  b"), u"a +  b");
  EXPECT_EQ(CollapseDoubleSpace(u"a + b"), u"a + b");
  EXPECT_EQ(CollapseDoubleSpace(u"   "), u"  ");
  EXPECT_EQ(CollapseDoubleSpace(u""), u"");
}

TEST(NormaliseInput, DisplayFormBecomesInternalForm) {
  EXPECT_EQ(NormaliseInput(u"3 · x – 2"), u"3*x-2");
  EXPECT_EQ(NormaliseInput(u"–4·a^2 + 1"), u"-4*a^2+1");
  EXPECT_EQ(NormaliseInput(u""), u"");
}

TEST(IntText, Table) {
  EXPECT_EQ(IntText(0), u"0");
  EXPECT_EQ(IntText(-17), u"-17");
  EXPECT_EQ(IntText(INT_MIN), u"-2147483648");
}

TEST(TextInt, NumbersAndNonNumbers) {
  EXPECT_EQ(TextInt(u"42"), 42);
  EXPECT_EQ(TextInt(u"-7"), -7);
  EXPECT_EQ(TextInt(u"+7"), 7);
  EXPECT_EQ(TextInt(u"2147483647"), INT_MAX);
  EXPECT_EQ(TextInt(u"-2147483648"), INT_MIN);
  for (const char16_t* bad : {u"", u"-", u"+", u"x", u"12a", u" 1", u"1 ", u"–3", u"2147483648",
                              u"-2147483649", u"99999999999999999999"}) {
    EXPECT_FALSE(TextInt(bad).has_value()) << "should not be a number";
  }
}

}  // namespace
}  // namespace kalkora

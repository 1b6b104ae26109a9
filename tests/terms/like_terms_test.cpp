#include "terms/like_terms.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/term_forms.h"

namespace kalkora {
namespace {

TEST(ReadCoefficients, Table) {
  struct Case {
    Text term;
    char16_t letter1;
    char16_t letter2;
    Text coef1;
    Text coef2;
    Text constant;
  };
  const std::vector<Case> cases{
      {u"3*a - (2*a - 5*b) + 4", u'a', u'b', u"1", u"5", u"4"},
      {u"a + b - b + a - a", u'a', u'b', u"1", u"0", u"0"},
      {u"4*a - 7*b + 2*a - 3*b", u'a', u'b', u"6", u"-10", u"0"},
      {u"3*a - (-2*b - 5*a)", u'a', u'b', u"8", u"2", u"0"},
      {u"2*x - (3*x + 4*x)", u'x', u'x', u"-5", u"0", u"0"},  // one letter: coef2 is 0
      {u"-7", u'a', u'b', u"0", u"0", u"-7"},
  };
  for (const Case& c : cases) {
    const Coefficients coefficients = ReadCoefficients(c.term, c.letter1, c.letter2);
    EXPECT_EQ(coefficients.coef1, c.coef1) << Utf8FromText(c.term);
    EXPECT_EQ(coefficients.coef2, c.coef2) << Utf8FromText(c.term);
    EXPECT_EQ(coefficients.constant, c.constant) << Utf8FromText(c.term);
  }
}

TEST(ReadCoefficients, ATermWithoutValueGivesEmptyTexts) {
  const Coefficients coefficients = ReadCoefficients(u"3*a + c", u'a', u'b');
  EXPECT_EQ(coefficients.coef1, u"");
  EXPECT_EQ(coefficients.coef2, u"");
  EXPECT_EQ(coefficients.constant, u"");
}

// Random linear terms written like the like-term generators write them: the coefficients read
// back equal the sums of the signed coefficients.
TEST(ReadCoefficients, AgreesWithTheSumOfTheCoefficients) {
  SetRandomSeed(31);
  for (int round = 0; round < 1500; ++round) {
    int sum1 = 0;
    int sum2 = 0;
    int constant = 0;
    Text term;
    const int summands = Random(5) + 1;
    for (int i = 0; i < summands; ++i) {
      const int k = Random(8) + 2;
      const int kind = Random(3);  // 0 letter a, 1 letter b, 2 constant
      const bool minus = i > 0 && Random(2) == 0;
      const int signedK = minus ? -k : k;
      const Text factor = kind == 0 ? Text{u"*a"} : kind == 1 ? Text{u"*b"} : Text{};
      if (i > 0) term += minus ? u" - " : u" + ";
      if (Random(3) == 0) {
        // A parenthesis with two summands; the sign before it applies to both.
        const int inner = Random(8) + 2;
        const bool innerMinus = Random(2) == 0;
        term.append(u"(").append(IntText(k)).append(factor);
        term.append(innerMinus ? u" - " : u" + ").append(IntText(inner)).append(u"*b)");
        sum2 += (minus ? -1 : 1) * (innerMinus ? -inner : inner);
      } else {
        term += IntText(k) + factor;
      }
      (kind == 0 ? sum1 : kind == 1 ? sum2 : constant) += signedK;
    }
    const Coefficients coefficients = ReadCoefficients(term, u'a', u'b');
    EXPECT_EQ(coefficients.coef1, IntText(sum1)) << Utf8FromText(term);
    EXPECT_EQ(coefficients.coef2, IntText(sum2)) << Utf8FromText(term);
    EXPECT_EQ(coefficients.constant, IntText(constant)) << Utf8FromText(term);
  }
  ClearFixedRandomSeed();
}

TEST(LikeTermSolution, OneLetterTable) {
  EXPECT_EQ(LikeTermSolution(0, 5, u'a', u'b', true), u"0");
  EXPECT_EQ(LikeTermSolution(1, 5, u'a', u'b', true), u"#a#");
  EXPECT_EQ(LikeTermSolution(-1, 5, u'a', u'b', true), u"–#a#");
  EXPECT_EQ(LikeTermSolution(3, 5, u'a', u'b', true), u"3·#a#");
  EXPECT_EQ(LikeTermSolution(-12, 5, u'a', u'b', true), u"–12·#a#");
}

TEST(LikeTermSolution, TwoLetterTable) {
  EXPECT_EQ(LikeTermSolution(0, 0, u'a', u'b', false), u"0");
  EXPECT_EQ(LikeTermSolution(0, -3, u'a', u'b', false), u"–3·_b_");
  EXPECT_EQ(LikeTermSolution(0, 1, u'a', u'b', false), u"1·_b_");
  EXPECT_EQ(LikeTermSolution(2, 0, u'a', u'b', false), u"2·#a#");
  EXPECT_EQ(LikeTermSolution(1, -1, u'a', u'b', false), u"1·#a# – 1·_b_");
  EXPECT_EQ(LikeTermSolution(3, -2, u'a', u'b', false), u"3·#a# – 2·_b_");
  EXPECT_EQ(LikeTermSolution(-4, 5, u'x', u'y', false), u"–4·#x# + 5·_y_");
  EXPECT_EQ(LikeTermSolution(8, 2, u'a', u'b', false), u"8·#a# + 2·_b_");
}

TEST(LikeTermSolution, MergingAndDisplayFormAgainChangeNothing) {
  for (int coef1 = -3; coef1 <= 3; ++coef1) {
    for (int coef2 = -3; coef2 <= 3; ++coef2) {
      for (bool oneLetter : {true, false}) {
        const Text solution = LikeTermSolution(coef1, coef2, u'a', u'b', oneLetter);
        EXPECT_EQ(ToDisplayForm(MergeSignPairs(solution)), solution);
      }
    }
  }
}

TEST(CleanSolution, Table) {
  struct Case {
    Text marked;
    Text shown;
    Text answer;
  };
  const std::vector<Case> cases{
      {u"1·#a# – 1·_b_", u"a – b", u"a–b"},
      {u"–1·#x#", u"–x", u"–x"},
      {u"12·#a# + 3·_c_", u"12·a + 3·c", u"12a+3c"},
      {u"0", u"0", u"0"},
      {u"11·#a# + 1·_b_", u"11·a + b", u"11a+b"},
      {u"–11·#a#", u"–11·a", u"–11a"},
      {u"#a#", u"a", u"a"},
      {u"–#a#", u"–a", u"–a"},
      {u"8·#a# + 2·_b_", u"8·a + 2·b", u"8a+2b"},
      {u"–3·_b_", u"–3·b", u"–3b"},
  };
  for (const Case& c : cases) {
    const CleanedSolution cleaned = CleanSolution(c.marked);
    EXPECT_EQ(cleaned.shown, c.shown) << Utf8FromText(c.marked);
    EXPECT_EQ(cleaned.answer, c.answer) << Utf8FromText(c.marked);
  }
}

// The whole way from coefficients to the expected answer, checked against an answer written
// directly from the coefficients.
TEST(CleanSolution, AnswerOfEveryCoefficientPair) {
  const auto term = [](int coefficient, char16_t letter) {
    if (coefficient == 1) return Text{letter};
    if (coefficient == -1) return Text{u'–', letter};
    Text text = IntText(coefficient) + letter;
    if (coefficient < 0) text[0] = u'–';
    return text;
  };
  for (int coef1 = -12; coef1 <= 12; ++coef1) {
    for (int coef2 = -12; coef2 <= 12; ++coef2) {
      Text expected;
      if (coef1 == 0 && coef2 == 0) {
        expected = u"0";
      } else if (coef1 == 0) {
        expected = term(coef2, u'b');
      } else if (coef2 == 0) {
        expected = term(coef1, u'a');
      } else {
        const Text second = term(coef2, u'b');
        expected = term(coef1, u'a') + (second[0] == u'–' ? second : u"+" + second);
      }
      const Text marked = LikeTermSolution(coef1, coef2, u'a', u'b', false);
      EXPECT_EQ(CleanSolution(marked).answer, expected) << coef1 << ", " << coef2;
    }
  }
}

}  // namespace
}  // namespace kalkora

#include <gtest/gtest.h>

#include "topics/fractions/answer_rules.h"
#include "topics/fractions/finishing_steps.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

TEST(FinishingSteps, TaskTexts) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"3·x^1 - 4", u"3·x – 4"},
      {u"x^1·y^12 - x^10", u"x·y^12 – x^10"},
      {u"(x - 1)^2", u"(x – 1)^2"},
      {u"1·x", u"1·x"},  // tasks keep their coefficients
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(FinishedTaskText(text), expected);
}

TEST(FinishingSteps, UnitCoefficientsEverywhereButInLongerNumbers) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"1·x^3 + 5/21·x", u"x^3 + 5/21·x"},
      {u"11·x + 1·y", u"11·x + y"},
      {u"1·(x + 3)/1·(x – 3)", u"(x + 3)/(x – 3)"},
      {u"–1·x + 101·y – 1·z", u"–x + 101·y – z"},
      {u"1·x·(1·x^2 + 1)", u"x·(x^2 + 1)"},
      {u"x^1·y", u"x^1·y"},  // an exponent is no coefficient
      {u"1/x", u"1/x"},
      {u"x/1", u"x/1"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(WithoutUnitCoefficients(text), expected);
}

TEST(FinishingSteps, SolutionAndAnswer) {
  TBruchM item;
  item.Loesung = u" + 1·x^1 - 12·y";
  FinishSolution(item);
  EXPECT_EQ(item.Loesung, u" x – 12·y");  // one leading blank, then the "+", go
  item.Loesung = u"1·x^2·y/21·z";
  FinishSolution(item);
  EXPECT_EQ(item.Loesung, u"x^2·y/21·z");
  EXPECT_EQ(item.Antwort, u"x^2y/21z");
  item.Loesung = u"3·(a - 2)/1";
  FinishSolution(item);
  EXPECT_EQ(item.Loesung, u"3·(a – 2)/1");
  EXPECT_EQ(item.Antwort, u"3(a–2)/1");
}

TEST(AnswerRules, OneField) {
  EXPECT_TRUE(IsRightOneFieldAnswer(u"60x^5y^7", u"60·x^5·y^7"));
  EXPECT_TRUE(IsRightOneFieldAnswer(u"4y–25x+5o", u"4·y – 25·x + 5·o"));
  EXPECT_FALSE(IsRightOneFieldAnswer(u"4y-25x+5o", u"4·y – 25·x + 5·o"));
  EXPECT_FALSE(IsRightOneFieldAnswer(u"60·x^5·y^7", u"60·x^5·y^7"));
  EXPECT_FALSE(IsRightOneFieldAnswer(u"60X^5y^7", u"60·x^5·y^7"));
  EXPECT_FALSE(IsRightOneFieldAnswer(u"", u"60·x^5·y^7"));
  EXPECT_EQ(ExpectedOneFieldText(u"12·(3·x + 2)"), u"12(3x+2)");
}

TEST(AnswerRules, DomainValuesInEitherOrder) {
  struct Case {
    const char16_t* typed;
    const char16_t* loesung;
    bool right;
  };
  const Case cases[] = {
      {u"0,–1", u"0,–1", true},     {u"–1,0", u"0,–1", true},
      {u"–3,7", u"–3,7", true},     {u"7,–3", u"–3,7", true},
      {u"7,3", u"–3,7", false},     {u"–3,7,", u"–3,7", false},
      {u"–5/3", u"–5/3", true},     {u"5/–3", u"–5/3", false},
      {u"–5y/3", u"–5y/3", true},   {u"–5·y/3", u"–5y/3", true},
      {u"0", u"0", true},           {u"0,0", u"0", false},
      {u"3,–1/2", u"–1/2,3", true}, {u"–1/2 ,3", u"–1/2,3", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsRightDomainAnswer(c.typed, c.loesung), c.right)
        << Utf8FromText(c.typed) << " / " << Utf8FromText(c.loesung);
  }
}

TEST(AnswerRules, FractionInTwoFields) {
  EXPECT_TRUE(IsRightFractionAnswer(u"x^3", u"1", u"x^3/1"));
  EXPECT_FALSE(IsRightFractionAnswer(u"x^3", u"", u"x^3/1"));
  EXPECT_TRUE(IsRightFractionAnswer(u"3(x–1)", u"5", u"3(x–1)/5"));
  EXPECT_FALSE(IsRightFractionAnswer(u"5", u"3(x–1)", u"3(x–1)/5"));
  EXPECT_FALSE(IsRightFractionAnswer(u"3(x–1)/5", u"", u"3(x–1)/5"));
}

TEST(FractionRecord, TextSlotsRunFromZeroToSixteen) {
  TBruchM item;
  item.Text[0] = u"null";
  item.Text[16] = u"sechzehn";
  EXPECT_EQ(item.Text[0], u"null");
  EXPECT_EQ(item.Text[16], u"sechzehn");
  EXPECT_DEATH(static_cast<void>(item.Text[17]), "TextSlots");
}

}  // namespace
}  // namespace kalkora::fractions

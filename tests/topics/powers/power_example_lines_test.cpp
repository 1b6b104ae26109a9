// The lines of the worked power examples over many seeds: every "=" a line draws holds at
// random positive values of the letters, every form of every rule and level is drawn, the
// letters of the products are marked once, and the special results ("= numerator", "= 0").

#include "topics/powers/power_example_lines.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "power_generator_checks.h"
#include "power_value.h"

namespace kalkora::powers {
namespace {

using test::Describe;
using test::Generate;
using test::Quotient;
using test::Split;

struct RuleLevel {
  PowerRule rule;
  int level;
};

std::string Name(const RuleLevel& c) {
  static const char* const kRules[] = {"", "multiply", "divide", "raise", "add/subtract"};
  return std::string(kRules[static_cast<int>(c.rule)]) + " level " + std::to_string(c.level);
}

std::vector<RuleLevel> AllRulesAndLevels() {
  std::vector<RuleLevel> all;
  for (const PowerRule rule :
       {PowerRule::Multiply, PowerRule::Divide, PowerRule::Raise, PowerRule::AddSub}) {
    for (int level = 1; level <= 3; ++level) all.push_back({rule, level});
  }
  return all;
}

std::vector<TPotenz> Examples(const RuleLevel& c, int seeds = 600) {
  return Generate(PowerExampleGenerator(c.rule, c.level), seeds);
}

std::vector<PowerExampleLine> Lines(const TPotenz& item, const RuleLevel& c) {
  return PowerExampleLines(item, c.rule, c.level);
}

// A side of an equation as a value text: ‹a : b› is a quotient.
Text SideValue(TextView side) {
  const std::vector<Text> quotient = Split(side, u" : ");
  return quotient.size() == 2 ? Quotient(quotient[0], quotient[1]) : Text(side);
}

// The two sides of the "=" a line draws, as value texts (markers may stay).
std::pair<Text, Text> DrawnEquation(const PowerExampleLine& line) {
  const Text task = Quotient(line.numerator, line.denominator);
  const Text result = Quotient(line.resultNumerator, line.resultDenominator);
  switch (line.form) {
    case PowerExampleForm::Equation: {
      const std::vector<Text> sides = Split(line.equation, u" = ");
      EXPECT_EQ(sides.size(), 2u) << Utf8FromText(line.equation);
      return {SideValue(sides.front()), SideValue(sides.back())};
    }
    case PowerExampleForm::FractionThenResult: return {task, line.result};
    case PowerExampleForm::FractionEquals: return {task, result};
    case PowerExampleForm::FractionEqualsFactor:
      return {task, Text(result).append(u"·(").append(line.factor).append(u")")};
    case PowerExampleForm::PowerOfFraction:
      return {Text(u"(").append(task).append(u")^").append(line.exponent), result};
  }
  return {};
}

::testing::AssertionResult HoldsAt(const std::pair<Text, Text>& sides,
                                   const std::map<char16_t, double>& values) {
  const auto left = kalkora::test::PowerValue(sides.first, values);
  const auto right = kalkora::test::PowerValue(sides.second, values);
  if (!left || !right) {
    return ::testing::AssertionFailure()
           << "no value: " << Utf8FromText(sides.first) << " = " << Utf8FromText(sides.second);
  }
  if (!kalkora::test::NearlyEqual(*left, *right)) {
    return ::testing::AssertionFailure() << Utf8FromText(sides.first) << " is " << *left << " but "
                                         << Utf8FromText(sides.second) << " is " << *right;
  }
  return ::testing::AssertionSuccess();
}

TEST(PowerExampleLines, EveryDrawnEqualsHoldsAtRandomPositiveLetterValues) {
  std::uint32_t valueSeed = 1;
  for (const RuleLevel& c : AllRulesAndLevels()) {
    SCOPED_TRACE(Name(c));
    std::set<PowerExampleForm> forms;
    for (const TPotenz& item : Examples(c)) {
      SCOPED_TRACE(Describe(item));
      const std::vector<PowerExampleLine> lines = Lines(item, c);
      ASSERT_EQ(lines.size(), c.rule == PowerRule::Multiply && c.level == 1 ? 2u : 1u);
      for (const PowerExampleLine& line : lines) {
        forms.insert(line.form);
        const std::pair<Text, Text> sides = DrawnEquation(line);
        ASSERT_FALSE(sides.first.empty());
        ASSERT_FALSE(sides.second.empty());
        for (int round = 0; round < 3; ++round) {
          EXPECT_TRUE(HoldsAt(sides, kalkora::test::RandomLetterValues(valueSeed++)));
        }
      }
    }
    // The forms each rule and level draws.
    using enum PowerExampleForm;
    std::set<PowerExampleForm> expected{Equation};
    if (c.rule == PowerRule::Divide) {
      expected = c.level == 1
                     ? std::set{Equation, FractionThenResult, FractionEquals, FractionEqualsFactor}
                     : std::set{FractionThenResult, FractionEquals};
    }
    if (c.rule == PowerRule::Raise && c.level == 3) expected = {PowerOfFraction};
    EXPECT_EQ(forms, expected);
  }
}

// Multiplication: every letter stands inside its marker ("#" the first letter, "_" the
// second), and no marker is left open at the end of a side. A letter marked twice ("##a##")
// would stand outside.
TEST(PowerExampleLines, LettersOfTheProductsAreMarkedOnce) {
  for (int level = 1; level <= 3; ++level) {
    SCOPED_TRACE(level);
    const RuleLevel c{PowerRule::Multiply, level};
    for (const TPotenz& item : Examples(c, 300)) {
      SCOPED_TRACE(Describe(item));
      for (const PowerExampleLine& line : Lines(item, c)) {
        for (const Text& side : Split(line.equation, u" = ")) {
          char16_t open = 0;
          for (const char16_t ch : side) {
            if (ch == u'#' || ch == u'_') {
              open = open == 0 ? ch : (open == ch ? char16_t{0} : open);
              continue;
            }
            if (ch >= u'a' && ch <= u'z') {
              EXPECT_EQ(open, ch == item.Buchst[1] ? u'#' : u'_') << Utf8FromText(side);
            }
          }
          EXPECT_EQ(open, 0) << Utf8FromText(side);
        }
      }
    }
  }
}

// Division at Stufe 1: the presentation the generator drew decides the form.
TEST(PowerExampleLines, DivisionPresentationsOfStufe1) {
  const RuleLevel c{PowerRule::Divide, 1};
  std::set<int> seen;
  for (const TPotenz& item : Examples(c)) {
    SCOPED_TRACE(Describe(item));
    const PowerExampleLine line = Lines(item, c).front();
    seen.insert(item.Stufe);
    const bool numberOver = test::Number(line.resultNumerator).has_value();
    switch (item.Stufe) {
      case 1:
        EXPECT_EQ(line.form, PowerExampleForm::Equation);
        EXPECT_EQ(Split(line.equation, u" : ").size(), 2u);
        break;
      case 2:
        EXPECT_EQ(line.form, PowerExampleForm::FractionThenResult);
        EXPECT_EQ(test::LettersInOrder(line.result).size(), 1u);
        break;
      case 3:
        EXPECT_EQ(line.form, PowerExampleForm::FractionEquals);
        EXPECT_EQ(line.resultNumerator, u"1");
        break;
      case 4:
        EXPECT_EQ(line.form, PowerExampleForm::FractionEquals);
        EXPECT_TRUE(numberOver);
        EXPECT_TRUE(test::Number(Split(line.resultDenominator, u"·").front()).has_value());
        break;
      case 5:
        EXPECT_EQ(line.form, PowerExampleForm::FractionEqualsFactor);
        EXPECT_TRUE(numberOver);
        EXPECT_TRUE(test::Number(line.resultDenominator).has_value());
        break;
      default: ADD_FAILURE() << "presentation " << item.Stufe;
    }
  }
  EXPECT_EQ(seen, (std::set{1, 2, 3, 4, 5}));
}

// Divisions at Stufe 2 and 3: "= numerator" alone exactly when nothing is left below the bar;
// a drawn fraction never has an empty part.
TEST(PowerExampleLines, DivisionWithNothingLeftBelowShowsTheNumeratorAlone) {
  for (int level = 2; level <= 3; ++level) {
    const RuleLevel c{PowerRule::Divide, level};
    for (const TPotenz& item : Examples(c)) {
      SCOPED_TRACE(Describe(item));
      const PowerExampleLine line = Lines(item, c).front();
      const bool fractionAnswer = item.Loesung().find(u'/') != Text::npos;
      EXPECT_EQ(line.form == PowerExampleForm::FractionEquals, fractionAnswer);
      for (const Text* part : {&line.numerator, &line.denominator}) EXPECT_FALSE(part->empty());
      if (fractionAnswer) {
        EXPECT_FALSE(line.resultNumerator.empty());
        EXPECT_FALSE(line.resultDenominator.empty());
      } else {
        EXPECT_FALSE(line.result.empty());
      }
    }
  }
}

// Add/subtract: the result after "=" begins with its first term (never "+" or a blank) and is
// "0" when every term cancels.
TEST(PowerExampleLines, SumResultsBeginWithTheirFirstTerm) {
  int cancelled = 0;
  for (int level = 1; level <= 3; ++level) {
    const RuleLevel c{PowerRule::AddSub, level};
    for (const TPotenz& item : Examples(c, 3000)) {
      SCOPED_TRACE(Describe(item));
      const std::vector<Text> sides = Split(Lines(item, c).front().equation, u" = ");
      ASSERT_EQ(sides.size(), 2u);
      const Text& result = sides.back();
      ASSERT_FALSE(result.empty());
      EXPECT_NE(result.front(), u'+');
      EXPECT_NE(result.front(), u' ');
      if (result == u"0") {
        ++cancelled;
        EXPECT_TRUE(HoldsAt({sides.front(), u"0"}, kalkora::test::RandomLetterValues(7)));
      }
    }
  }
  EXPECT_GT(cancelled, 0);
}

}  // namespace
}  // namespace kalkora::powers

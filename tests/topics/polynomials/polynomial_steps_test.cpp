// The step-by-step display of the polynomial worked examples, without a window: the number of
// steps, the drawn values, what each page holds, and every "=" drawn as mathematics. The
// results of the multiplying examples are checked against their tasks by evaluating both at
// several values of the letters (term_value.h), never by building them again.

#include "topics/polynomials/polynomial_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "base/text.h"
#include "term_value.h"
#include "terms/term_exponents.h"

namespace kalkora {
namespace {

using polynomials::PageAtStep;
using polynomials::PolynomStep;
using polynomials::PolynomSteps;
using polynomials::StepCount;
using polynomials::StepExampleValues;
using polynomials::StepShapes;
using polynomials::StepText;

bool IsLetter(char16_t c) { return c >= u'a' && c <= u'z'; }
bool IsUpper(char16_t c) { return c >= u'A' && c <= u'Z'; }

Text WithoutMarkers(TextView markup) {
  Text text{markup};
  for (char16_t marker : {u'#', u'_', u'~', u'$', u'§'}) text = RemoveChar(text, marker);
  return text;
}

Text Trimmed(TextView text) {
  std::size_t from = 0, to = text.size();
  while (from < to && text[from] == u' ') ++from;
  while (to > from && text[to - 1] == u' ') --to;
  return Text{text.substr(from, to - from)};
}

std::vector<Text> Split(TextView text, TextView separator) {
  std::vector<Text> parts;
  std::size_t from = 0;
  for (std::size_t at = text.find(separator); at != TextView::npos;
       at = text.find(separator, from)) {
    parts.push_back(Text{text.substr(from, at - from)});
    from = at + separator.size();
  }
  parts.push_back(Text{text.substr(from)});
  return parts;
}

Text Replaced(TextView text, char16_t from, TextView by) {
  Text result;
  for (char16_t c : text) {
    if (c == from) {
      result += by;
    } else {
      result += c;
    }
  }
  return result;
}

// Values of the letters at the k-th test point: small, different, both signs.
std::map<char16_t, std::int64_t> Point(int k) {
  std::map<char16_t, std::int64_t> values;
  for (char16_t c = u'a'; c <= u'z'; ++c) {
    values[c] = ((k * 7 + (c - u'a') * 5) % 11) - 5;
  }
  return values;
}

// Whether all the sides have the same value at 24 points.
::testing::AssertionResult AllEqual(const std::vector<Text>& sides) {
  for (int k = 0; k < 24; ++k) {
    const auto values = Point(k);
    std::optional<std::int64_t> first;
    for (const Text& side : sides) {
      const auto value = test::TermValue(JoinExponentDigits(side), values);
      if (!value) return ::testing::AssertionFailure() << "no value: " << Utf8FromText(side);
      if (!first) {
        first = value;
      } else if (*first != *value) {
        return ::testing::AssertionFailure()
               << Utf8FromText(sides.front()) << " ≠ " << Utf8FromText(side) << " at point " << k;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// ---- The number of steps ----

TEST(PolynomStepsTest, StepCountsPerKindAndLevel) {
  struct Case {
    int kind;
    int counts[3];  // Stufe 1, 2, 3
  };
  const Case cases[] = {
      {1, {17, 17, 17}}, {2, {16, 16, 16}}, {3, {11, 11, 8}}, {4, {15, 15, 15}}, {5, {5, 5, 5}}};
  SetRandomSeed(3);
  const StepExampleValues values = polynomials::DrawStepExampleValues();
  for (const Case& c : cases) {
    for (int level = 1; level <= 3; ++level) {
      SCOPED_TRACE("kind " + std::to_string(c.kind) + ", Stufe " + std::to_string(level));
      const int count = c.counts[level - 1];
      EXPECT_EQ(StepCount(c.kind, level), count);
      EXPECT_EQ(PolynomSteps(c.kind, level, values).size(), static_cast<std::size_t>(count + 1));
      // "Weiter" runs from step 0 to the last step; one more press ends the display.
      polynomials::StepByStep steps;
      polynomials::StartSteps(steps, c.kind, level);
      EXPECT_TRUE(steps.Schrittweise);
      EXPECT_EQ(steps.SchrittNr, 0);
      for (int press = 1; press <= count; ++press) {
        ASSERT_TRUE(polynomials::NextStep(steps));
        EXPECT_EQ(steps.SchrittNr, press);
      }
      EXPECT_FALSE(polynomials::NextStep(steps));
      EXPECT_FALSE(steps.Schrittweise);
      EXPECT_FALSE(polynomials::NextStep(steps));  // nothing more happens
    }
  }
}

TEST(PolynomStepsTest, DrawnValues) {
  std::set<char16_t> letters, signs;
  std::set<int> numbers;
  for (int seed = 1; seed <= 300; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    const StepExampleValues v = polynomials::DrawStepExampleValues();
    const std::set<char16_t> drawn(v.BspVar.begin(), v.BspVar.end());
    EXPECT_EQ(drawn.size(), 6u) << "the six letters differ";
    for (char16_t c : v.BspVar) {
      EXPECT_TRUE(IsLetter(c));
      EXPECT_NE(c, u'l');
    }
    letters.insert(drawn.begin(), drawn.end());
    signs.insert(v.BspVz.begin(), v.BspVz.end());
    numbers.insert(v.BspZahl.begin(), v.BspZahl.end());
  }
  EXPECT_EQ(letters.size(), 25u);
  EXPECT_EQ(signs, (std::set<char16_t>{u'+', u'–'}));
  EXPECT_EQ(numbers, (std::set<int>{2, 3, 4, 5, 6}));
}

// ---- Kinds 1 and 2: the growing results ----

// One example row of a multiplying kind as the steps draw it.
struct Row {
  double y = 0;
  std::vector<StepText> task;  // the pieces left of "=", by x
  Text result;                 // after its last step
  std::vector<Text> results;   // after each of its steps
};

std::vector<Row> Rows(const std::vector<PolynomStep>& steps) {
  std::vector<Row> rows;
  for (const PolynomStep& step : steps) {
    for (const StepText& text : step.stays.texts) {
      auto row =
          std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.y == text.y; });
      if (row == rows.end()) {
        rows.push_back(Row{text.y, {}, {}, {}});
        row = rows.end() - 1;
      }
      if (text.slot != 0) {
        row->result = text.text;
        row->results.push_back(text.text);
      } else if (text.x < 0) {
        row->task.push_back(text);
      }
    }
  }
  for (Row& row : rows) {
    std::sort(row.task.begin(), row.task.end(),
              [](const StepText& a, const StepText& b) { return a.x < b.x; });
  }
  return rows;
}

Text TaskText(const Row& row) {
  Text task;
  for (const StepText& piece : row.task) task += piece.text + u" ";
  return task;
}

TEST(PolynomStepsTest, EachResultOfTheMultiplyingKindsEqualsItsTask) {
  for (int kind : {1, 2}) {
    std::set<int> rowCounts;
    for (int seed = 1; seed <= 400; ++seed) {
      SetRandomSeed(static_cast<std::uint32_t>(seed));
      const StepExampleValues values = polynomials::DrawStepExampleValues();
      const auto steps = PolynomSteps(kind, 1, values);
      const std::vector<Row> rows = Rows(steps);
      ASSERT_EQ(rows.size(), 3u);
      for (const Row& row : rows) {
        const Text task = WithoutMarkers(TaskText(row));
        const Text result = WithoutMarkers(row.result);
        SCOPED_TRACE(Utf8FromText(task) + " = " + Utf8FromText(result));
        ASSERT_TRUE(AllEqual({task, result}));
        // The result grows: each step's line begins with the one before.
        for (std::size_t k = 1; k < row.results.size(); ++k) {
          EXPECT_EQ(row.results[k].substr(0, row.results[k - 1].size()), row.results[k - 1]);
        }
        rowCounts.insert(static_cast<int>(row.results.size()));
      }
      if (HasFailure()) return;
    }
    EXPECT_EQ(rowCounts, kind == 1 ? (std::set<int>{3, 5, 7}) : (std::set<int>{4, 6}));
  }
}

// A product step marks the two factors it multiplies: the bracket's ends stand at task pieces
// of its row whose letters are both in the product just added.
TEST(PolynomStepsTest, TheMultiplicationMarkJoinsTheFactorsOfTheNewProduct) {
  SetRandomSeed(11);
  const StepExampleValues values = polynomials::DrawStepExampleValues();
  for (int kind : {1, 2}) {
    const auto steps = PolynomSteps(kind, 1, values);
    const std::vector<Row> rows = Rows(steps);
    int marked = 0;
    Text before;
    for (std::size_t k = 0; k < steps.size(); ++k) {
      const StepShapes& mark = steps[k].onlyNow;
      if (steps[k].stays.texts.size() != 1 || steps[k].stays.texts[0].slot == 0) {
        EXPECT_TRUE(mark.lines.empty()) << "step " << k;
        before.clear();
        continue;
      }
      const StepText& line = steps[k].stays.texts[0];
      const Text added = WithoutMarkers(line.text.substr(before.size()));
      before = line.text;
      const bool product = added.find(u'·') != Text::npos;
      ASSERT_EQ(mark.lines.size(), product ? 3u : 0u) << "step " << k;
      if (!product) continue;
      ++marked;
      ASSERT_EQ(mark.texts.size(), 1u);
      EXPECT_EQ(mark.texts[0].text, u"multiplizieren");
      const double xf = mark.lines[0].x1, xt = mark.lines[2].x1;
      EXPECT_EQ(mark.texts[0].x, (xf + xt) / 2);
      EXPECT_EQ(mark.texts[0].y, line.y + 5);
      // A bracket over the row: up from both factors, across at two units above the row.
      EXPECT_EQ(mark.lines[0].y1, line.y);
      EXPECT_EQ(mark.lines[1].y1, line.y + 2);
      EXPECT_EQ(mark.lines[1].x2, xt);
      const auto row =
          std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.y == line.y; });
      ASSERT_NE(row, rows.end());
      for (double x : {xf, xt}) {
        const auto piece = std::find_if(row->task.begin(), row->task.end(),
                                        [x](const StepText& p) { return p.x == x; });
        ASSERT_NE(piece, row->task.end()) << "no task piece at x " << x << ", step " << k;
        for (char16_t c : WithoutMarkers(piece->text)) {
          if (IsLetter(c)) {
            EXPECT_NE(added.find(c), Text::npos) << "step " << k << ": factor at " << x;
          }
        }
      }
    }
    EXPECT_EQ(marked, kind == 1 ? 9 : 14);
  }
}

// ---- The Part's edge cases ----

StepExampleValues Values(const char16_t* letters, const char16_t* signs, std::vector<int> numbers) {
  StepExampleValues values;
  for (std::size_t k = 1; k <= 6; ++k) values.BspVar[k] = letters[k - 1];
  for (std::size_t k = 1; k <= 10; ++k) values.BspVz[k] = signs[k - 1];
  for (std::size_t k = 1; k <= 6; ++k) values.BspZahl[k] = numbers[k - 1];
  return values;
}

// The growing line of row `slot` on the page of the step.
Text ResultAt(int kind, const StepExampleValues& values, int step, int slot) {
  for (const StepText& text : PageAtStep(PolynomSteps(kind, 1, values), step).texts) {
    if (text.slot == slot) return text.text;
  }
  return u"(none)";
}

TEST(PolynomStepsTest, EdgeCasesOfTheMultiplyingKinds) {
  struct Case {
    const char* name;
    int kind;
    StepExampleValues values;
    int step;
    int row;
    const char16_t* result;
  };
  const Case cases[] = {
      {"kind 1, step 2: the first product and the sign only", 1,
       Values(u"abxysq", u"++++++++++", {2, 3, 4, 5, 6, 2}), 2, 1, u"#a# · ~x~ +"},
      {"kind 1, step 3 completes the line", 1, Values(u"abxysq", u"–+++++++++", {2, 3, 4, 5, 6, 2}),
       3, 1, u"#a# · ~x~ – _b_ · ~x~"},
      {"kind 1, example 2: the products of the numbers", 1,
       Values(u"abxysq", u"+++–+++++", {2, 3, 4, 5, 6, 2}), 9, 2,
       u"10·#a#·$y$ – 15·_b_·$y$ + 20·~x~·$y$"},
      {"kind 1, example 3 with the signs – + –", 1,
       Values(u"abxysq", u"+++++–+–++", {2, 3, 4, 5, 6, 2}), 17, 3,
       u"#a# · _b_ – #a# · ~x~ + #a# · $y$ – #a# · §s§"},
      {"kind 2, example 1", 2, Values(u"abxysq", u"+–++++++++", {2, 3, 4, 5, 6, 2}), 4, 1,
       u"#a#·~x~ + _b_·~x~ – #a#·$y$ – _b_·$y$"},
      {"kind 2, example 2: the signs multiplied", 2,
       Values(u"abcdeq", u"––+–++++++", {2, 3, 4, 5, 6, 2}), 11, 2,
       u"#a#·$d$ – _b_·$d$ – ~c~·$d$ + #a#·§e§ – _b_·§e§ – ~c~·§e§"},
      {"kind 2, example 3 with + – and 2, 3, 4, 5", 2,
       Values(u"abxysq", u"+–++++++++", {2, 3, 4, 5, 6, 2}), 16, 3,
       u"8·#a#·~x~ + 12·_b_·~x~ – 10·#a#·$y$ – 15·_b_·$y$"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8FromText(ResultAt(c.kind, c.values, c.step, c.row)), Utf8FromText(c.result))
        << c.name;
  }
}

TEST(PolynomStepsTest, TheTaskOfKind2Example1) {
  const auto steps = PolynomSteps(2, 1, Values(u"abxysq", u"+–++++++++", {2, 3, 4, 5, 6, 2}));
  EXPECT_EQ(Utf8FromText(TaskText(Rows(steps)[0])),
            Utf8FromText(u"( #a# + _b_ ) · ( ~x~ – $y$ ) "));
}

// ---- Pages ----

// The texts of a page, in drawing order.
std::vector<Text> Texts(const StepShapes& page) {
  std::vector<Text> texts;
  for (const StepText& text : page.texts) texts.push_back(text.text);
  return texts;
}

TEST(PolynomStepsTest, PagesAreRenewedWhereTheExamplesSay) {
  struct Case {
    int kind;
    int level;
    std::set<int> renewals;
  };
  const Case cases[] = {{1, 1, {}},  {2, 2, {}},  {3, 1, {8}}, {3, 2, {8}},
                        {3, 3, {6}}, {4, 1, {8}}, {4, 3, {8}}, {5, 1, {}}};
  for (const Case& c : cases) {
    const auto steps = PolynomSteps(c.kind, c.level, StepExampleValues{});
    for (std::size_t k = 0; k < steps.size(); ++k) {
      EXPECT_EQ(steps[k].renewsPage, c.renewals.count(static_cast<int>(k)) > 0)
          << "kind " << c.kind << ", Stufe " << c.level << ", step " << k;
    }
  }
}

TEST(PolynomStepsTest, TheMultiplyingPagesKeepEveryTaskAndOneLinePerResult) {
  SetRandomSeed(5);
  const StepExampleValues values = polynomials::DrawStepExampleValues();
  struct Case {
    int kind;
    int step;
    std::size_t texts;  // task pieces, result lines, "multiplizieren"
    std::size_t lines;
  };
  const Case cases[] = {
      {1, 0, 8, 0},            // the first task
      {1, 1, 8 + 1 + 1, 3},    // its first product, marked
      {1, 2, 8 + 1, 0},        // the sign: no mark
      {1, 16, 30 + 3, 0},      // all three tasks, each with its result
      {1, 17, 30 + 3 + 1, 3},  // the last product, marked
      {2, 5, 12 + 1 + 14, 0},  // the second task beside the first example's result
      {2, 16, 38 + 3 + 1, 3},
  };
  for (const Case& c : cases) {
    const StepShapes page = PageAtStep(PolynomSteps(c.kind, 1, values), c.step);
    EXPECT_EQ(page.texts.size(), c.texts) << "kind " << c.kind << ", step " << c.step;
    EXPECT_EQ(page.lines.size(), c.lines) << "kind " << c.kind << ", step " << c.step;
  }
}

TEST(PolynomStepsTest, ANewPageStartsWithItsRuleAlone) {
  const StepExampleValues values{};
  // Kind 3: only the third rule; kind 4: the rule of the completions stays, with the next task.
  EXPECT_EQ(Texts(PageAtStep(PolynomSteps(3, 1, values), 8)),
            (std::vector<Text>{u"( #A# + #B# )·( #A# – #B# ) = #A#^2 – #B#^2"}));
  EXPECT_EQ(Texts(PageAtStep(PolynomSteps(3, 3, values), 6)),
            (std::vector<Text>{u"#A^2# – #B^2# = ( #A# + #B# )·( #A# – #B# )"}));
  EXPECT_EQ(Texts(PageAtStep(PolynomSteps(4, 2, values), 8)),
            (std::vector<Text>{u"~( A ± B )^2 = A^2 ± 2·A·B + B^2~",
                               u"( #?# + _?_ )^2 = 4·x^2 + 32·x + _?_"}));
  // The page before the renewal holds all twelve texts of its steps (two labels twice).
  EXPECT_EQ(PageAtStep(PolynomSteps(3, 1, values), 7).texts.size(), 12u);
  // The step after the last one shows the last page.
  EXPECT_EQ(Texts(PageAtStep(PolynomSteps(5, 1, values), 9)),
            Texts(PageAtStep(PolynomSteps(5, 1, values), 5)));
}

TEST(PolynomStepsTest, FactoringAtStufe3ShowsTheRuleOnly) {
  const auto steps = PolynomSteps(5, 3, StepExampleValues{});
  const std::vector<Text> rule = Texts(PageAtStep(steps, 0));
  EXPECT_EQ(rule.size(), 3u);
  EXPECT_EQ(PageAtStep(steps, 0).arrows.size(), 2u);
  for (int step = 1; step <= 5; ++step) {
    EXPECT_EQ(Texts(PageAtStep(steps, step)), rule) << "step " << step;
  }
  // At Stufe 1 each step adds one example.
  EXPECT_EQ(PageAtStep(PolynomSteps(5, 1, StepExampleValues{}), 5).texts.size(), 8u);
}

// ---- Every "=" drawn holds ----

// The values the texts of a step give to A and B (‹A = 3·x›, the end of ‹B^2 = 49 ⇒ B = 7›).
std::map<char16_t, Text> Assignments(const std::vector<Text>& equations) {
  std::map<char16_t, Text> values;
  for (const Text& equation : equations) {
    const std::vector<Text> sides = Split(equation, u" = ");
    if (sides.size() == 2 && sides[0].size() == 1 && IsUpper(sides[0][0])) {
      values[sides[0][0]] = u"(" + sides[1] + u")";
    }
  }
  return values;
}

// The equations of a text: a derivation ‹… ⇒ …› has several; "±" stands for both signs.
std::vector<Text> Equations(const StepText& text) {
  std::vector<Text> equations;
  const bool derivation = text.draw == polynomials::StepDraw::SymbolMixedCentred;
  for (const Text& part : derivation ? Split(text.text, u"~Þ") : std::vector<Text>{text.text}) {
    const Text plain = Trimmed(WithoutMarkers(part));
    if (plain.find(u" = ") == Text::npos || plain.find(u'?') != Text::npos) continue;
    if (plain.find(u'±') != Text::npos) {
      equations.push_back(Replaced(plain, u'±', u"+"));
      equations.push_back(Replaced(plain, u'±', u"–"));
    } else {
      equations.push_back(plain);
    }
  }
  return equations;
}

TEST(PolynomStepsTest, EveryEqualsSignOfTheFixedExamplesHolds) {
  int checked = 0;
  for (int kind : {3, 4, 5}) {
    for (int level = 1; level <= 3; ++level) {
      for (const PolynomStep& step : PolynomSteps(kind, level, StepExampleValues{})) {
        std::vector<Text> equations;
        for (const StepText& text : step.stays.texts) {
          for (const Text& equation : Equations(text)) equations.push_back(equation);
        }
        const std::map<char16_t, Text> assigned = Assignments(equations);
        for (const Text& equation : equations) {
          SCOPED_TRACE("kind " + std::to_string(kind) + ", Stufe " + std::to_string(level) + ": " +
                       Utf8FromText(equation));
          // A and B take the values the step gives them; otherwise they are letters of their own.
          Text term = equation;
          for (char16_t upper : {u'A', u'B'}) {
            const auto value = assigned.find(upper);
            term = Replaced(term, upper,
                            value != assigned.end() ? TextView(value->second)
                                                    : TextView(upper == u'A' ? u"u" : u"v"));
          }
          EXPECT_TRUE(AllEqual(Split(term, u" = ")));
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 60);
}

}  // namespace
}  // namespace kalkora

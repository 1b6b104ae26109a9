// The worked examples of completing binomial formulas (kind 4) over many seeds: every solution
// is a true formula, the task is the solution with "?" in its gaps, the gaps are marked in
// order, and nothing else of the record is written. The expected task is rebuilt from the
// solution text, not from the templates the generators fill.

#include "topics/polynomials/completion_example_generators.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "base/text.h"
#include "formula_identity.h"
#include "topics/polynomials/polynomial_generators.h"
#include "topics/polynomials/polynomial_record.h"

namespace kalkora {
namespace {

using test::ExpectIdentity;
using test::Numbers;
using test::SplitAtEquals;

bool IsLetter(char16_t c) { return c >= u'a' && c <= u'z'; }
bool IsGapMarker(char16_t c) { return c == u'#' || c == u'_' || c == u'~'; }

Text WithoutGapMarkers(TextView text) {
  return RemoveChar(RemoveChar(RemoveChar(text, u'#'), u'_'), u'~');
}

// The markers of a text in the order they occur: ‹##__~~› for three gaps.
Text MarkerSequence(TextView text) {
  Text markers;
  for (char16_t c : text) {
    if (IsGapMarker(c) || c == u'$' || c == u'§') markers += c;
  }
  return markers;
}

// The task as the worked example asks it, rebuilt from the solution: the content of each
// marked gap replaced by "?", and a gap that is all of a bracket's content widened by four
// blanks on each side.
Text QuestionsFromSolution(TextView solution) {
  Text task;
  for (std::size_t k = 0; k < solution.size(); ++k) {
    if (!IsGapMarker(solution[k])) {
      task += solution[k];
      continue;
    }
    const std::size_t close = solution.find(solution[k], k + 1);
    if (close == TextView::npos) return u"unclosed gap";
    const bool wholeBracket =
        !task.empty() && task.back() == u'(' && solution.substr(close + 1, 1) == u")";
    const Text padding = wholeBracket ? u"    " : u"";
    task += padding + solution[k] + u'?' + solution[k] + padding;
    k = close;
  }
  return task;
}

// ---- The Part's tables, read independently of the generators ----

int ExpectedGaps(int level, int variante) {
  if (level == 1) return variante <= 8 ? 2 : 3;
  return variante <= 8 || variante == 15 || variante == 16 ? 2 : 3;
}

// The types with a gap that fills a whole bracket.
bool HasBracketGap(int level, int variante) {
  return level >= 2 && (variante == 15 || variante == 16 || variante == 21 || variante == 22);
}

struct LevelRules {
  const char* name;
  void (*generator)(int);
  int level;
  int types;
  int highest;  // a and b lie in 2 … highest
};

std::ostream& operator<<(std::ostream& out, const LevelRules& rules) { return out << rules.name; }

const LevelRules kLevels[] = {
    {"ErgaenzenM1", ErgaenzenM1, 1, 14, 13},
    {"ErgaenzenM2", ErgaenzenM2, 2, 22, 13},
    {"ErgaenzenM3", ErgaenzenM3, 3, 22, 11},
};

constexpr int kSeeds = 500;  // three items each

class CompletionExampleGeneratorTest : public ::testing::TestWithParam<LevelRules> {};

TEST_P(CompletionExampleGeneratorTest, TaskIsTheTrueSolutionWithQuestionMarksInItsGaps) {
  const LevelRules& rules = GetParam();
  std::set<int> variants;
  std::set<int> exponents;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (int i = 1; i <= 3; ++i) {
      PolynomMonom1(i);  // an item of another kind first: nothing of it may stay
      rules.generator(i);
      const TPolynom& item = polynomials::Polynom[static_cast<std::size_t>(i)];
      SCOPED_TRACE(Utf8FromText(item.LoesungMarkup) + "  (type " + std::to_string(item.Variante) +
                   ")");
      ASSERT_GE(item.Variante, 1);
      ASSERT_LE(item.Variante, rules.types);
      variants.insert(item.Variante);

      // Only the markup texts: the plain texts are no task, solution or answer of this kind.
      EXPECT_TRUE(item.Aufgabe.empty());
      EXPECT_TRUE(item.Loesung.empty());
      EXPECT_TRUE(item.Antwort.empty());

      // The gaps: marked in the order "#", "_", "~", as many as the type has.
      const int gaps = ExpectedGaps(rules.level, item.Variante);
      EXPECT_EQ(MarkerSequence(item.LoesungMarkup), Text(u"##__~~").substr(0, 2 * gaps));
      EXPECT_EQ(MarkerSequence(item.AufgabeMarkup), MarkerSequence(item.LoesungMarkup));

      // The task: the solution with "?" in its gaps, widened where a gap is a whole bracket.
      EXPECT_EQ(Utf8FromText(item.AufgabeMarkup),
                Utf8FromText(QuestionsFromSolution(item.LoesungMarkup)));
      EXPECT_EQ(item.AufgabeMarkup.find(u"(    ") != Text::npos,
                HasBracketGap(rules.level, item.Variante));

      // The solution without its markers is a true formula in the item's letters.
      const Text formula = WithoutGapMarkers(item.LoesungMarkup);
      EXPECT_TRUE(IsLetter(item.Var1));
      EXPECT_EQ(item.Var2 != 0, rules.level >= 2);
      if (item.Var2 != 0) EXPECT_NE(item.Var1, item.Var2);
      EXPECT_EQ(item.Var3, 0);
      EXPECT_EQ(item.Var4, 0);
      for (char16_t c : formula) {
        if (IsLetter(c)) EXPECT_TRUE(c == item.Var1 || c == item.Var2) << "a letter not drawn";
      }
      ExpectIdentity(formula, item.Var1, item.Var2);

      // a ≠ b in range: the numbers of the left side.
      const std::vector<int> numbers = Numbers(SplitAtEquals(formula).left);
      const std::set<int> ab(numbers.begin(), numbers.end());
      EXPECT_EQ(ab.size(), 2u) << "a and b must differ";
      for (int number : ab) {
        EXPECT_GE(number, 2);
        EXPECT_LE(number, rules.highest);
      }
      if (rules.level == 3) {
        const Text left = SplitAtEquals(formula).left;
        const std::size_t at = left.find(item.Var1);
        exponents.insert(at + 1 < left.size() && left[at + 1] == u'^' ? left[at + 2] - u'0' : 1);
      }
      if (HasFailure()) return;
    }
  }
  for (int v = 1; v <= rules.types; ++v) EXPECT_TRUE(variants.count(v)) << "type " << v;
  if (rules.level == 3) EXPECT_EQ(exponents, (std::set<int>{1, 2, 3}));
}

INSTANTIATE_TEST_SUITE_P(AllLevels, CompletionExampleGeneratorTest, ::testing::ValuesIn(kLevels),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The Part's examples, one table ----

struct ExampleCase {
  const char* name;
  int level;
  int variante;
  CompletionValues values;
  const char16_t* task;
  const char16_t* solution;
};

std::ostream& operator<<(std::ostream& out, const ExampleCase& c) { return out << c.name; }

const ExampleCase kExamples[] = {
    {"Stufe1Type7",
     1,
     7,
     {u'k', 0, 5, 4, 1, 1},
     u"(5·k + #?#)^2 = _?_ + 40·k + 16",
     u"(5·k + #4#)^2 = _25·k^2_ + 40·k + 16"},
    {"Stufe1Type3",
     1,
     3,
     {u'p', 0, 12, 13, 1, 1},
     u"(#?# + 13·p)^2 = 144 + _?_ + 169·p^2",
     u"(#12# + 13·p)^2 = 144 + _312·p_ + 169·p^2"},
    {"Stufe2Type15",
     2,
     15,
     {u'd', u'a', 13, 6, 1, 1},
     u"(13·d + 6·a)·(    #?#    ) = _?_ – 36·a^2",
     u"(13·d + 6·a)·(#13·d – 6·a#) = _169·d^2_ – 36·a^2"},
    // The three-gap product with a whole bracket as its second gap.
    {"Stufe2Type21",
     2,
     21,
     {u'd', u'a', 13, 6, 1, 1},
     u"(13·d + #?#)·(    _?_    ) = ~?~ – 36·a^2",
     u"(13·d + #6·a#)·(_13·d – 6·a_) = ~169·d^2~ – 36·a^2"},
    {"Stufe2Type19",
     2,
     19,
     {u'r', u'y', 10, 11, 1, 1},
     u"(10·r + #?#)·(_?_ – 11·y) = ~?~",
     u"(10·r + #11·y#)·(_10·r_ – 11·y) = ~100·r^2 – 121·y^2~"},
    {"Stufe3Type1",
     3,
     1,
     {u'y', u'o', 7, 9, 3, 1},
     u"(7·y^3 + #?#)^2 = 49·y^6 + _?_ + 81·o^2",
     u"(7·y^3 + #9·o#)^2 = 49·y^6 + _126·y^3·o_ + 81·o^2"},
    {"Stufe3Type19",
     3,
     19,
     {u'c', u'e', 3, 2, 2, 3},
     u"(#?# + 2·e^3)·(_?_ – 2·e^3) = ~?~",
     u"(#3·c^2# + 2·e^3)·(_3·c^2_ – 2·e^3) = ~9·c^4 – 4·e^6~"},
    {"Stufe3Type20",
     3,
     20,
     {u'c', u'e', 3, 2, 1, 2},
     u"( #?# + 2·e^2)·(3·c – _?_) = ~?~",
     u"( #3·c# + 2·e^2)·(3·c – _2·e^2_) = ~9·c^2 – 4·e^4~"},
    {"Stufe3Type22",
     3,
     22,
     {u'c', u'e', 3, 2, 3, 1},
     u"(#?# + 2·e)·(    _?_    ) = 9·c^6 – ~?~",
     u"(#3·c^3# + 2·e)·(_3·c^3 – 2·e_) = 9·c^6 – ~4·e^2~"},
};

class CompletionExampleCaseTest : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(CompletionExampleCaseTest, TaskAndSolution) {
  const ExampleCase& c = GetParam();
  TPolynom item;
  WriteErgaenzenM(item, c.level, c.variante, c.values);
  EXPECT_EQ(Utf8FromText(item.AufgabeMarkup), Utf8FromText(c.task));
  EXPECT_EQ(Utf8FromText(item.LoesungMarkup), Utf8FromText(c.solution));
  EXPECT_EQ(item.Variante, c.variante);
  EXPECT_EQ(item.Var1, c.values.x);
}

INSTANTIATE_TEST_SUITE_P(Examples, CompletionExampleCaseTest, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalkora

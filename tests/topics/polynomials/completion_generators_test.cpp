// The generators of the completion exercise over many seeds, the formula filler and the
// splitting of a formula into pieces and gaps. Every formula is checked as mathematics,
// independently of how it was written: both sides are evaluated exactly on a grid of letter
// values large enough to prove that their expansions are equal (formula_identity.h).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "base/random.h"
#include "base/selection.h"
#include "base/shared_functions.h"
#include "base/text.h"
#include "formula_identity.h"
#include "topics/polynomials/completion_exercise.h"
#include "topics/polynomials/completion_formula.h"
#include "topics/polynomials/completion_generators.h"
#include "topics/polynomials/completion_record.h"
#include "topics/polynomials/polynomial_writing.h"

namespace kalkora {
namespace {

using completion_exercise::AcceptedKeys;
using completion_exercise::GapTexts;
using completion_exercise::RowRight;
using test::ExpectIdentity;
using test::Numbers;
using test::SplitAtEquals;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLetter(char16_t c) { return c >= u'a' && c <= u'z'; }

Text Compact(TextView text) { return RemoveChar(RemoveChar(text, u' '), u'·'); }

// The writing rules: display form, a blank on each side of every sign, exponents 2 … 9 only
// (never an exponent 1).
void ExpectWriting(TextView text) {
  SCOPED_TRACE(Utf8FromText(text));
  EXPECT_EQ(text.find(u'-'), Text::npos) << "internal minus";
  EXPECT_EQ(text.find(u'*'), Text::npos) << "internal times";
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char16_t c = text[k];
    if (c == u'+' || c == u'–') {
      EXPECT_TRUE(k > 0 && text[k - 1] == u' ' && k + 1 < text.size() && text[k + 1] == u' ')
          << "a sign without blanks at " << k;
    }
    if (c == u'^') {
      ASSERT_LT(k + 1, text.size());
      EXPECT_TRUE(text[k + 1] >= u'2' && text[k + 1] <= u'9') << "exponent at " << k;
      EXPECT_FALSE(k + 2 < text.size() && IsDigit(text[k + 2])) << "two-digit exponent";
    }
  }
}

// ---- The Part's tables, read independently of the generators ----

// The number of gaps of each type.
int ExpectedGaps(int level, int variante) {
  switch (level) {
    case 1: return variante <= 8 ? 2 : 3;
    case 2: return variante <= 8 || variante == 15 || variante == 16 ? 2 : 3;
    default: return variante <= 10 ? 2 : 3;
  }
}

// The types whose gaps hold a minus, so that their fields accept "–".
bool GapsHoldMinus(int level, int variante) {
  const std::set<int> stufe2{15, 16, 18, 19, 20};
  const std::set<int> stufe3{9, 10, 18, 19, 20};
  if (level == 2) return stufe2.count(variante) > 0;
  if (level == 3) return stufe3.count(variante) > 0;
  return false;
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
    {"ErgaenzenU1", ErgaenzenU1, 1, 14, 13},
    {"ErgaenzenU2", ErgaenzenU2, 2, 20, 13},
    {"ErgaenzenU3", ErgaenzenU3, 3, 20, 11},
};

constexpr int kSeeds = 600;  // five items each

class CompletionGeneratorTest : public ::testing::TestWithParam<LevelRules> {};

TEST_P(CompletionGeneratorTest, EveryItemIsATrueFormulaWithItsGaps) {
  const LevelRules& rules = GetParam();
  std::set<int> variants;
  std::set<int> exponents;  // the exponents of the letters in the brackets (Stufe 3)
  polynomials::LongestRedraw = 0;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (int i = 1; i <= 5; ++i) {
      rules.generator(i);
      const TErgaenzen& item = polynomials::Ergaenzen[static_cast<std::size_t>(i)];
      const Text formula = RemoveChar(item.Volltext, kGapMark);
      SCOPED_TRACE(Utf8FromText(item.Volltext) + "  (type " + std::to_string(item.Variante) + ")");

      ASSERT_GE(item.Variante, 1);
      ASSERT_LE(item.Variante, rules.types);
      variants.insert(item.Variante);

      // Letters: Var1, and Var2 from Stufe 2 on, different; no other letter is written.
      EXPECT_TRUE(IsLetter(item.Var1));
      if (rules.level == 1) {
        EXPECT_EQ(item.Var2, 0);
      } else {
        EXPECT_TRUE(IsLetter(item.Var2));
        EXPECT_NE(item.Var1, item.Var2);
      }
      for (char16_t c : formula) {
        if (IsLetter(c)) {
          EXPECT_TRUE(c == item.Var1 || c == item.Var2) << "a letter not drawn";
        }
      }

      // The gaps: as many as marked, as the type has, none empty; the pieces and gaps put
      // together give the formula; nothing is left in the entries past them.
      const auto marks = std::count(item.Volltext.begin(), item.Volltext.end(), kGapMark);
      EXPECT_EQ(marks, 2 * item.AnzLuecken);
      EXPECT_EQ(item.AnzLuecken, ExpectedGaps(rules.level, item.Variante));
      Text joined;
      for (int k = 1; k <= item.AnzLuecken; ++k) {
        const auto gap = static_cast<std::size_t>(k);
        EXPECT_FALSE(item.Luecken[gap].empty());
        joined += item.Teile[gap] + item.Luecken[gap];
      }
      joined += item.Teile[static_cast<std::size_t>(item.AnzLuecken + 1)];
      EXPECT_EQ(joined, formula);
      for (int k = item.AnzLuecken + 2; k <= 7; ++k) {
        EXPECT_TRUE(item.Teile[static_cast<std::size_t>(k)].empty());
      }

      // A true identity, written by the rules.
      ExpectIdentity(formula, item.Var1, item.Var2);
      ExpectWriting(formula);

      // a ≠ b in range: the numbers of the left side are a and b (twice in a product).
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

      // The field accepts every character of each answer, "–" exactly where a gap holds one,
      // and the answers typed that way are right.
      const Text keys = AcceptedKeys(item);
      GapTexts typed;
      for (int k = 1; k <= item.AnzLuecken; ++k) {
        const auto gap = static_cast<std::size_t>(k);
        typed[gap] = Compact(item.Luecken[gap]);
        for (char16_t c : typed[gap]) {
          EXPECT_NE(keys.find(c), Text::npos) << "the field refuses " << Utf8FromText(Text(1, c));
        }
      }
      EXPECT_EQ(keys.find(u'–') != Text::npos, GapsHoldMinus(rules.level, item.Variante));
      EXPECT_TRUE(RowRight(item, typed));
      if (HasFailure()) return;
    }
  }
  for (int v = 1; v <= rules.types; ++v) EXPECT_TRUE(variants.count(v)) << "type " << v;
  if (rules.level == 3) {
    EXPECT_EQ(exponents, (std::set<int>{1, 2, 3}));
  }
  EXPECT_LE(polynomials::LongestRedraw, 100);
}

INSTANTIATE_TEST_SUITE_P(AllLevels, CompletionGeneratorTest, ::testing::ValuesIn(kLevels),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The examples of the exercise, one table ----

struct EdgeCase {
  const char* name;
  int level;
  int variante;
  CompletionValues values;
  const char16_t* volltext;
  std::vector<const char16_t*> teile;    // empty: not checked
  std::vector<const char16_t*> answers;  // as the learner types them
  bool minusKey;
};

std::ostream& operator<<(std::ostream& out, const EdgeCase& c) { return out << c.name; }

const EdgeCase kEdgeCases[] = {
    {"Stufe1Type1",
     1,
     1,
     {u't', 0, 8, 9, 1, 1},
     u"(8·t + #9#)^2 = 64·t^2 + #144·t# + 81",
     {u"(8·t + ", u")^2 = 64·t^2 + ", u" + 81"},
     {u"9", u"144t"},
     false},
    {"Stufe2Type15",
     2,
     15,
     {u'r', u'y', 10, 11, 1, 1},
     u"(10·r + 11·y)·(#10·r – 11·y#) = #100·r^2# – 121·y^2",
     {u"(10·r + 11·y)·(", u") = ", u" – 121·y^2"},
     {u"10r–11y", u"100r^2"},
     true},
    {"Stufe3Type1",
     3,
     1,
     {u'y', u'o', 7, 9, 3, 1},
     u"(7·y^3 + #9·o#)^2 = 49·y^6 + #126·y^3·o# + 81·o^2",
     {},
     {u"9o", u"126y^3o"},
     false},
    {"Stufe3Type5",
     3,
     5,
     {u'y', u'k', 2, 5, 3, 2},
     u"(#2·y^3# + 5·k^2)^2 = 4·y^6 + 20·y^3·k^2 + #25·k^4#",
     {},
     {u"2y^3", u"25k^4"},
     false},
};

class CompletionEdgeCaseTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(CompletionEdgeCaseTest, FormulaGapsAnswersAndKeys) {
  const EdgeCase& c = GetParam();
  TErgaenzen item;
  WriteErgaenzen(item, c.level, c.variante, c.values);
  EXPECT_EQ(Utf8FromText(item.Volltext), Utf8FromText(c.volltext));
  EXPECT_EQ(item.Variante, c.variante);
  EXPECT_EQ(item.Var1, c.values.x);
  ASSERT_EQ(item.AnzLuecken, static_cast<int>(c.answers.size()));
  for (std::size_t k = 0; k < c.teile.size(); ++k) {
    EXPECT_EQ(Utf8FromText(item.Teile[k + 1]), Utf8FromText(c.teile[k])) << "piece " << k + 1;
  }
  GapTexts typed;
  for (std::size_t k = 0; k < c.answers.size(); ++k) typed[k + 1] = c.answers[k];
  EXPECT_TRUE(RowRight(item, typed));
  EXPECT_EQ(AcceptedKeys(item).find(u'–') != Text::npos, c.minusKey);
}

INSTANTIATE_TEST_SUITE_P(Examples, CompletionEdgeCaseTest, ::testing::ValuesIn(kEdgeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The filler, also as the worked examples use it ----

struct FillCase {
  const char16_t* formula;
  CompletionValues values;
  GapContent gaps;
  const char16_t* expected;
};

TEST(FillCompletionFormulaTest, Table) {
  const FillCase cases[] = {
      // The worked example of Stufe 1, type 7, a = 5, b = 4, letter k.
      {u"(a·x + #b#)^2 = _P·x^2_ + M·x + Q",
       {u'k', 0, 5, 4, 1, 1},
       GapContent::Filled,
       u"(5·k + #4#)^2 = _25·k^2_ + 40·k + 16"},
      {u"(a·x + #b#)^2 = _P·x^2_ + M·x + Q",
       {u'k', 0, 5, 4, 1, 1},
       GapContent::QuestionMark,
       u"(5·k + #?#)^2 = _?_ + 40·k + 16"},
      // A gap filling a whole bracket is widened.
      {u"(a·x + b·y)·(#a·x – b·y#) = _P·x^2_ – Q·y^2",
       {u'd', u'a', 13, 6, 1, 1},
       GapContent::QuestionMark,
       u"(13·d + 6·a)·(    #?#    ) = _?_ – 36·a^2"},
      {u"(a·x + #b·y#)·(_a·x – b·y_) = ~P·x^2~ – Q·y^2",
       {u'd', u'a', 13, 6, 1, 1},
       GapContent::QuestionMark,
       u"(13·d + #?#)·(    _?_    ) = ~?~ – 36·a^2"},
      // A bracket with a blank inside is not filled by its gap.
      {u"( #a·x# + b·y)·(a·x – _b·y_) = ~P·x^2 – Q·y^2~",
       {u'c', u'e', 3, 2, 1, 1},
       GapContent::QuestionMark,
       u"( #?# + 2·e)·(3·c – _?_) = ~?~"},
      // Exponents: none written for 1, doubled for the squares.
      {u"(a·x + b·y)^2 = P·x^2 + M·x·y + Q·y^2",
       {u'p', u'q', 2, 3, 1, 3},
       GapContent::Filled,
       u"(2·p + 3·q^3)^2 = 4·p^2 + 12·p·q^3 + 9·q^6"},
      {u"(a·x + b·y)^2 = P·x^2 + M·x·y + Q·y^2",
       {u'p', u'q', 11, 10, 2, 1},
       GapContent::Filled,
       u"(11·p^2 + 10·q)^2 = 121·p^4 + 220·p^2·q + 100·q^2"},
  };
  for (const FillCase& c : cases) {
    EXPECT_EQ(Utf8FromText(FillCompletionFormula(c.formula, c.values, c.gaps)),
              Utf8FromText(c.expected))
        << Utf8FromText(c.formula);
  }
}

TEST(FillCompletionFormulaTest, OnlyTheLettersInTheTemplateAreReplaced) {
  // Drawn letters that are also placeholders (a, b, x, y) are written as they are.
  EXPECT_EQ(Utf8FromText(FillCompletionFormula(u"(a·x – #b·y#)^2", {u'b', u'a', 4, 7, 1, 2})),
            Utf8FromText(u"(4·b – #7·a^2#)^2"));
}

// The drawn values at each level: ranges, a ≠ b, different letters, every value reached.
TEST(DrawCompletionValuesTest, RangesOfEachLevel) {
  for (int level = 1; level <= 3; ++level) {
    SCOPED_TRACE(level);
    const int highest = level == 3 ? 11 : 13;
    std::set<int> numbers, exponents;
    for (int seed = 1; seed <= 400; ++seed) {
      SetRandomSeed(static_cast<std::uint32_t>(seed));
      const CompletionValues v = DrawCompletionValues(level);
      EXPECT_NE(v.a, v.b);
      numbers.insert(v.a);
      numbers.insert(v.b);
      exponents.insert(v.m);
      exponents.insert(v.n);
      EXPECT_TRUE(IsLetter(v.x));
      if (level == 1) {
        EXPECT_EQ(v.y, 0);
      } else {
        EXPECT_TRUE(IsLetter(v.y));
        EXPECT_NE(v.x, v.y);
      }
    }
    EXPECT_EQ(*numbers.begin(), 2);
    EXPECT_EQ(*numbers.rbegin(), highest);
    EXPECT_EQ(static_cast<int>(numbers.size()), highest - 1);
    EXPECT_EQ(exponents, (level == 3 ? std::set<int>{1, 2, 3} : std::set<int>{1}));
  }
}

// ---- Pieces and gaps ----

TEST(SetVolltextTest, PiecesAndGaps) {
  struct Case {
    const char16_t* volltext;
    int gaps;
    std::vector<const char16_t*> teile;
    std::vector<const char16_t*> luecken;
  };
  const Case cases[] = {
      {u"#a# = #b#", 2, {u"", u" = ", u""}, {u"a", u"b"}},
      {u"x + 1", 0, {u"x + 1"}, {}},
      {u"(x + #y", 1, {u"(x + ", u""}, {u"y"}},  // a gap left open ends with the text
      {u"#1##2##3##4##5##6##7#",
       6,
       {u"", u"", u"", u"", u"", u"", u"7"},
       {u"1", u"2", u"3", u"4", u"5", u"6"}},  // no room for a seventh gap
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.volltext));
    TErgaenzen item;
    SetVolltext(item, u"#stale# pieces #are# cleared");
    SetVolltext(item, c.volltext);
    EXPECT_EQ(item.Volltext, c.volltext);
    EXPECT_EQ(item.AnzLuecken, c.gaps);
    for (std::size_t k = 1; k <= 7; ++k) {
      const Text piece = k <= c.teile.size() ? Text{c.teile[k - 1]} : Text{};
      const Text gap = k <= c.luecken.size() ? Text{c.luecken[k - 1]} : Text{};
      EXPECT_EQ(Utf8FromText(item.Teile[k]), Utf8FromText(piece)) << "piece " << k;
      EXPECT_EQ(Utf8FromText(item.Luecken[k]), Utf8FromText(gap)) << "gap " << k;
    }
  }
}

// ---- Preparing a run ----

TEST(PrepareErgaenzenTest, MakesFiveActiveItemsOfTheLevel) {
  SetRandomSeed(5);
  for (TErgaenzen& item : polynomials::Ergaenzen) {
    item.Richtig = true;
    item.Gezeigt = true;
  }
  selection::selLevel = 2;
  PrepareErgaenzen();
  for (const TErgaenzen& item : polynomials::Ergaenzen) {
    EXPECT_TRUE(item.Aktiv);
    EXPECT_FALSE(item.Richtig);
    EXPECT_FALSE(item.Gezeigt);
    EXPECT_NE(item.Var2, 0);  // two letters: Stufe 2
    EXPECT_GE(item.AnzLuecken, 2);
  }
  selection::selLevel = 0;
  PrepareErgaenzen();
  for (const TErgaenzen& item : polynomials::Ergaenzen) EXPECT_FALSE(item.Aktiv);
  selection::ResetSelection();
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

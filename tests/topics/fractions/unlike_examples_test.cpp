// The unlike-denominator worked examples: the builders make items as sound as the exercise's
// (the same checks), and the four steps of the page show true equations: each denominator
// equals its factorisation, the main denominator its power notation, and task = extended =
// multiplied out = result (= cancelled) down the lines under the table.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "base/random.h"
#include "example_checks.h"
#include "generator_checks.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"
#include "topics/fractions/unlike_denominators_generators.h"
#include "topics/fractions/unlike_example_page.h"
#include "unlike_checks.h"

namespace kalkora::fractions {
namespace {

using test::UnlikeGenerator;

// The terms of the result numerator by level and variant: a number where only numbers stand
// over one letter, three terms for a quadratic result or three fractions in two letters.
std::size_t ResultTerms(int level, int variante) {
  static const std::map<int, std::size_t> kTerms{
      {11, 1}, {12, 1}, {13, 2}, {14, 2}, {15, 2}, {16, 2}, {17, 3},
      {21, 2}, {22, 2}, {23, 2}, {24, 2}, {25, 2}, {26, 2}, {31, 3},
      {32, 2}, {33, 2}, {34, 2}, {35, 2}, {36, 2}, {37, 2}, {38, 3},
  };
  return kTerms.at(10 * level + variante);
}

// The variants whose result may be cancelled by a number.
bool MayCancel(int level, int variante) {
  static const std::set<int> kCancelling{11, 12, 16, 21, 22, 23, 32, 33, 34};
  return kCancelling.count(10 * level + variante) > 0;
}

class UnlikeExampleTest : public testing::TestWithParam<int> {
 protected:
  const UnlikeGenerator& builder() const { return test::UnlikeExampleBuilders()[GetParam()]; }
};

TEST_P(UnlikeExampleTest, EveryVariantGivesASoundItem) {
  std::set<int> variants;
  LongestUnlikeDraws = 0;
  test::ForManyUnlikeItems(
      builder(), 2101 + static_cast<std::uint32_t>(GetParam()), [&](const TBruchM& item) {
        ASSERT_GE(item.Variante, 1);
        ASSERT_LE(item.Variante, builder().variants);
        variants.insert(item.Variante);
        test::ExpectSoundItem(item, ResultTerms(builder().level, item.Variante));
        if (!MayCancel(builder().level, item.Variante)) {
          EXPECT_FALSE(item.Kenn[1]);
        }
      });
  EXPECT_EQ(static_cast<int>(variants.size()), builder().variants);
  EXPECT_LE(LongestUnlikeDraws, 10000);
}

TEST_P(UnlikeExampleTest, EachStartsFromAFreshRecord) {
  test::ExpectFreshRecord(builder().generate);
}

// Where the page's equations are read: each row of the table on its own, the lines under it
// as one chain.
void ExpectPageHolds(const TBruchM& item, const UnlikeExamplePage& page) {
  for (const ExampleRow& cell : page.cells) {
    bool hasEquals = false;
    for (const RowPiece& piece : cell.pieces)
      hasEquals = hasEquals || piece.form == PieceForm::Equals;
    if (hasEquals) test::ExpectEquationsHold({cell});
  }
  test::ExpectEquationsHold(page.lines);
  // The factor of fraction i stands in its row in the fraction's colour, and it is what the
  // denominator lacks of the main denominator.
  const char16_t markers[] = {u'#', u'_', u'~'};
  const TUngleich& u = item.Ungleich;
  for (int i = 1; i <= item.Anzahl; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const ExampleRow& factor = page.cells[static_cast<std::size_t>(item.Anzahl + i)];
    ASSERT_EQ(factor.pieces.size(), 1u);
    EXPECT_EQ(factor.y, UnlikeTableRowY(i));
    const auto marked = test::MarkedParts(factor.pieces[0].texts[0], markers[i - 1]);
    ASSERT_EQ(marked.size(), 1u);
    const Text letters = test::LettersIn({u.HN, u.Nenner[at]});
    test::ExpectSameValues([&](const test::LetterValues& v) { return test::ValueOf(marked[0], v); },
                           [&](const test::LetterValues& v) {
                             return test::ValueOf(u.HN, v) / test::ValueOf(u.Nenner[at], v);
                           },
                           letters);
  }
}

// 600 examples of each level (every variant many times): reading the equations back through
// the evaluator is what takes the time.
TEST_P(UnlikeExampleTest, EveryStepShowsTrueEquations) {
  SetRandomSeed(2201 + static_cast<std::uint32_t>(GetParam()));
  std::set<int> variants;
  for (int n = 0; n < 600 && !testing::Test::HasFailure(); ++n) {
    builder().generate(1);
    const TBruchM& item = Bruch[1];
    SCOPED_TRACE(test::UnlikeTrace(item));
    variants.insert(item.Variante);
    const int count = item.Anzahl;
    for (int step = 1; step <= kUnlikeExampleSteps; ++step) {
      SCOPED_TRACE(testing::Message() << "step " << step);
      const UnlikeExamplePage page = UnlikeExampleAt(item, step);
      EXPECT_EQ(page.table.rows, count + 1);
      // Steps 1, 3, 4 add a line under the table, step 2 the main denominator and the factors
      // to the table.
      const std::size_t lines[] = {0, 1, 1, 2, 3};
      EXPECT_EQ(page.lines.size(), lines[step]);
      EXPECT_EQ(page.cells.size(), static_cast<std::size_t>(step == 1 ? count : 2 * count + 1));
      for (const ExampleRow& line : page.lines) {
        EXPECT_EQ(line.pieces.back().form == PieceForm::Equals,
                  &line != &page.lines.back() || step < 4);
      }
      if (step == 4) ExpectPageHolds(item, page);
    }
  }
  ClearFixedRandomSeed();
  EXPECT_EQ(static_cast<int>(variants.size()), builder().variants);
}

INSTANTIATE_TEST_SUITE_P(Levels, UnlikeExampleTest, testing::Range(0, 3),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(test::UnlikeExampleBuilders()[info.param].name);
                         });

// The Part's example: 8/(s^2 – 16) + 10/(s + 4) with the main denominator (s – 4)·(s + 4), the
// factors 1 and s – 4, and the result (10·s – 32)/((s – 4)·(s + 4)).
TEST(UnlikeExamplePage, ThePartsExampleReadsAsOnTheBlackboard) {
  SetRandomSeed(5);
  TBruchM& item = Bruch[1];
  for (int n = 0; n < 20000; ++n) {
    AddSubUngleichM2(1);
    if (item.Variante == 4 && item.Ungleich.Zaehler[1] == u"8" &&
        item.Ungleich.Zaehler[2] == u"10" &&
        item.Ungleich.Nenner[1] == Write(item.Var1, u"^2 – 16") && item.Ungleich.Zeichen1 == u'+' &&
        item.Ungleich.Nenner[2] == Write(item.Var1, u" + 4")) {
      break;
    }
  }
  ClearFixedRandomSeed();
  ASSERT_EQ(item.Variante, 4);
  ASSERT_EQ(item.Ungleich.Zaehler[1], u"8");
  const char16_t s = item.Var1;
  const UnlikeExamplePage page = UnlikeExampleAt(item, 4);
  const auto texts = [](const ExampleRow& row) {
    std::vector<Text> all;
    for (const RowPiece& piece : row.pieces) {
      for (const Text& text : piece.texts) all.push_back(text);
    }
    return all;
  };
  EXPECT_EQ(texts(page.cells[0]), (std::vector<Text>{Write(s, u"^2 – 16"), u"=",
                                                     Write(u'(', s, u" – 4)·(", s, u" + 4)")}));
  EXPECT_EQ(texts(page.cells[1]), std::vector<Text>{Write(s, u" + 4")});  // nothing to factor
  EXPECT_EQ(texts(page.cells[2]), std::vector<Text>{Write(u'(', s, u" – 4)·(", s, u" + 4)")});
  EXPECT_EQ(texts(page.cells[3]), std::vector<Text>{u"#1#"});
  EXPECT_EQ(texts(page.cells[4]), std::vector<Text>{Write(u'_', s, u" – 4_")});
  const std::vector<Text> last = texts(page.lines[2]);
  EXPECT_EQ(last.back(), Write(u'(', s, u" – 4)·(", s, u" + 4)"));
  EXPECT_EQ(last[last.size() - 2], Write(u"10·", s, u" – 32"));
}

// A result with a negative leading coefficient is written with its minus before the fraction.
TEST(UnlikeExamplePage, ANegativeResultHasItsMinusBeforeTheFraction) {
  SetRandomSeed(7);
  int negative = 0;
  for (int n = 0; n < 3000; ++n) {
    AddSubUngleichM1(1);
    const TBruchM& item = Bruch[1];
    const UnlikeExamplePage page = UnlikeExampleAt(item, 4);
    const std::vector<RowPiece>& pieces = page.lines.back().pieces;
    const auto equals = std::find_if(pieces.begin(), pieces.end(), [](const RowPiece& piece) {
      return piece.form == PieceForm::Equals;
    });
    ASSERT_NE(equals, pieces.end());
    const RowPiece& afterEquals = *(equals + 1);
    const bool minus = item.Ungleich.Ergebnis.front() == u'–';
    EXPECT_EQ(afterEquals.form == PieceForm::Sign, minus) << test::UnlikeTrace(item);
    if (!minus) continue;
    ++negative;
    EXPECT_EQ(afterEquals.texts[0], u"–");
    EXPECT_NE((equals + 2)->texts[0].front(), u'–');
  }
  ClearFixedRandomSeed();
  EXPECT_GT(negative, 100);
}

TEST(UnlikeExamplePage, NegatedSumTurnsEverySign) {
  const std::vector<std::pair<Text, Text>> cases{{u"–7", u"7"},
                                                 {u"7", u"–7"},
                                                 {u"–3·x + 5", u"3·x – 5"},
                                                 {u"2·x^2 – x – 4", u"–2·x^2 + x + 4"}};
  for (const auto& [sum, negated] : cases) EXPECT_EQ(NegatedSum(sum), negated);
}

}  // namespace
}  // namespace kalkora::fractions

// The rows of the fraction worked examples, read without a window: every "=" drawn holds, the
// rows stand where the page puts them, and the forms the page chooses for special results.

#include "topics/fractions/fraction_example_rows.h"

#include <gtest/gtest.h>

#include "base/random.h"
#include "example_checks.h"
#include "topics/fractions/fraction_example_texts.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions::test {
namespace {

struct Page {
  int topic;
  int level;
};

// Every page with three examples on rows (the stepwise pages have one example of their own).
std::vector<Page> PagesWithRows() {
  std::vector<Page> pages;
  for (int topic = 1; topic <= kFractionExampleTopics; ++topic) {
    for (int level = 1; level <= 3; ++level) {
      if (PrepareExamplesPlan(topic, level).count == 3) pages.push_back({topic, level});
    }
  }
  return pages;
}

TEST(FractionExampleRows, EveryEqualsSignDrawnHolds) {
  for (const Page& page : PagesWithRows()) {
    if (page.topic == 1 || page.topic == 3) continue;  // conditions and kgV lines, no chains
    SCOPED_TRACE(testing::Message() << "topic " << page.topic << " Stufe " << page.level);
    const ExampleBuilder build = FractionExampleBuilder(page.topic, page.level);
    SetRandomSeed(static_cast<std::uint32_t>(100 + 10 * page.topic + page.level));
    for (int n = 0; n < 300; ++n) {
      const int example = n % 3 + 1;
      build(example);
      const TBruchM& item = Bruch[static_cast<std::size_t>(example)];
      SCOPED_TRACE(ExampleTrace(item));
      ExpectEquationsHold(FractionExampleRows(item, page.topic, page.level, example));
      if (testing::Test::HasFailure()) return;
    }
  }
}

// Example i stands at y = 45 − 20·i, except where the page moves its rows: kgV two lines at
// 48 − 20·i and 44 − 20·i, like denominators at Stufe 3 at 40 − 20·i, multiplying at Stufe 3
// at 41 − 20·i, dividing at Stufe 2 and 3 on two lines at 47 − 20·i and 39 − 20·i, dividing
// by a monomial at 42 − 20·i; a domain sum is factored 4 units lower.
TEST(FractionExampleRows, RowsStandWhereThePagePutsThem) {
  for (const Page& page : PagesWithRows()) {
    SCOPED_TRACE(testing::Message() << "topic " << page.topic << " Stufe " << page.level);
    SetRandomSeed(7);
    for (int example = 1; example <= 3; ++example) {
      FractionExampleBuilder(page.topic, page.level)(example);
      const auto rows = FractionExampleRows(Bruch[static_cast<std::size_t>(example)], page.topic,
                                            page.level, example);
      ASSERT_FALSE(rows.empty());
      std::vector<double> ys;
      for (const ExampleRow& row : rows) ys.push_back(row.y + 20.0 * example);
      std::vector<double> expected{45};
      if (page.topic == 3) expected = {48, 44};
      if (page.topic == 4 && page.level == 3) expected = {40};
      if (page.topic == 6 && page.level == 3) expected = {41};
      if (page.topic == 7 && page.level > 1) expected = {47, 39};
      if (page.topic == 8) expected = {42};
      if (page.topic == 1 && rows.size() == 2) expected = {45, 41};
      EXPECT_EQ(ys, expected);
      for (const ExampleRow& row : rows) {
        for (const RowPiece& piece : row.pieces) {
          for (const Text& text : piece.texts) EXPECT_FALSE(text.empty());
        }
      }
    }
  }
}

// Hand-made items for the special forms.
TBruchM Item() { return TBruchM{}; }

TEST(FractionExampleRows, ASingleLetterDenominatorShowsOnlyItsCondition) {
  TBruchM item = Item();
  item.Text[1] = u"8";
  item.Text[4] = u"h";
  item.Text[9] = u"0";
  item.Var1 = u'h';
  const auto rows = FractionExampleRows(item, 1, 1, 2);
  ASSERT_EQ(rows.size(), 1u);
  ASSERT_EQ(rows[0].pieces.size(), 2u);  // the fraction and ‹h ≠ 0›
  EXPECT_EQ(rows[0].pieces[0].form, PieceForm::PowerFraction);
  EXPECT_EQ(rows[0].pieces[0].texts[1], u"#h#");
  EXPECT_TRUE(rows[0].pieces[0].centred);
  EXPECT_EQ(rows[0].pieces[0].x, -16);
  const RowPiece& condition = rows[0].pieces[1];
  EXPECT_EQ(condition.form, PieceForm::SymbolMixed);
  EXPECT_EQ(condition.texts[0], u"h ~¹ 0");
  EXPECT_EQ(condition.x, 23);
  EXPECT_EQ(condition.ink, Ink::Rose);
}

TEST(FractionExampleRows, ADomainQuotientIsDrawnAsAFractionWithItsMinusBefore) {
  TBruchM item = Item();
  item.Text[1] = u"7·a";
  item.Text[4] = u"8·a + 6";
  item.Text[9] = u"–6";
  item.Text[10] = u"8";
  item.Schalter = true;
  item.Var1 = u'a';
  const auto rows = FractionExampleRows(item, 1, 2, 1);
  ASSERT_EQ(rows[0].pieces.size(), 4u);
  EXPECT_EQ(rows[0].pieces[1].texts[0], u"8·a + 6 ~¹ 0");
  EXPECT_EQ(rows[0].pieces[1].x, 0);
  EXPECT_EQ(rows[0].pieces[2].form, PieceForm::Arrow);
  EXPECT_EQ(rows[0].pieces[2].x, 15);
  const RowPiece& value = rows[0].pieces[3];
  EXPECT_EQ(value.form, PieceForm::TextWithFraction);
  EXPECT_EQ(value.texts[0], u"a ~¹ – ");
  EXPECT_EQ(value.texts[1], u"6/8");
  EXPECT_EQ(value.x, 23);
}

TEST(FractionExampleRows, ACancellingResultThatIsOneTermIsText) {
  TBruchM item = Item();
  item.Text[1] = u"x^4";
  item.Text[4] = u"x";
  item.Text[11] = u"x^3·#x#";
  item.Text[12] = u"#x#";
  item.Text[9] = u"x^3";
  for (int level = 1; level <= 3; ++level) {
    const auto rows = FractionExampleRows(item, 2, level, 1);
    ASSERT_EQ(rows.size(), 1u);
    const RowPiece& result = rows[0].pieces.back();
    EXPECT_EQ(result.form, PieceForm::Markup);
    EXPECT_EQ(result.texts[0], u"x^3");
    EXPECT_DOUBLE_EQ(result.raise, level == 1 ? 0.3 : 0.5);
  }
  item.Schalter = true;
  item.Text[10] = u"1";
  EXPECT_EQ(FractionExampleRows(item, 2, 1, 1)[0].pieces.back().form, PieceForm::Fraction);
}

TEST(FractionExampleRows, ALikeDenominatorResultWhoseDenominatorCancelsEndsInTheNumber) {
  TBruchM item = Item();
  item.Anzahl = 2;
  item.Daten[1] = u"#4·n# + _8_";
  item.Daten[2] = u"+";
  item.Daten[3] = u"#2·n# + _4_";
  item.Text[4] = u"3·(n + 2)";
  item.Text[5] = u"3·(n + 2)";
  item.Text[6] = u"3·n + 6";
  item.Text[7] = u"~3·(n + 2)~";
  item.Daten[9] = u"#6·n# + _12_";
  item.Daten[10] = u"2·~3·(n + 2)~";
  item.Daten[11] = u"2";
  item.Kenn[1] = true;
  const auto rows = FractionExampleRows(item, 4, 3, 1);
  ASSERT_EQ(rows.size(), 1u);
  const auto& pieces = rows[0].pieces;
  EXPECT_EQ(pieces[pieces.size() - 2].form, PieceForm::Equals);
  EXPECT_EQ(pieces.back().form, PieceForm::Markup);
  EXPECT_EQ(pieces.back().texts[0], u"2");
  ExpectEquationsHold(rows);
  EXPECT_EQ(EquationSides(rows).size(), 4u);
}

TEST(FractionExampleRows, ALikeDenominatorResultOfZeroIsText) {
  TBruchM item = Item();
  item.Anzahl = 2;
  item.Daten[1] = u"#5#";
  item.Daten[2] = u"–";
  item.Daten[3] = u"#5#";
  item.Text[4] = u"7·x";
  item.Daten[9] = u"0";
  const auto rows = FractionExampleRows(item, 4, 1, 1);
  EXPECT_EQ(rows[0].pieces.back().form, PieceForm::Markup);
  ExpectEquationsHold(rows);
}

TEST(FractionExampleRows, AProductOverOneIsItsNumeratorAndTheDivisionTurnsTheSecondFractionOver) {
  TBruchM item = Item();
  item.Text[1] = u"14·n";
  item.Text[5] = u"13";
  item.Text[2] = u"11";
  item.Text[6] = u"7";
  item.Daten[1] = u"#14#·n";
  item.Daten[2] = u"13";
  item.Daten[3] = u"11";
  item.Daten[4] = u"#7#";
  item.Daten[5] = u"2·n";
  item.Daten[6] = u"13";
  item.Daten[7] = u"11";
  item.Daten[8] = u"1";
  item.Text[9] = u"22·n";
  item.Text[10] = u"13";
  const auto multiplied = FractionExampleRows(item, 6, 1, 1);
  EXPECT_EQ(multiplied[0].pieces.size(), 3u);
  ExpectEquationsHold(multiplied);
  const auto divided = FractionExampleRows(item, 7, 1, 1);
  ASSERT_EQ(divided[0].pieces.size(), 4u);
  const RowPiece& division = divided[0].pieces[0];
  EXPECT_EQ(division.ink, Ink::Black);
  EXPECT_EQ(division.texts, (std::vector<Text>{u"14·n", u"13", u":", u"7", u"11"}));
  ExpectEquationsHold(divided);

  item.Text[5] = u"1";
  item.Daten[2] = u"1";
  item.Daten[6] = u"1";
  item.Text[10] = u"1";
  const auto overOne = FractionExampleRows(item, 6, 1, 1);
  const RowPiece& result = overOne[0].pieces.back();
  EXPECT_EQ(result.form, PieceForm::Markup6);
  EXPECT_EQ(result.texts[0], u"22·n");
  EXPECT_DOUBLE_EQ(result.raise, 0.4);
}

TEST(FractionExampleRows, StepwisePagesHaveNoRowsHere) {
  const TBruchM item = Item();
  EXPECT_TRUE(FractionExampleRows(item, 5, 1, 1).empty());
  EXPECT_TRUE(FractionExampleRows(item, 8, 2, 1).empty());
  EXPECT_TRUE(FractionExampleRows(item, 8, 3, 1).empty());
}

// What PrepareExamples sets up, topic by topic and level by level.
TEST(FractionExamplePlan, CountsButtonsAndBuilders) {
  struct Row {
    int topic;
    int level;
    int count;
    bool stepButton;
    bool moreExamples;
    bool stepMenuItem;
    bool builder;
  };
  std::vector<Row> expected;
  for (int topic = 1; topic <= 8; ++topic) {
    for (int level = 1; level <= 3; ++level) {
      if (topic == 5) {
        expected.push_back({topic, level, 1, true, false, false, true});
      } else if (topic == 8 && level > 1) {
        expected.push_back({topic, level, 1, true, false, true, true});
      } else {
        expected.push_back({topic, level, 3, false, true, false, true});
      }
    }
  }
  for (const Row& row : expected) {
    SCOPED_TRACE(testing::Message() << "topic " << row.topic << " Stufe " << row.level);
    const ExamplePlan plan = PrepareExamplesPlan(row.topic, row.level);
    EXPECT_EQ(plan.count, row.count);
    EXPECT_EQ(plan.stepButton, row.stepButton);
    EXPECT_EQ(plan.moreExamples, row.moreExamples);
    EXPECT_EQ(plan.stepMenuItem, row.stepMenuItem);
    EXPECT_EQ(FractionExampleBuilder(row.topic, row.level) != nullptr, row.builder);
  }
  EXPECT_EQ(PrepareExamplesPlan(5, 1).stepCount, 4);
  EXPECT_EQ(FractionExampleBuilder(5, 2), &AddSubUngleichM2);
  EXPECT_EQ(FractionExampleBuilder(8, 3), &TermDivM3);
  EXPECT_EQ(FractionExampleBuilder(9, 1), nullptr);
  EXPECT_EQ(FractionExampleBuilder(1, 4), nullptr);
  // Topics 6 and 7 share their builders.
  for (int level = 1; level <= 3; ++level) {
    EXPECT_EQ(FractionExampleBuilder(6, level), FractionExampleBuilder(7, level));
  }
}

TEST(FractionExamplePlan, LabelsStandBesideTheExamples) {
  const auto three = FractionExampleLabels(2, 3);
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[0].text, u"~Beispiel 1~");
  EXPECT_EQ(three[2].text, u"~Beispiel 3~");
  EXPECT_EQ((std::vector<double>{three[0].y, three[1].y, three[2].y}),
            (std::vector<double>{26, 6, -14}));
  const auto division = FractionExampleLabels(8, 3);
  EXPECT_EQ((std::vector<double>{division[0].y, division[1].y, division[2].y}),
            (std::vector<double>{31, 11, -9}));
  EXPECT_EQ(FractionExampleLabels(5, 1)[0].text, u"~Beispiel~");
  EXPECT_EQ(FractionExampleLabels(5, 1)[0].y, 32);
  EXPECT_EQ(FractionExampleLabels(8, 1)[0].y, 28);
}

}  // namespace
}  // namespace kalkora::fractions::test

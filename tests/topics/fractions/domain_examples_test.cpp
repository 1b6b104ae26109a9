// The domain examples: the excluded values drawn are exactly the zeros of the denominator.

#include <gtest/gtest.h>

#include <cmath>

#include "example_checks.h"
#include "generator_checks.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions::test {
namespace {

struct Builder {
  void (*build)(int);
  int level;
  int variants;
};

const Builder kBuilders[] = {{DefmengeM1, 1, 9}, {DefmengeM2, 2, 8}, {DefmengeM3, 3, 9}};

// One condition ‹letter ≠ value› as drawn.
struct Condition {
  char16_t letter = 0;
  Text value;  // an expression in display form
};

// The conditions drawn from x = 23 on: ‹x ≠ –5›, ‹x ≠ – 5/3› (a text with a fraction).
std::vector<Condition> DrawnConditions(const std::vector<ExampleRow>& rows) {
  std::vector<Condition> conditions;
  for (const ExampleRow& row : rows) {
    for (const RowPiece& piece : row.pieces) {
      if (piece.x < 23) continue;
      const Text& text = piece.texts[0];
      const std::size_t unequal = text.find(u" ~¹ ");
      EXPECT_EQ(unequal, 1u) << Utf8FromText(text);
      EXPECT_EQ(piece.ink, Ink::Rose);
      if (unequal != 1) continue;
      Condition c{text[0], text.substr(5)};
      if (piece.form == PieceForm::TextWithFraction) {
        EXPECT_TRUE(c.value.empty() || c.value == u"– ") << Utf8FromText(text);
        c.value = Write(c.value.empty() ? u"" : u"–", u'(', piece.texts[1], u')');
      } else {
        EXPECT_EQ(piece.form, PieceForm::SymbolMixed);
      }
      conditions.push_back(c);
    }
  }
  return conditions;
}

// The denominator is k · Π (letter − value) with a constant k ≠ 0: it is zero for each drawn
// value and for no other value of its letter (the values are different).
void ExpectExactlyTheZeros(TextView denominator, const std::vector<Condition>& conditions) {
  const Text letters = LettersIn({denominator});
  double ratio = NAN;
  int counted = 0;
  for (int trial = 0; trial < 6; ++trial) {
    LetterValues values = SampleValues(letters, trial);
    double product = 1;
    for (const Condition& c : conditions) {
      // The value of the letter that makes its factor zero, from the other letters.
      LetterValues at = values;
      const double zero = ValueOf(c.value, values);
      ASSERT_TRUE(std::isfinite(zero)) << Utf8FromText(c.value);
      at[c.letter] = zero;
      EXPECT_NEAR(ValueOf(denominator, at), 0, 1e-9) << Utf8FromText(c.value);
      product *= values[c.letter] - zero;
    }
    if (std::abs(product) < 1e-6) continue;
    const double r = ValueOf(denominator, values) / product;
    if (counted++ == 0) {
      ratio = r;
      EXPECT_GT(std::abs(ratio), 1e-9);
    } else {
      EXPECT_NEAR(r, ratio, 1e-7 * std::abs(ratio)) << "another zero or a missing one";
    }
  }
  EXPECT_GE(counted, 3);
}

TEST(DomainExamples, EveryVariantIsBuilt) {
  for (const Builder& b : kBuilders) ExpectEveryVariant(b.build, b.variants);
}

TEST(DomainExamples, EachStartsFromAFreshRecord) {
  for (const Builder& b : kBuilders) ExpectFreshRecord(b.build);
}

TEST(DomainExamples, TheExcludedValuesAreExactlyTheZerosOfTheDenominator) {
  for (const Builder& b : kBuilders) {
    SCOPED_TRACE(b.level);
    ForManyExamples(40 + static_cast<std::uint32_t>(b.level), b.build, [&](const TBruchM& item) {
      for (const std::size_t slot : {1, 4, 9, 10, 11, 12}) ExpectFinishedText(item.Text[slot]);
      const auto rows = FractionExampleRows(item, 1, b.level, 1);
      const std::vector<Condition> conditions = DrawnConditions(rows);
      ASSERT_EQ(conditions.size(), b.level == 3 ? 2u : 1u);
      ExpectExactlyTheZeros(item.Text[4], conditions);
      if (b.level == 3) {
        EXPECT_NE(conditions[0].value + Text(1, conditions[0].letter),
                  conditions[1].value + Text(1, conditions[1].letter));
      }
      // A quotient is in lowest terms.
      if (item.Schalter) {
        const TextView denominator = b.level == 3 ? item.Text[12] : item.Text[10];
        const TextView numerator = b.level == 3 ? item.Text[10] : item.Text[9];
        EXPECT_EQ(GcdOf(MustRead(numerator).content(), MustRead(denominator).content()), 1);
      }
    });
  }
}

// At Stufe 3 a sum is factored first: the factored form is the denominator, drawn in black
// under it, and the values follow from it.
TEST(DomainExamples, ASumIsFactoredBeforeItsValues) {
  int sums = 0;
  ForManyExamples(43, DefmengeM3, [&](const TBruchM& item) {
    const auto rows = FractionExampleRows(item, 1, 3, 2);
    if (item.Text[11].empty()) {
      ASSERT_EQ(rows.size(), 1u);
      return;
    }
    ++sums;
    EXPECT_EQ(MustRead(item.Text[11]), MustRead(item.Text[4]));
    EXPECT_NE(item.Text[11], item.Text[4]);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_DOUBLE_EQ(rows[1].y, rows[0].y - 4);
    EXPECT_EQ(rows[1].pieces[0].texts[0], item.Text[11] + u" ~¹ 0");
    EXPECT_EQ(rows[1].pieces[0].ink, Ink::Black);
    EXPECT_EQ(rows[1].pieces[1].form, PieceForm::Arrow);
  });
  EXPECT_GT(sums, 300);
}

}  // namespace
}  // namespace kalkora::fractions::test

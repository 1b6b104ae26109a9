#include "topics/fractions/unlike_denominators_lines.h"

#include <gtest/gtest.h>

#include "term_reading.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_texts.h"
#include "unlike_checks.h"

namespace kalkora::fractions {
namespace {

Text WithoutMarkers(TextView text) {
  Text plain;
  for (char16_t ch : text) {
    if (ch != u'~') plain += ch;
  }
  return plain;
}

test::Polynomial Read(TextView text) {
  const auto polynomial = test::ReadPolynomial(text);
  EXPECT_TRUE(polynomial.has_value()) << Utf8FromText(text);
  return polynomial.value_or(test::Polynomial{});
}

// The two sums drawn under the table say what the result says: the numerators times their
// factors, and the extended numerators with the task's signs, add up to the result numerator
// over the main denominator. Read as polynomials, independently of how they were written.
TEST(UnlikeLines, SumsUnderTheTableAddUpToTheResult) {
  int bracketed = 0;
  for (int g = 0; g < test::kUnlikeGeneratorCount; ++g) {
    test::ForManyUnlikeItems(test::UnlikeGenerators()[g], 2203 + g, [&](const TBruchM& item) {
      const test::Polynomial result = Read(item.Ungleich.Ergebnis);
      EXPECT_EQ(Read(WithoutMarkers(ExtendedNumeratorSum(item))), result)
          << Utf8FromText(ExtendedNumeratorSum(item));
      std::vector<Text> numerators;
      for (std::size_t i = 1; i <= static_cast<std::size_t>(item.Anzahl); ++i) {
        numerators.push_back(item.Ungleich.NeuZaehler[i]);
      }
      const Text sum = NumeratorSum(item, numerators);
      EXPECT_EQ(Read(sum), result) << Utf8FromText(sum);
      for (const NumeratorTerm& term : NumeratorTerms(item)) bracketed += term.bracketed;
      EXPECT_EQ(ResultDenominator(item), item.Kenn[1] ? item.Ungleich.GekNenner : item.Ungleich.HN);
    });
  }
  EXPECT_GT(bracketed, 0) << "no item subtracted a sum";
}

TEST(UnlikeLines, SubtractedSumsStandInBrackets) {
  TBruchM item;
  item.Anzahl = 3;
  item.Ungleich.Zeichen1 = u'–';
  item.Ungleich.Zeichen2 = u'–';
  item.Ungleich.NeuZaehler[1] = u"6·x + 4";
  item.Ungleich.NeuZaehler[2] = u"3·(x + 1)";
  item.Ungleich.NeuZaehler[3] = u"2·x – 8";
  EXPECT_EQ(NumeratorSum(item, {u"6·x + 4", u"3·(x + 1)", u"2·x – 8"}),
            u"6·x + 4 – 3·(x + 1) – (2·x – 8)");
  item.Ungleich.Zeichen2 = u'+';
  EXPECT_EQ(NumeratorSum(item, {u"a", u"b", u"c"}), u"a – b + c");
  item.Ungleich.NeuZaehler[3] = u"–5";
  EXPECT_EQ(NumeratorSum(item, {u"a", u"b", u"–5"}), u"a – b + (–5)");
  item.Anzahl = 2;
  item.Ungleich.Zeichen1 = u'+';
  item.Ungleich.ErwZaehler[1] = u"5·~3~";
  item.Ungleich.ErwZaehler[2] = u"(x – 1)·~2·x~";
  EXPECT_EQ(ExtendedNumeratorSum(item), u"5·~3~ + (x – 1)·~2·x~");
}

TEST(UnlikeCaption, NamesTheLevel) {
  EXPECT_EQ(UnlikeCaption(2),
            u"Übungsbeispiele: Bruchterme – Addieren/Subrahieren mit ungleichnamigem Nenner "
            u"(Stufe 2)");
  EXPECT_TRUE(UnlikeCaption(3).ends_with(u"(Stufe 3)"));
  EXPECT_TRUE(UnlikeCaption(0).ends_with(u"(Stufe 1)"));
}

}  // namespace
}  // namespace kalkora::fractions

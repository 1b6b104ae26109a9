#include "topics/fractions/unlike_denominators_generators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>
#include <set>

#include "base/random.h"
#include "generator_checks.h"
#include "topics/fractions/fraction_record.h"
#include "unlike_checks.h"

namespace kalkora::fractions {
namespace {

using test::Polynomial;
using test::UnlikeGenerator;

// Every number a sum of the item holds, for the size limits of the variants.
long long LargestCoefficient(TextView text) {
  long long largest = 0;
  for (const auto& [m, c] : test::MustRead(text).terms) largest = std::max(largest, std::abs(c));
  return largest;
}

// The number of terms the result numerator has, by level and variant: a number at Stufe 1
// variants 1 and 2, a quadratic at Stufe 3 variant 1, two terms everywhere else.
std::size_t ResultTerms(int level, int variante) {
  if (level == 1 && variante <= 2) return 1;
  if (level == 3 && variante == 1) return 3;
  return 2;
}

class UnlikeGeneratorTest : public testing::TestWithParam<int> {
 protected:
  const UnlikeGenerator& generator() const { return test::UnlikeGenerators()[GetParam()]; }
};

TEST_P(UnlikeGeneratorTest, EveryItemAddsUpAndEndsInLowestTerms) {
  std::set<int> variants;
  std::map<int, std::set<bool>> cancelled;
  LongestUnlikeDraws = 0;
  test::ForManyUnlikeItems(generator(), 1601 + GetParam(), [&](const TBruchM& item) {
    ASSERT_GE(item.Variante, 1);
    ASSERT_LE(item.Variante, generator().variants);
    variants.insert(item.Variante);
    cancelled[item.Variante].insert(item.Kenn[1]);
    test::ExpectSoundItem(item, ResultTerms(generator().level, item.Variante));
  });
  EXPECT_EQ(static_cast<int>(variants.size()), generator().variants);
  EXPECT_GT(LongestUnlikeDraws, 0);
  EXPECT_LE(LongestUnlikeDraws, 10000);
  // Where a variant cancels at all, both kinds of result occur.
  for (const auto& [variante, kinds] : cancelled) {
    const bool cancels =
        !(generator().level == 1 && variante >= 3) && !(generator().level == 3 && variante == 1);
    EXPECT_EQ(kinds.size(), cancels ? 2u : 1u) << "Variante " << variante;
  }
}

TEST_P(UnlikeGeneratorTest, NothingOfAnEarlierItemSurvives) {
  SetRandomSeed(1701 + static_cast<std::uint32_t>(GetParam()));
  for (int n = 0; n < 300; ++n) {
    const std::size_t index = static_cast<std::size_t>(n % 5 + 1);
    TBruchM& item = Bruch[index];
    item.Kenn.fill(true);
    item.SchrittRichtig.fill(true);
    item.SchrittGezeigt.fill(true);
    item.Loesung = u"alt";
    item.Text[1] = u"alt";
    item.Ungleich.Zaehler.fill(u"alt");
    item.Ungleich.GekZaehler = u"alt";
    item.Ungleich.GekNenner = u"alt";
    item.Ungleich.Zeichen2 = u'–';
    generator().generate(static_cast<int>(index));
    SCOPED_TRACE(test::UnlikeTrace(item));
    EXPECT_EQ(item.Kenn[1], !item.Ungleich.GekZaehler.empty());
    EXPECT_FALSE(item.Kenn[2]);
    EXPECT_FALSE(item.Kenn[4]);
    for (std::size_t stage = 1; stage <= 5; ++stage) {
      EXPECT_FALSE(item.SchrittRichtig[stage]);
      EXPECT_FALSE(item.SchrittGezeigt[stage]);
    }
    EXPECT_TRUE(item.Loesung.empty());
    EXPECT_TRUE(item.Text[1].empty());
    if (item.Anzahl == 2) {
      EXPECT_TRUE(item.Ungleich.Zaehler[3].empty());
      EXPECT_EQ(item.Ungleich.Zeichen2, u'+');
    }
  }
  ClearFixedRandomSeed();
}

INSTANTIATE_TEST_SUITE_P(Levels, UnlikeGeneratorTest, testing::Range(0, 3),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(test::UnlikeGenerators()[info.param].name);
                         });

// The limits each variant sets on its numbers (read back from the texts).
TEST(AddSubUngleich, NumbersStayWithinTheLimitsOfTheirVariant) {
  for (int g = 0; g < test::kUnlikeGeneratorCount; ++g) {
    const UnlikeGenerator& generator = test::UnlikeGenerators()[g];
    test::ForManyUnlikeItems(generator, 1801 + g, [&](const TBruchM& item) {
      const TUngleich& u = item.Ungleich;
      const long long hn = test::Factorise(test::MustRead(u.HN)).number;
      const auto denominatorNumber = [&](std::size_t i) {
        return test::MustRead(u.Nenner[i]).content();
      };
      const int variante = generator.level * 10 + item.Variante;
      switch (variante) {
        case 11:
        case 12:
          for (std::size_t i = 1; i <= static_cast<std::size_t>(item.Anzahl); ++i) {
            const long long d = denominatorNumber(i);
            EXPECT_TRUE(d >= 4 && d <= (variante == 11 ? 31 : 16)) << d;
            EXPECT_FALSE(d == 5 || d == 7 || d == 11 || d == 13) << d;
            EXPECT_EQ(std::gcd(d, test::MustRead(u.Zaehler[i]).content()), 1);
          }
          if (variante == 11) EXPECT_NE(std::gcd(denominatorNumber(1), denominatorNumber(2)), 1);
          if (variante == 12) EXPECT_LT(hn, 150);
          break;
        case 22:
          EXPECT_LE(hn, 79);
          EXPECT_LE(LargestCoefficient(u.Ergebnis), 79);
          break;
        case 23:
          // The x^2 terms of the extended numerators are equal and cancel.
          EXPECT_EQ(u.Zeichen1, u'–');
          {
            const test::Monomial square{{item.Var1, 2}};
            const long long first = test::MustRead(u.NeuZaehler[1]).coefficient(square);
            EXPECT_EQ(first, test::MustRead(u.NeuZaehler[2]).coefficient(square));
            EXPECT_TRUE(first > 0 && first < 100) << first;
          }
          break;
        case 31:
        case 32:
        case 33:
          for (char16_t letter : {item.Var1, item.Var2}) {
            EXPECT_TRUE(letter != u'm' && letter != u'w');
          }
          if (variante == 32) EXPECT_LE(hn, 59);
          if (variante == 33) EXPECT_LE(hn, 19);
          break;
        default: break;
      }
    });
  }
}

}  // namespace
}  // namespace kalkora::fractions

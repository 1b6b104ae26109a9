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

using test::Factorisation;
using test::LetterValues;
using test::Polynomial;
using test::UnlikeGenerator;

double Value(TextView text, const LetterValues& v) { return test::ValueOf(text, v); }

Text WithoutMarkers(TextView text) {
  Text plain;
  for (char16_t ch : text) {
    if (ch != u'~') plain += ch;
  }
  return plain;
}

// The factors of a display-form product, split at "·" outside brackets.
std::vector<Text> ProductPieces(TextView text) {
  std::vector<Text> pieces;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'(') ++depth;
    if (text[i] == u')') --depth;
    if (depth == 0 && text[i] == u'·') {
      pieces.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

// No coefficient 1 written as "1·" (a 1 that ends a longer number or an exponent is fine).
void ExpectNoUnitCoefficient(TextView text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'1' || text[i + 1] != u'·') continue;
    const bool longer =
        i > 0 && ((text[i - 1] >= u'0' && text[i - 1] <= u'9') || text[i - 1] == u'^');
    EXPECT_TRUE(longer) << "coefficient 1 in " << Utf8FromText(text);
  }
}

// The least common multiple of the denominators, from their own factorisations.
Factorisation LeastCommonMultiple(const TBruchM& item) {
  Factorisation lcm;
  for (std::size_t i = 1; i <= static_cast<std::size_t>(item.Anzahl); ++i) {
    const Factorisation f = test::Factorise(test::MustRead(item.Ungleich.Nenner[i]));
    EXPECT_TRUE(f.complete);
    lcm.number = std::lcm(lcm.number, std::abs(f.number));
    for (const auto& [letter, e] : f.monomial) {
      lcm.monomial[letter] = std::max(lcm.monomial[letter], e);
    }
    for (const auto& [factor, count] : f.factors) {
      lcm.factors[factor] = std::max(lcm.factors[factor], count);
    }
  }
  return lcm;
}

// A factorisation as written: numbers (in power notation at Stufe 1) times letters times
// brackets, each bracket linear with coprime coefficients, all multiplying to the denominator.
void ExpectCompleteFactorisation(TextView zerlegung, TextView nenner) {
  long long number = 1;
  for (const Text& piece : ProductPieces(zerlegung)) {
    const Polynomial p = test::MustRead(piece);
    if (piece.front() == u'(') {
      EXPECT_EQ(p.content(), 1) << Utf8FromText(piece);
      EXPECT_TRUE(test::Factorise(p).factors.size() == 1 && test::Factorise(p).monomial.empty())
          << Utf8FromText(piece);
    } else if (p.isConstant()) {
      number *= p.content();
    }
  }
  EXPECT_EQ(number, test::MustRead(nenner).content()) << Utf8FromText(zerlegung);
}

// Every number a sum of the item holds, for the size limits of the variants.
long long LargestCoefficient(TextView text) {
  long long largest = 0;
  for (const auto& [m, c] : test::MustRead(text).terms) largest = std::max(largest, std::abs(c));
  return largest;
}

// The values of the item's texts at one set of letter values (index 0 unused).
struct ItemValues {
  double nenner[4] = {};
  double zerlegung[4] = {};
  double zaehler[4] = {};
  double faktor[4] = {};
  double neuZaehler[4] = {};
  double erwZaehler[4] = {};  // without its colour markers
  double hn = 0;
  double ergebnis = 0;
  double gekZaehler = 0;
  double gekNenner = 0;
};

ItemValues ValuesAt(const TBruchM& item, const LetterValues& v) {
  const TUngleich& u = item.Ungleich;
  ItemValues values;
  for (std::size_t i = 1; i <= static_cast<std::size_t>(item.Anzahl); ++i) {
    values.nenner[i] = Value(u.Nenner[i], v);
    values.zerlegung[i] = Value(u.Zerlegung[i], v);
    values.zaehler[i] = Value(u.Zaehler[i], v);
    values.faktor[i] = Value(u.Faktor[i], v);
    values.neuZaehler[i] = Value(u.NeuZaehler[i], v);
    values.erwZaehler[i] = Value(WithoutMarkers(u.ErwZaehler[i]), v);
  }
  values.hn = Value(u.HN, v);
  values.ergebnis = Value(u.Ergebnis, v);
  if (item.Kenn[1]) {
    values.gekZaehler = Value(u.GekZaehler, v);
    values.gekNenner = Value(u.GekNenner, v);
  }
  return values;
}

void ExpectSame(double actual, double expected, const char* what) {
  ASSERT_TRUE(std::isfinite(actual)) << what;
  EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected))) << what;
}

// At several values of the letters: Zerlegung[i] = Nenner[i]; HN / Nenner[i] = Faktor[i];
// Zaehler[i]·Faktor[i] = NeuZaehler[i] = ErwZaehler[i] without markers; the signed sum of
// NeuZaehler is Ergebnis; the sum of the task fractions is Ergebnis / HN and, when the result
// is cancelled, GekZaehler / GekNenner.
void ExpectValuesAgree(const TBruchM& item) {
  const int signs[4] = {0, 1, test::SignValue(item.Ungleich.Zeichen1),
                        item.Anzahl == 3 ? test::SignValue(item.Ungleich.Zeichen2) : 0};
  for (int trial = 0; trial < 4; ++trial) {
    SCOPED_TRACE(testing::Message() << "trial " << trial);
    const ItemValues v = ValuesAt(item, test::SampleValues(test::ItemLetters(item), trial));
    double numerators = 0;
    double fractions = 0;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(item.Anzahl); ++i) {
      ExpectSame(v.zerlegung[i], v.nenner[i], "Zerlegung = Nenner");
      ExpectSame(v.faktor[i], v.hn / v.nenner[i], "Faktor = HN / Nenner");
      ExpectSame(v.neuZaehler[i], v.zaehler[i] * v.faktor[i], "NeuZaehler = Zaehler·Faktor");
      ExpectSame(v.erwZaehler[i], v.zaehler[i] * v.faktor[i], "ErwZaehler = Zaehler·Faktor");
      numerators += signs[i] * v.neuZaehler[i];
      fractions += signs[i] * v.zaehler[i] / v.nenner[i];
    }
    ExpectSame(v.ergebnis, numerators, "Ergebnis = sum of NeuZaehler");
    ExpectSame(v.ergebnis / v.hn, fractions, "Ergebnis / HN = the task");
    if (item.Kenn[1]) ExpectSame(v.gekZaehler / v.gekNenner, fractions, "cancelled = the task");
  }
}

// The number of terms the result numerator has, by level and variant: a number at Stufe 1
// variants 1 and 2, a quadratic at Stufe 3 variant 1, two terms everywhere else.
std::size_t ResultTerms(int level, int variante) {
  if (level == 1 && variante <= 2) return 1;
  if (level == 3 && variante == 1) return 3;
  return 2;
}

void ExpectSoundItem(const TBruchM& item, int level) {
  const TUngleich& u = item.Ungleich;
  const int count = item.Anzahl;
  const auto at = [](int i) { return static_cast<std::size_t>(i); };
  ASSERT_TRUE(count == 2 || count == 3);
  EXPECT_TRUE(item.Kenn[3]);
  EXPECT_EQ(std::set<char16_t>({item.Var1, item.Var2, item.Var3}).size(), 3u);

  // Every text in display form, without coefficients 1 except an extension factor's number.
  for (int i = 1; i <= count; ++i) {
    for (const Text* text : {&u.Nenner[at(i)], &u.Zerlegung[at(i)], &u.Zaehler[at(i)],
                             &u.NeuZaehler[at(i)], &u.Faktor[at(i)], &u.ErwZaehler[at(i)]}) {
      ASSERT_FALSE(text->empty());
      test::ExpectDisplayForm(*text);
      if (text != &u.Faktor[at(i)] && text != &u.ErwZaehler[at(i)]) ExpectNoUnitCoefficient(*text);
    }
    EXPECT_EQ(u.NennerText[at(i)], u.Nenner[at(i)]);
  }
  for (const Text* text : {&u.HN, &u.Ergebnis, &u.GekZaehler, &u.GekNenner}) {
    test::ExpectDisplayForm(*text);
    ExpectNoUnitCoefficient(*text);
  }

  // Zerlegung is a complete factorisation.
  for (int i = 1; i <= count; ++i) ExpectCompleteFactorisation(u.Zerlegung[at(i)], u.Nenner[at(i)]);

  // HN is the least common multiple of the denominators, each factor once.
  const Factorisation lcm = LeastCommonMultiple(item);
  const Factorisation hn = test::Factorise(test::MustRead(u.HN));
  EXPECT_EQ(std::abs(hn.number), lcm.number);
  EXPECT_EQ(hn.monomial, lcm.monomial);
  EXPECT_EQ(hn.factors, lcm.factors);
  for (const auto& [factor, power] : hn.factors) EXPECT_EQ(power, 1);

  ExpectValuesAgree(item);

  // The result: no coefficient 0, in lowest terms, cancelled exactly when it can be.
  const Polynomial result = test::MustRead(u.Ergebnis);
  EXPECT_EQ(result.terms.size(), ResultTerms(level, item.Variante));
  test::ExpectNoCommonLinearFactor(u.Ergebnis, u.HN);
  const long long common = std::gcd(result.content(), std::abs(hn.number));
  EXPECT_EQ(item.Kenn[1], common != 1);
  if (item.Kenn[1]) {
    test::ExpectLowestTerms(u.GekZaehler, u.GekNenner);
    test::ExpectNoCommonLinearFactor(u.GekZaehler, u.GekNenner);
    EXPECT_EQ(test::MustRead(u.GekZaehler).terms.size(), ResultTerms(level, item.Variante));
    EXPECT_NE(std::abs(test::Factorise(test::MustRead(u.GekNenner)).number), 1)
        << "a cancelled denominator with the number 1";
  } else {
    EXPECT_TRUE(u.GekZaehler.empty());
    EXPECT_TRUE(u.GekNenner.empty());
    test::ExpectLowestTerms(u.Ergebnis, u.HN);
  }

  // No task numerator shares a letter or bracket with its own denominator.
  for (int i = 1; i <= count; ++i) {
    test::ExpectNoCommonLinearFactor(u.Zaehler[at(i)], u.Nenner[at(i)]);
  }
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
    ExpectSoundItem(item, generator().level);
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

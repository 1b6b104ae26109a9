#include "unlike_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>

#include "base/random.h"
#include "generator_checks.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_generators.h"

namespace kalkora::fractions::test {
namespace {

const UnlikeGenerator kGenerators[kUnlikeGeneratorCount] = {
    {"AddSubUngleichU1", AddSubUngleichU1, 1, 4},
    {"AddSubUngleichU2", AddSubUngleichU2, 2, 3},
    {"AddSubUngleichU3", AddSubUngleichU3, 3, 3},
};

const UnlikeGenerator kExampleBuilders[kUnlikeGeneratorCount] = {
    {"AddSubUngleichM1", AddSubUngleichM1, 1, 7},
    {"AddSubUngleichM2", AddSubUngleichM2, 2, 6},
    {"AddSubUngleichM3", AddSubUngleichM3, 3, 8},
};

// The value of a polynomial at x = a, y = b for its letters (by their sorted order).
double ValueAt(const Polynomial& p, char16_t x, double a, char16_t y, double b) {
  double sum = 0;
  for (const auto& [monomial, coefficient] : p.terms) {
    double term = static_cast<double>(coefficient);
    for (const auto& [letter, e] : monomial) {
      term *= std::pow(letter == x ? a : letter == y ? b : std::nan(""), e);
    }
    sum += term;
  }
  return sum;
}

double Value(TextView text, const LetterValues& v) { return test::ValueOf(text, v); }

Text WithoutMarkers(TextView text) {
  Text plain;
  for (char16_t ch : text) {
    if (ch != u'~') plain += ch;
  }
  return plain;
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

}  // namespace

const UnlikeGenerator* UnlikeGenerators() { return kGenerators; }

const UnlikeGenerator* UnlikeExampleBuilders() { return kExampleBuilders; }

std::string UnlikeTrace(const TBruchM& item) {
  const TUngleich& u = item.Ungleich;
  std::string trace = "Variante " + std::to_string(item.Variante) + ":";
  for (std::size_t i = 1; i <= 3; ++i) {
    trace += " " + Utf8FromText(u.Zaehler[i]) + " / " + Utf8FromText(u.Nenner[i]) + " [" +
             Utf8FromText(u.Zerlegung[i]) + " | " + Utf8FromText(u.Faktor[i]) + " | " +
             Utf8FromText(u.NeuZaehler[i]) + "]";
    if (i < 3) trace += " " + Utf8FromText(Text(1, i == 1 ? u.Zeichen1 : u.Zeichen2));
  }
  trace += " HN " + Utf8FromText(u.HN) + " => " + Utf8FromText(u.Ergebnis);
  if (item.Kenn[1]) {
    trace += " = " + Utf8FromText(u.GekZaehler) + " / " + Utf8FromText(u.GekNenner);
  }
  return trace;
}

void ForManyUnlikeItems(const UnlikeGenerator& generator, std::uint32_t seed,
                        const std::function<void(const TBruchM&)>& check) {
  SetRandomSeed(seed);
  for (int n = 0; n < kItemsPerGenerator; ++n) {
    const int index = n % 5 + 1;
    generator.generate(index);
    const TBruchM& item = Bruch[static_cast<std::size_t>(index)];
    SCOPED_TRACE(testing::Message() << "item " << n << " " << UnlikeTrace(item));
    check(item);
    if (testing::Test::HasFailure()) break;
  }
  ClearFixedRandomSeed();
}

int SignValue(char16_t sign) {
  EXPECT_TRUE(sign == u'+' || sign == u'–') << static_cast<int>(sign);
  return sign == u'–' ? -1 : 1;
}

Text ItemLetters(const TBruchM& item) { return Text{item.Var1, item.Var2}; }

void ExpectNoCommonLinearFactor(TextView numerator, TextView denominator) {
  const Polynomial num = MustRead(numerator);
  const Factorisation den = Factorise(MustRead(denominator));
  std::vector<Polynomial> zeroSets;  // each letter and each linear factor of the denominator
  for (const auto& [letter, e] : den.monomial) {
    Polynomial p;
    p.terms[Monomial{{letter, 1}}] = 1;
    zeroSets.push_back(p);
  }
  for (const auto& [factor, count] : den.factors) zeroSets.push_back(factor);
  for (const Polynomial& zero : zeroSets) {
    // zero = α·x + β·y + γ with α ≠ 0 for its first letter x: x = −(β·y + γ)/α.
    const std::vector<char16_t> letters = zero.letters();
    ASSERT_FALSE(letters.empty());
    const char16_t x = letters.front();
    char16_t y = letters.size() > 1 ? letters[1] : u'\0';
    if (y == u'\0') {
      for (char16_t letter : num.letters()) {
        if (letter != x) y = letter;
      }
    }
    const double alpha = static_cast<double>(zero.coefficient(Monomial{{x, 1}}));
    const double beta = y ? static_cast<double>(zero.coefficient(Monomial{{y, 1}})) : 0.0;
    const double gamma = static_cast<double>(zero.coefficient(Monomial{}));
    bool vanishes = true;
    for (double b : {1.3, -2.7, 4.1}) {
      const double a = -(beta * b + gamma) / alpha;
      vanishes = vanishes && std::abs(ValueAt(num, x, a, y, b)) < 1e-9;
    }
    EXPECT_FALSE(vanishes) << Utf8FromText(numerator) << " and " << Utf8FromText(denominator)
                           << " have a common factor";
  }
}

void ExpectSoundItem(const TBruchM& item, std::size_t resultTerms) {
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
  EXPECT_EQ(result.terms.size(), resultTerms);
  test::ExpectNoCommonLinearFactor(u.Ergebnis, u.HN);
  const long long common = std::gcd(result.content(), std::abs(hn.number));
  EXPECT_EQ(item.Kenn[1], common != 1);
  if (item.Kenn[1]) {
    test::ExpectLowestTerms(u.GekZaehler, u.GekNenner);
    test::ExpectNoCommonLinearFactor(u.GekZaehler, u.GekNenner);
    EXPECT_EQ(test::MustRead(u.GekZaehler).terms.size(), resultTerms);
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

}  // namespace kalkora::fractions::test

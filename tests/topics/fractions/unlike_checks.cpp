#include "unlike_checks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/random.h"
#include "generator_checks.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_generators.h"

namespace kalkora::fractions::test {
namespace {

const UnlikeGenerator kGenerators[kUnlikeGeneratorCount] = {
    {"AddSubUngleichU1", AddSubUngleichU1, 1, 4},
    {"AddSubUngleichU2", AddSubUngleichU2, 2, 3},
    {"AddSubUngleichU3", AddSubUngleichU3, 3, 3},
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

}  // namespace

const UnlikeGenerator* UnlikeGenerators() { return kGenerators; }

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

}  // namespace kalkora::fractions::test

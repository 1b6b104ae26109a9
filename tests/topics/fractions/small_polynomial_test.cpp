#include "topics/fractions/small_polynomial.h"

#include <gtest/gtest.h>

namespace kalkora::fractions {
namespace {

using P = SmallPolynomial;

P Linear(int e, int f) { return e * P::X() + P::Constant(f); }

TEST(PolynomialText, FallingPowersWithoutUnitCoefficientsOrZeroTerms) {
  struct Case {
    P p;
    const char16_t* text;
  };
  const Case cases[] = {
      {42 * P::X() * P::X() + 86 * P::X() + P::Constant(40), u"42·c^2 + 86·c + 40"},
      {P::Constant(3) - P::X(), u"–c + 3"},
      {P::X() * P::X() - P::Constant(1), u"c^2 – 1"},
      {8 * P::X() * P::Y() - 8 * P::Y() * P::Y(), u"8·c·a – 8·a^2"},
      {16 * P::X() * P::X() - 16 * P::Y() * P::Y(), u"16·c^2 – 16·a^2"},
      {P::Constant(-7), u"–7"},
      {P::X() - P::X(), u"0"},
      {(-1) * P::Y() + 12 * P::X(), u"12·c – a"},
  };
  for (const Case& c : cases) EXPECT_EQ(PolynomialText(c.p, u'c', u'a'), c.text);
}

TEST(SmallPolynomial, ContentTermsAndDivision) {
  const P p = Linear(6, -12) * Linear(1, 2);  // 6·x^2 – 24
  EXPECT_EQ(p.termCount(), 2);
  EXPECT_EQ(p.content(), 6);
  EXPECT_EQ(p.firstCoefficient(), 6);
  EXPECT_EQ(p.dividedBy(6), Linear(1, -2) * Linear(1, 2));
  EXPECT_TRUE(P().isZero());
  EXPECT_EQ(P().content(), 0);
}

TEST(SmallPolynomial, DivisibleByALinearFactorExactlyWhenItVanishesWithIt) {
  struct Case {
    P p;
    P linear;
    bool divisible;
  };
  const P x = P::X();
  const P y = P::Y();
  const Case cases[] = {
      {x * x - P::Constant(1), Linear(1, -1), true},
      {x * x - P::Constant(1), Linear(1, 1), true},
      {x * x - P::Constant(1), Linear(1, 2), false},
      {Linear(6, 12), Linear(1, 2), true},
      {Linear(6, 12), Linear(1, -2), false},
      {Linear(3, 4) * Linear(2, -5), Linear(2, -5), true},
      {Linear(3, 4) * Linear(2, -5), Linear(5, -2), false},
      {3 * x * x - 12 * x, x, true},
      {3 * x * x - P::Constant(12), x, false},
      {x * x - y * y, x - y, true},
      {x * x - y * y, x + y, true},
      {3 * x * x + 2 * y * y, x + y, false},
      {3 * x * x - 3 * y * y, x + y, true},
      {x * y, y, true},
      {x * x + y, y, false},
      {2 * x + 4 * y, x + 2 * y, true},
      {P::Constant(5), x, false},
      {P(), Linear(1, 3), true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.p.isDivisibleBy(c.linear), c.divisible)
        << Utf8FromText(PolynomialText(c.p, u'x', u'y')) << " by "
        << Utf8FromText(PolynomialText(c.linear, u'x', u'y'));
  }
}

}  // namespace
}  // namespace kalkora::fractions

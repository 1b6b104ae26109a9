// The test helpers read what they are meant to read, so that the generator tests can rely on
// them.

#include "term_reading.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalkora::fractions::test {
namespace {

TEST(TermReading, ValueOfDisplayForm) {
  EXPECT_DOUBLE_EQ(ValueOf(u"3·x^2 – 4·(x + 1)", {{u'x', 2.0}}), 0.0);
  EXPECT_DOUBLE_EQ(ValueOf(u"–2·a·b + b^3", {{u'a', 1.5}, {u'b', -2.0}}), -2.0);
  EXPECT_DOUBLE_EQ(ValueOf(u"e^2 – 1", {{u'e', 3.0}}), 8.0);
  EXPECT_TRUE(std::isnan(ValueOf(u"x + y", {{u'x', 1.0}})));
  EXPECT_DOUBLE_EQ(FractionValueOf(u"x + 1/x", {{u'x', 4.0}}), 1.25);
}

TEST(TermReading, Polynomials) {
  const auto p = ReadPolynomial(u"3·x^2 – 4·(x + 1)");
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->coefficient({{u'x', 2}}), 3);
  EXPECT_EQ(p->coefficient({{u'x', 1}}), -4);
  EXPECT_EQ(p->coefficient({}), -4);
  EXPECT_EQ(ReadPolynomial(u"3x^2–4(x+1)"), p);
  EXPECT_EQ(ReadPolynomial(u"(2·x – 3)^2"), ReadPolynomial(u"4·x^2 – 12·x + 9"));
  EXPECT_FALSE(ReadPolynomial(u"x/2").has_value());
  EXPECT_FALSE(ReadPolynomial(u"(x + 1").has_value());
  EXPECT_EQ(ReadPolynomial(u"x – x")->isZero(), true);
  EXPECT_EQ(ReadPolynomial(u"6·x^2·y + 4·x·y^3")->content(), 2);
  EXPECT_EQ(ReadPolynomial(u"6·x^2·y + 4·x·y^3")->minExponent(u'x'), 1);
  EXPECT_EQ(NumbersInText(u"12·x^10 + 3·(x – 45)"), (std::vector<long long>{12, 3, 45}));
}

TEST(TermReading, Factorisation) {
  const Factorisation f = Factorise(*ReadPolynomial(u"18·x^3 – 8·x"));
  EXPECT_EQ(f.number, 2);
  EXPECT_EQ(f.monomial, (Monomial{{u'x', 1}}));
  ASSERT_EQ(f.factors.size(), 2u);
  EXPECT_EQ(f.factors.count(*ReadPolynomial(u"3·x – 2")), 1u);
  EXPECT_EQ(f.factors.count(*ReadPolynomial(u"3·x + 2")), 1u);
  const Factorisation square = Factorise(*ReadPolynomial(u"(2·x – 3)^2"));
  EXPECT_EQ(square.factors.at(*ReadPolynomial(u"2·x – 3")), 2);
  const Factorisation twoLetters = Factorise(*ReadPolynomial(u"a^4 – a^3·b"));
  EXPECT_EQ(twoLetters.monomial, (Monomial{{u'a', 3}}));
  EXPECT_EQ(twoLetters.factors.begin()->first, Normalised(*ReadPolynomial(u"a – b")));
  EXPECT_EQ(Factorise(*ReadPolynomial(u"1 – x^2")).number, -1);
  EXPECT_TRUE(Factorise(*ReadPolynomial(u"x^2 + 1")).complete);
  EXPECT_EQ(Factorise(*ReadPolynomial(u"x^2 + 1")).factors.size(), 1u);
}

}  // namespace
}  // namespace kalkora::fractions::test

#include "terms/evaluate_term_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"

namespace kalkora {
namespace {

struct TextCase {
  Text term;
  char16_t letter;
  int n;
  Text expected;
};

TEST(EvaluateTermText, Table) {
  const std::vector<TextCase> cases{
      {u"2*x^2 - 3", u'x', -4, u"29"},
      {u"0 - 1*1", u'x', 0, u"-1"},
      {u"3*x + 5", u'x', 2, u"11"},
      {u"x", u'x', 0, u"0"},
      {u"x", u'x', -7, u"-7"},
      {u"a - (2*a - 5)", u'a', 3, u"2"},
      // Halves go away from zero; no "-" before a value that rounds to 0.
      {u"1/2", u'x', 0, u"1"},
      {u"-1/2", u'x', 0, u"-1"},
      {u"5/2", u'x', 0, u"3"},
      {u"-5/2", u'x', 0, u"-3"},
      {u"3/2", u'x', 0, u"2"},
      {u"1/3", u'x', 0, u"0"},
      {u"-1/3", u'x', 0, u"0"},
      {u"2/3", u'x', 0, u"1"},
      {u"x/1000", u'x', -499, u"0"},
      // Seven significant digits.
      {u"1234567", u'x', 0, u"1234567"},
      {u"9999999.4", u'x', 0, u"9999999"},
      {u"9999999.5", u'x', 0, u"10000000"},
      {u"12345678", u'x', 0, u"12345680"},
      {u"12345674.9", u'x', 0, u"12345670"},
      {u"12345675", u'x', 0, u"12345680"},
      {u"-12345675", u'x', 0, u"-12345680"},
      {u"99999995", u'x', 0, u"100000000"},
      {u"2^40", u'x', 0, u"1099512000000"},
      {u"1E20", u'x', 0, u"100000000000000000000"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(EvaluateTermText(c.term, c.letter, c.n), c.expected)
        << Utf8FromText(c.term) << " at " << c.n;
  }
}

TEST(EvaluateTermText, NoValueGivesTheEmptyText) {
  const std::vector<TextCase> cases{
      {u"2*-3", u'x', 0, u""},   {u"2X", u'x', 0, u""},      {u"", u'x', 0, u""},
      {u"1/0", u'x', 0, u""},    {u"1/x", u'x', 0, u""},     {u"0/0", u'x', 0, u""},
      {u"LN(-1)", u'x', 0, u""}, {u"LG(x)", u'x', -10, u""}, {u"SQRT(x)", u'x', -4, u""},
      {u"10^400", u'x', 0, u""}, {u"1E999", u'x', 0, u""},   {u"x^x^x^x", u'x', 9, u""},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(EvaluateTermText(c.term, c.letter, c.n), c.expected)
        << Utf8FromText(c.term) << " at " << c.n;
  }
  EXPECT_EQ(EvaluateTermText(Text(100000, u'('), u'x', 1), u"");
}

TEST(RoundedIntegerText, Table) {
  EXPECT_EQ(RoundedIntegerText(0.0), u"0");
  EXPECT_EQ(RoundedIntegerText(-0.0), u"0");
  EXPECT_EQ(RoundedIntegerText(0.49999999999999994), u"0");
  EXPECT_EQ(RoundedIntegerText(2.5), u"3");
  EXPECT_EQ(RoundedIntegerText(-2.5), u"-3");
  EXPECT_EQ(RoundedIntegerText(std::numeric_limits<double>::max()).size(), 309u);
  EXPECT_EQ(RoundedIntegerText(std::numeric_limits<double>::infinity()), u"");
  EXPECT_EQ(RoundedIntegerText(-std::numeric_limits<double>::infinity()), u"");
  EXPECT_EQ(RoundedIntegerText(std::numeric_limits<double>::quiet_NaN()), u"");
}

// Random polynomials in x with integer coefficients, written as the generators write them,
// agree with a direct integer computation.
TEST(EvaluateTermText, AgreesWithIntegerArithmeticOnRandomPolynomials) {
  SetRandomSeed(21);
  for (int round = 0; round < 2000; ++round) {
    const int terms = Random(4) + 1;
    const int x = Random(21) - 10;
    Text text;
    std::int64_t expected = 0;
    for (int i = 0; i < terms; ++i) {
      const int coefficient = Random(19) - 9;
      const int exponent = Random(4);
      std::int64_t power = 1;
      for (int e = 0; e < exponent; ++e) power *= x;
      expected += coefficient * power;
      const Text factor = exponent == 0 ? Text{} : Text{u"*x^"} + IntText(exponent);
      if (i == 0) {
        text += IntText(coefficient) + factor;
      } else {
        text.append(coefficient < 0 ? u" - " : u" + ")
            .append(IntText(std::abs(coefficient)))
            .append(factor);
      }
    }
    EXPECT_EQ(EvaluateTermText(text, u'x', x), IntText(static_cast<int>(expected)))
        << Utf8FromText(text) << " at " << x;
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

#include "topics/fractions/long_division_generators.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "base/random.h"
#include "base/shared_functions.h"
#include "generator_checks.h"
#include "long_division_reading.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

using test::DivisionRead;
using test::Polynomial;

void MakeStufe2(int index) { MakeDivisionItem(2, index); }
void MakeStufe3(int index) { MakeDivisionItem(3, index); }

// The sign cases of each variant: the signs of the quotient's coefficients after the first,
// "/", the divisor's after the first (variant 2: all three). The case whose third quotient
// coefficient is drawn from 1, 0, −1 … −4 shows as "++/+++" (1) or "+-/+++" (−2 … −4).
const std::map<int, std::set<std::string>> kSignCases = {
    {1, {"++/+", "++/-", "+-/+", "+-/-", "-+/+", "-+/-", "--/+", "--/-"}},
    {2,
     {"++/+++", "++/++-", "++/+-+", "+-/-++", "+-/+++", "++/+--", "+-/++-", "-+/++-", "+-/+--",
      "-+/+--", "--/+-+"}},
    {3,
     {"+++/+", "+++/-", "++-/+", "++-/-", "+-+/+", "+-+/-", "-++/+", "-++/-", "+--/+", "+--/-",
      "-+-/+", "-+-/-", "--+/+", "--+/-", "---/+"}},
    {4,
     {"+++/++", "+++/+-", "+++/-+", "+--/++", "+-+/++", "--+/++", "+++/--", "++-/+-", "+-+/+-",
      "-++/+-", "-+-/+-", "++-/--", "+-+/--", "-++/--", "---/+-", "+--/--", "-+-/--", "--+/--",
      "---/-+"}},
};

struct Shape {
  int quotientTerms;
  int divisorTerms;
};
const std::map<int, Shape> kShapes = {{1, {3, 2}}, {2, {3, 3}}, {3, {4, 2}}, {4, {4, 3}}};

std::string Signs(const std::vector<long long>& coefficients, std::size_t from) {
  std::string signs;
  for (std::size_t i = from; i < coefficients.size(); ++i) signs += coefficients[i] < 0 ? '-' : '+';
  return signs;
}

bool IsBlank(const Text& text) {
  return !text.empty() && text.find_first_not_of(u' ') == Text::npos;
}

// The remainder as Rest writes it (‹2›, ‹3·h›, ‹h + 5›, ‹6·t + 5›): its coefficients, linear
// first, for the shape RestArt; numbers 1 … 9, a coefficient 1 left out.
std::vector<long long> ReadRest(const Text& rest, int restArt, char16_t x) {
  const auto linear = [&](TextView text) -> long long {
    if (text == TextView(&x, 1)) return 1;
    const auto value = test::WrittenCoefficient(text, x, 1, true);
    EXPECT_TRUE(value.has_value() && *value != 1) << Utf8FromText(rest);
    return value.value_or(0);
  };
  const auto constant = [&](TextView text) {
    return test::WrittenCoefficient(text, x, 0, true).value_or(0);
  };
  switch (restArt) {
    case 0: return {0, constant(rest)};
    case 1: return {linear(rest), 0};
    default: {
      const auto plus = rest.find(u" + ");
      if (plus == Text::npos) {
        ADD_FAILURE() << "no constant in " << Utf8FromText(rest);
        return {0, 0};
      }
      return {linear(TextView(rest).substr(0, plus)), constant(TextView(rest).substr(plus + 3))};
    }
  }
}

// Everything a division must be, read back from the record alone.
struct Coverage {
  std::map<int, std::set<std::string>> signCases;
  std::set<long long> unsureThirdCoefficients;  // the third quotient coefficient of "+-/+++"
  std::map<int, std::set<int>> restShapes;      // by number of divisor terms
  int blankColumns = 0;
};

void CheckDivision(const TBruchM& item, int level, Coverage& coverage) {
  const TTermDiv& d = item.TermDiv;
  const char16_t x = item.Var1;
  ASSERT_TRUE(item.Variante >= 1 && item.Variante <= 4);
  const Shape shape = kShapes.at(item.Variante);
  ASSERT_EQ(d.AnzQuotient, shape.quotientTerms);
  ASSERT_EQ(d.AnzDivisor, shape.divisorTerms);
  const int nq = d.AnzQuotient;
  const int nd = d.AnzDivisor;
  EXPECT_TRUE(x >= u'a' && x <= u'z' && x != u'l');

  const DivisionRead read = test::ReadDivision(d, x);
  ASSERT_FALSE(testing::Test::HasFailure());
  const int columns = read.columns;

  // Nothing of an earlier, larger division is left.
  for (int c = columns + 1; c <= 6; ++c) EXPECT_TRUE(d.Dividend[c].empty()) << c;
  for (int j = nd + 1; j <= 3; ++j) EXPECT_TRUE(d.Divisor[j].empty()) << j;
  for (int k = nq + 1; k <= 4; ++k) EXPECT_TRUE(d.Quotient[k].empty()) << k;
  for (int row = 2 * nq; row <= 8; ++row) {
    for (int j = 1; j <= 3; ++j) EXPECT_TRUE(d.Zeilen[row][j].empty()) << row << "/" << j;
  }

  // Magnitudes, signs and the Gcd conditions (with the program's Gcd and its signs).
  const auto& q = read.quotient;
  const auto& v = read.divisor;
  EXPECT_TRUE(q[0] >= 2 && q[0] <= 7) << q[0];
  EXPECT_TRUE(std::abs(v[0]) >= 2 && std::abs(v[0]) <= 7) << v[0];
  for (std::size_t i = 1; i < q.size(); ++i)
    EXPECT_TRUE(std::abs(q[i]) >= 1 && std::abs(q[i]) <= 6);
  for (std::size_t j = 1; j < v.size(); ++j)
    EXPECT_TRUE(std::abs(v[j]) >= 1 && std::abs(v[j]) <= 6);
  const bool allDivisorSigns = item.Variante == 2;
  if (!allDivisorSigns) EXPECT_GT(v[0], 0);
  const std::string signCase = Signs(q, 1) + "/" + Signs(v, allDivisorSigns ? 0 : 1);
  EXPECT_TRUE(kSignCases.at(item.Variante).contains(signCase)) << signCase;
  coverage.signCases[item.Variante].insert(signCase);
  if (item.Variante == 2 && signCase == "+-/+++") coverage.unsureThirdCoefficients.insert(q[2]);

  const auto gcd = [](long long a, long long b) {
    return Gcd(static_cast<int>(a), static_cast<int>(b));
  };
  const auto gcd3 = [](long long a, long long b, long long c) {
    return Gcd3(static_cast<int>(a), static_cast<int>(b), static_cast<int>(c));
  };
  switch (item.Variante) {
    case 1:
      EXPECT_EQ(gcd(v[0], v[1]), 1);
      EXPECT_EQ(gcd3(q[0], q[1], q[2]), 1);
      break;
    case 2:
      EXPECT_EQ(gcd(v[0], v[2]), 1);
      EXPECT_EQ(gcd3(q[0], q[1], q[2]), 1);
      if (level == 3) EXPECT_NE(q[2], v[2]);
      break;
    case 3:
      EXPECT_EQ(gcd(v[0], v[1]), 1);
      EXPECT_EQ(gcd(gcd(q[0], q[1]), gcd(q[2], q[3])), 1);
      break;
    default: EXPECT_EQ(gcd3(v[0], v[1], v[2]), 1); break;
  }

  // The remainder: of lower degree than the divisor, constant only over two divisor terms.
  Polynomial remainder;
  if (level == 2) {
    EXPECT_TRUE(d.Rest.empty());
    EXPECT_EQ(d.RestArt, 0);
  } else {
    ASSERT_TRUE(d.RestArt >= 0 && d.RestArt <= 2);
    if (nd == 2) EXPECT_EQ(d.RestArt, 0);
    coverage.restShapes[nd].insert(d.RestArt);
    const std::vector<long long> rest = ReadRest(d.Rest, d.RestArt, x);
    EXPECT_EQ(rest[0] != 0, d.RestArt != 0);
    EXPECT_EQ(rest[1] != 0, d.RestArt != 1);
    for (long long r : rest) EXPECT_TRUE(r >= 0 && r <= 9);
    remainder = test::FromCoefficients(rest, x);
    if (!remainder.isZero()) EXPECT_LT(remainder.degree(x), nd - 1);
  }

  // Koeff: the quotient's, the divisor's, then the dividend's constant and linear coefficient.
  for (int i = 1; i <= 36; ++i) {
    long long expected = 0;
    if (i <= nq) expected = q[static_cast<std::size_t>(i - 1)];
    if (i > nq && i <= nq + nd) expected = v[static_cast<std::size_t>(i - nq - 1)];
    if (i == 33) expected = read.dividend.back();
    if (i == 34) expected = read.dividend[read.dividend.size() - 2];
    EXPECT_EQ(d.Koeff[i], expected) << "Koeff " << i;
  }

  // dividend = quotient · divisor + remainder, as polynomials and as values of the texts.
  EXPECT_TRUE(read.dividendPolynomial ==
              read.quotientPolynomial * read.divisorPolynomial + remainder);
  const auto joined = [](const auto& texts, int count) {
    Text text;
    for (int i = 1; i <= count; ++i) text += texts[static_cast<std::size_t>(i)];
    return text;
  };
  const Text dividendText = joined(d.Dividend, columns);
  const Text quotientText = joined(d.Quotient, nq);
  const Text divisorText = joined(d.Divisor, nd);
  test::ExpectSameValues(
      [&](const test::LetterValues& at) { return test::ValueOf(dividendText, at); },
      [&](const test::LetterValues& at) {
        const double rest = level == 3 ? test::ValueOf(d.Rest, at) : 0.0;
        return test::ValueOf(quotientText, at) * test::ValueOf(divisorText, at) + rest;
      },
      Text(1, x));

  // The lines: P_k = Q_k · divisor under columns k … k + nd − 1; Q_k is the current line's
  // leading term over the divisor's; R_k is what remains in columns k + 1 … k + nd once the
  // products so far are subtracted, the last of them the dividend term brought down.
  Polynomial current = read.dividendPolynomial;
  for (int k = 1; k <= nq; ++k) {
    SCOPED_TRACE(testing::Message() << "k = " << k);
    const long long qk = q[static_cast<std::size_t>(k - 1)];
    const int leadingExponent = read.exponentOf(k);
    const long long leading = current.coefficient({{x, leadingExponent}});
    EXPECT_EQ(current.degree(x), leadingExponent);
    EXPECT_EQ(leading % v[0], 0);
    EXPECT_EQ(leading / v[0], qk);
    EXPECT_EQ(nq - k, leadingExponent - (nd - 1));

    const auto& product = d.Zeilen[static_cast<std::size_t>(2 * k - 1)];
    Polynomial productRead;
    for (int j = 1; j <= nd; ++j) {
      const int exponent = read.exponentOf(k + j - 1);
      const auto value = test::WrittenCoefficient(product[j], x, exponent, j == 1);
      ASSERT_TRUE(value.has_value()) << "P term " << j << ": " << Utf8FromText(product[j]);
      productRead = productRead + test::Term(*value, x, exponent);
    }
    if (nd == 2) EXPECT_TRUE(product[3].empty());
    EXPECT_TRUE(productRead == test::Term(qk, x, nq - k) * read.divisorPolynomial);
    current = current - productRead;
    if (k == nq) break;

    const auto& difference = d.Zeilen[static_cast<std::size_t>(2 * k)];
    Polynomial differenceRead;
    for (int j = 1; j <= nd; ++j) {
      const int exponent = read.exponentOf(k + j);
      if (j > 1 && j < nd && IsBlank(difference[j])) {
        ++coverage.blankColumns;
        continue;
      }
      const auto value = test::WrittenCoefficient(difference[j], x, exponent, j == 1);
      ASSERT_TRUE(value.has_value()) << "R term " << j << ": " << Utf8FromText(difference[j]);
      differenceRead = differenceRead + test::Term(*value, x, exponent);
    }
    if (nd == 2) EXPECT_TRUE(difference[3].empty());
    EXPECT_EQ(difference[nd], d.Dividend[k + nd]);
    Polynomial inColumns;
    for (const auto& [monomial, value] : current.terms) {
      const auto power = monomial.find(x);
      const int exponent = power == monomial.end() ? 0 : power->second;
      if (exponent >= read.exponentOf(k + nd)) inColumns.terms[monomial] = value;
    }
    EXPECT_TRUE(differenceRead == inColumns);
  }
  EXPECT_TRUE(current == remainder);
}

class LongDivisionBuilders : public testing::TestWithParam<int> {};

TEST_P(LongDivisionBuilders, EveryDivisionIsRightAndEveryCaseIsReached) {
  const int level = GetParam();
  Coverage coverage;
  test::ForManyItems(level == 2 ? 1902 : 1903, level == 2 ? MakeStufe2 : MakeStufe3,
                     [&](const TBruchM& item) {
                       const TTermDiv& d = item.TermDiv;
                       Text task;
                       for (const Text& term : d.Dividend) task += term;
                       task += u" : ";
                       for (const Text& term : d.Divisor) task += term;
                       SCOPED_TRACE("(" + Utf8FromText(task) + ") Rest " + Utf8FromText(d.Rest));
                       CheckDivision(item, level, coverage);
                     });
  for (const auto& [variante, cases] : kSignCases) {
    EXPECT_EQ(coverage.signCases[variante], cases) << "Variante " << variante;
  }
  // Gcd(…, −1) is −1, so of 1, 0, −1 … −4 only 1, −2, −3, −4 pass.
  EXPECT_EQ(coverage.unsureThirdCoefficients, (std::set<long long>{-4, -3, -2}));
  EXPECT_GT(coverage.blankColumns, 0);
  if (level == 3) {
    EXPECT_EQ(coverage.restShapes[2], std::set<int>{0});
    EXPECT_EQ(coverage.restShapes[3], (std::set<int>{0, 1, 2}));
  }
}

INSTANTIATE_TEST_SUITE_P(Stufe, LongDivisionBuilders, testing::Values(2, 3));

TEST(LongDivisionBuilders, TakeTheVariantGivenAndWriteAFreshRecord) {
  SetRandomSeed(44);
  TTermDiv record;
  char16_t letter = 0;
  for (int variante : {4, 1, 3, 2, 0, 7}) {
    TermDivU3(variante, letter, record);
    const Shape shape = kShapes.at(variante >= 1 && variante <= 4 ? variante : 1);
    EXPECT_EQ(record.AnzQuotient, shape.quotientTerms) << variante;
    EXPECT_EQ(record.AnzDivisor, shape.divisorTerms) << variante;
    EXPECT_NE(record.Dividend[1].find(letter), Text::npos);
    TermDivU2(variante, letter, record);
    EXPECT_TRUE(record.Rest.empty());
    EXPECT_EQ(record.RestArt, 0);
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora::fractions

#include "long_division_reading.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions::test {

std::optional<long long> WrittenCoefficient(TextView text, char16_t letter, int exponent,
                                            bool first) {
  bool negative = false;
  if (first) {
    if (text.starts_with(u'–')) {
      negative = true;
      text.remove_prefix(1);
    }
  } else if (text.starts_with(u" + ") || text.starts_with(u" – ")) {
    negative = text[1] == u'–';
    text.remove_prefix(3);
  } else {
    return std::nullopt;
  }
  if (text.empty() || text[0] < u'1' || text[0] > u'9') return std::nullopt;
  long long value = 0;
  while (!text.empty() && text[0] >= u'0' && text[0] <= u'9' && value < 1'000'000) {
    value = value * 10 + (text[0] - u'0');
    text.remove_prefix(1);
  }
  Text tail;
  if (exponent >= 1) tail = Text(u"·") + letter;
  if (exponent >= 2) tail += u'^' + TextFromUtf8(std::to_string(exponent));
  if (text != tail) return std::nullopt;
  return negative ? -value : value;
}

Polynomial Term(long long coefficient, char16_t letter, int exponent) {
  Polynomial p;
  if (coefficient == 0) return p;
  Monomial m;
  if (exponent > 0) m[letter] = exponent;
  p.terms[m] = coefficient;
  return p;
}

Polynomial FromCoefficients(const std::vector<long long>& coefficients, char16_t letter) {
  Polynomial p;
  const int last = static_cast<int>(coefficients.size()) - 1;
  for (int i = 0; i <= last; ++i) {
    p = p + Term(coefficients[static_cast<std::size_t>(i)], letter, last - i);
  }
  return p;
}

namespace {

// The terms texts[1 … count] of a polynomial of degree count − 1, highest power first.
template <typename Texts>
std::vector<long long> ReadTerms(const Texts& texts, int count, char16_t letter) {
  std::vector<long long> coefficients;
  for (int i = 1; i <= count; ++i) {
    const Text& text = texts[static_cast<std::size_t>(i)];
    const auto value = WrittenCoefficient(text, letter, count - i, i == 1);
    EXPECT_TRUE(value.has_value()) << "term " << i << ": \"" << Utf8FromText(text) << "\"";
    coefficients.push_back(value.value_or(0));
  }
  return coefficients;
}

}  // namespace

DivisionRead ReadDivision(const TTermDiv& record, char16_t letter) {
  DivisionRead read;
  read.columns = record.AnzQuotient + record.AnzDivisor - 1;
  read.dividend = ReadTerms(record.Dividend, read.columns, letter);
  read.divisor = ReadTerms(record.Divisor, record.AnzDivisor, letter);
  read.quotient = ReadTerms(record.Quotient, record.AnzQuotient, letter);
  read.dividendPolynomial = FromCoefficients(read.dividend, letter);
  read.divisorPolynomial = FromCoefficients(read.divisor, letter);
  read.quotientPolynomial = FromCoefficients(read.quotient, letter);
  return read;
}

}  // namespace kalkora::fractions::test

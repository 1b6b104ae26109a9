#pragma once
// Reading a written division back for the tests, independently of the code that writes it:
// each term must have exactly the written form of the division, and the polynomials are
// rebuilt from the numbers read.

#include <optional>
#include <vector>

#include "base/text.h"
#include "term_reading.h"

namespace kalkora {
struct TTermDiv;
}

namespace kalkora::fractions::test {

// The coefficient of a term written exactly as the division writes it: a first term as
// ‹28·h^3› or ‹–3›, a later one as ‹ + 55·h^2› or ‹ – 20›; the number always written, without
// leading zero and never 0, "·" and the letter for an exponent from 1, "^" and the exponent
// from 2. Any other text (another letter or exponent, a coefficient 0, a missing blank) gives
// no value.
std::optional<long long> WrittenCoefficient(TextView text, char16_t letter, int exponent,
                                            bool first);

// c · x^exponent.
Polynomial Term(long long coefficient, char16_t letter, int exponent);

// The polynomial of coefficients, highest power first, the last one the constant.
Polynomial FromCoefficients(const std::vector<long long>& coefficients, char16_t letter);

// The division read back from its record: the coefficients of dividend, divisor and quotient
// (each term checked with WrittenCoefficient at its power) and the polynomials they make.
// Fails the test when a text is not written as it must be.
struct DivisionRead {
  std::vector<long long> dividend;  // highest power first, all AnzQuotient + AnzDivisor − 1
  std::vector<long long> divisor;
  std::vector<long long> quotient;
  Polynomial dividendPolynomial;
  Polynomial divisorPolynomial;
  Polynomial quotientPolynomial;
  int columns = 0;  // number of dividend terms

  // The power of dividend column c (1 … columns).
  int exponentOf(int column) const { return columns - column; }
};
DivisionRead ReadDivision(const TTermDiv& record, char16_t letter);

}  // namespace kalkora::fractions::test

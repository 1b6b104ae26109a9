#include "topics/fractions/long_division_writing.h"

#include <cstddef>
#include <cstdlib>

#include "base/shared_functions.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions {
namespace {

std::size_t At(int index) { return static_cast<std::size_t>(index); }

// The remainder as Rest shows it: ‹2›, ‹3·h›, ‹h + 5›.
Text RestText(const DivisionNumbers& numbers, char16_t letter) {
  const auto linear = [&] {
    return numbers.r1 == 1 ? Text(1, letter) : Write(numbers.r1, u'·', letter);
  };
  switch (RestShape(numbers)) {
    case 0: return IntText(numbers.r0);
    case 1: return linear();
    default: return Write(linear(), u" + ", numbers.r0);
  }
}

}  // namespace

int RestShape(const DivisionNumbers& numbers) {
  if (!numbers.withRest || numbers.divisor.size() < 3) return 0;
  return numbers.restArt >= 0 && numbers.restArt <= 2 ? numbers.restArt : 0;
}

std::vector<int> RemainderCoefficients(const DivisionNumbers& numbers) {
  std::vector<int> remainder(numbers.divisor.size() - 1, 0);
  if (!numbers.withRest) return remainder;
  const int shape = RestShape(numbers);
  if (shape == 0 || shape == 2) remainder[remainder.size() - 1] = numbers.r0;
  if (shape == 1 || shape == 2) remainder[remainder.size() - 2] = numbers.r1;
  return remainder;
}

std::vector<int> DividendCoefficients(const DivisionNumbers& numbers) {
  const std::size_t nq = numbers.quotient.size();
  const std::size_t nd = numbers.divisor.size();
  std::vector<int> dividend(nq + nd - 1, 0);
  for (std::size_t i = 0; i < nq; ++i) {
    for (std::size_t j = 0; j < nd; ++j)
      dividend[i + j] += numbers.quotient[i] * numbers.divisor[j];
  }
  const std::vector<int> remainder = RemainderCoefficients(numbers);
  for (std::size_t i = 0; i < remainder.size(); ++i) {
    dividend[dividend.size() - remainder.size() + i] += remainder[i];
  }
  return dividend;
}

Text DivisionTerm(int coefficient, char16_t letter, int exponent, bool first) {
  Text term;
  if (first) {
    if (coefficient < 0) term += u'–';
  } else {
    term += coefficient < 0 ? u" – " : u" + ";
  }
  term += IntText(std::abs(coefficient));
  if (exponent >= 1) term += Write(u'·', Power(letter, exponent));
  if (coefficient == 0) term.assign(term.size(), u' ');
  return term;
}

TTermDiv WriteTermDiv(const DivisionNumbers& numbers, char16_t letter) {
  TTermDiv record;
  const int nq = static_cast<int>(numbers.quotient.size());
  const int nd = static_cast<int>(numbers.divisor.size());
  const std::vector<int> dividend = DividendCoefficients(numbers);
  const int columns = static_cast<int>(dividend.size());
  // Column c (1 … columns) holds the dividend term of this power.
  const auto exponentOf = [&](int column) { return columns - column; };
  const auto term = [&](int coefficient, int column, bool first) {
    return DivisionTerm(coefficient, letter, exponentOf(column), first);
  };

  record.AnzQuotient = nq;
  record.AnzDivisor = nd;
  for (int i = 1; i <= nq; ++i) {
    record.Koeff[At(i)] = numbers.quotient[At(i - 1)];
    record.Quotient[At(i)] = DivisionTerm(numbers.quotient[At(i - 1)], letter, nq - i, i == 1);
  }
  for (int j = 1; j <= nd; ++j) {
    record.Koeff[At(nq + j)] = numbers.divisor[At(j - 1)];
    record.Divisor[At(j)] = DivisionTerm(numbers.divisor[At(j - 1)], letter, nd - j, j == 1);
  }
  record.Koeff[33] = dividend[At(columns - 1)];
  record.Koeff[34] = dividend[At(columns - 2)];
  for (int c = 1; c <= columns; ++c) record.Dividend[At(c)] = term(dividend[At(c - 1)], c, c == 1);

  // The written division: `line` holds what stands in each column after the products so far
  // have been subtracted.
  std::vector<int> line = dividend;
  for (int k = 1; k <= nq; ++k) {
    auto& product = record.Zeilen[At(2 * k - 1)];
    for (int j = 1; j <= nd; ++j) {
      const int column = k + j - 1;
      const int value = numbers.quotient[At(k - 1)] * numbers.divisor[At(j - 1)];
      product[At(j)] = term(value, column, j == 1);
      line[At(column - 1)] -= value;
    }
    if (k == nq) break;
    auto& difference = record.Zeilen[At(2 * k)];
    for (int j = 1; j < nd; ++j) difference[At(j)] = term(line[At(k + j - 1)], k + j, j == 1);
    difference[At(nd)] = term(dividend[At(k + nd - 1)], k + nd, false);
  }

  if (numbers.withRest) {
    record.RestArt = RestShape(numbers);
    record.Rest = RestText(numbers, letter);
  }
  return record;
}

}  // namespace kalkora::fractions

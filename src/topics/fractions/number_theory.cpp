#include "topics/fractions/number_theory.h"

#include <algorithm>

#include "base/shared_functions.h"

namespace kalkora::fractions {

PrimeFactors Primfaktoren(int n) {
  PrimeFactors result;
  if (n <= 1) return result;
  int rest = n;
  int count = 0;
  OneBasedArray<int, 6> exponents;
  for (std::size_t p = 1; p <= 6; ++p) {
    const int prime = kFactorPrimes[p - 1];
    while (rest % prime == 0) {
      rest /= prime;
      ++exponents[p];
      ++count;
    }
  }
  if (rest != 1 || count > static_cast<int>(result.faktoren.size())) {
    result.abgelehnt = true;
    return result;
  }
  result.anzahl = count;
  result.exponenten = exponents;
  std::size_t position = 1;
  for (std::size_t p = 1; p <= 6; ++p) {
    for (int k = 0; k < exponents[p]; ++k) result.faktoren[position++] = kFactorPrimes[p - 1];
  }
  return result;
}

bool IstPrimzahl(int n) {
  return std::find(std::begin(kFactorPrimes), std::end(kFactorPrimes), n) !=
         std::end(kFactorPrimes);
}

Text Potenzschreibweise(const OneBasedArray<int, 10>& faktoren, int anzahl) {
  const int last = std::clamp(anzahl, 0, static_cast<int>(faktoren.size()));
  Text result;
  for (int prime : kFactorPrimes) {
    int count = 0;
    for (int i = 1; i <= last; ++i) {
      if (faktoren[static_cast<std::size_t>(i)] == prime) ++count;
    }
    if (count == 0) continue;
    if (!result.empty()) result += u'·';
    result += IntText(prime);
    if (count > 1) result.append(u"^").append(IntText(count));
  }
  return result;
}

Text Potenzschreibweise(int n) {
  const PrimeFactors factors = Primfaktoren(n);
  return Potenzschreibweise(factors.faktoren, factors.anzahl);
}

}  // namespace kalkora::fractions

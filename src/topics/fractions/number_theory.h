#pragma once
// The number theory of the fraction topic: prime factorisation over the six primes 2 … 13
// and the power notation of a factor list (‹2^2·3›).

#include "base/one_based_array.h"
#include "base/text.h"

namespace kalkora::fractions {

// The primes the factorisation knows, in ascending order.
inline constexpr int kFactorPrimes[6] = {2, 3, 5, 7, 11, 13};

struct PrimeFactors {
  int anzahl = 0;                    // number of prime factors (0 for n ≤ 1 or a rejected n)
  OneBasedArray<int, 6> exponenten;  // how often 2, 3, 5, 7, 11, 13 divide n, in that order
  OneBasedArray<int, 10> faktoren;   // the factors in ascending order, the other entries 0
  bool abgelehnt = false;            // n cannot be written with at most ten factors 2 … 13
};

// The prime factors of n. A number with a prime factor above 13 or with more than ten prime
// factors (2^11 = 2048, 17, 2·17) is rejected: `abgelehnt` is set and everything else stays
// empty. n ≤ 1 has no factors and is not rejected.
PrimeFactors Primfaktoren(int n);

// True exactly for 2, 3, 5, 7, 11 and 13: the primes the generators must not use as a
// denominator. Any other number, prime or not, counts as not prime.
bool IstPrimzahl(int n);

// The power notation of the first `anzahl` entries of a factor list: each of the six primes
// that occurs, ascending, alone or with "^" and its count, joined by "·". 12 gives ‹2^2·3›,
// 90 ‹2·3^2·5›, 13 "13"; other entries are ignored; no factor gives the empty text.
Text Potenzschreibweise(const OneBasedArray<int, 10>& faktoren, int anzahl);

// The power notation of n's factorisation (empty for n ≤ 1 or a rejected n).
Text Potenzschreibweise(int n);

}  // namespace kalkora::fractions

#pragma once
// Checks shared by the property tests of the fraction generators.

#include <cstdint>
#include <functional>

#include "base/text.h"
#include "term_reading.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions::test {

// How many items each property test generates.
inline constexpr int kItemsPerGenerator = 4000;

// Runs the generator for items 1 … 5 in turn, kItemsPerGenerator times in all, from a fixed
// seed, and hands each generated item to the check.
void ForManyItems(std::uint32_t seed, void (*generator)(int),
                  const std::function<void(const TBruchM&)>& check);

// The text in the form the finishing steps leave: "–" only, no exponent 1, no sign pair.
void ExpectDisplayForm(TextView text);

// No coefficient 1 written as "1·" (a 1 that ends a longer number or an exponent is fine).
void ExpectNoUnitCoefficient(TextView text);

// The solution finished: display form, no coefficient 1, no leading blank or "+", and the
// answer equals the solution without blanks and "·" (rebuilt here character by character).
void ExpectFinishedSolution(const TBruchM& item);

// Both texts have the same value at several sets of letter values (sets where either side
// has no value, e.g. a zero denominator, are skipped; at least three sets must count).
void ExpectSameValues(const std::function<double(const LetterValues&)>& task,
                      const std::function<double(const LetterValues&)>& solution, TextView letters);

// The fraction numerator/denominator has no common number factor, no common letter and no
// common linear factor.
void ExpectLowestTerms(TextView numerator, TextView denominator);

// The parts of "numerator/denominator" (the solution has exactly one "/").
struct FractionParts {
  Text numerator;
  Text denominator;
};
FractionParts SplitFraction(TextView solution);

// A polynomial read from a text that must be readable.
Polynomial MustRead(TextView text);

// Gcd of positive numbers, computed here.
long long GcdOf(long long a, long long b);

}  // namespace kalkora::fractions::test

#pragma once
// Reading generated texts back for the fraction tests, independently of the generators:
// the value of a display-form text through the evaluator, and a small polynomial reader
// (display or input form) for coefficients, common factors and factorisations.

#include <map>
#include <optional>
#include <vector>

#include "base/text.h"

namespace kalkora::fractions::test {

// Letter values for an evaluation.
using LetterValues = std::map<char16_t, double>;

// The value of a display-form term ("·", "–", letters) with each letter replaced by its value;
// NaN when the evaluator cannot read it or a letter has no value.
double ValueOf(TextView display, const LetterValues& values);

// The value of "numerator/denominator" (one "/" at most); NaN when the text has no value.
double FractionValueOf(TextView fraction, const LetterValues& values);

// Sample values for the letters, different for each trial number (never 0, never integers of
// small size that could hide a fault).
LetterValues SampleValues(TextView letters, int trial);

// The numbers written in a text, in their order, leaving out exponents: ‹3·x^2 + 12› gives
// 3 and 12.
std::vector<long long> NumbersInText(TextView text);

// The summands of a display-form text in their order, split at " + " and " – " outside
// brackets; the sign between them is dropped.
std::vector<Text> Summands(TextView text);

// The factors of a display-form product in their order, split at "·" outside brackets.
std::vector<Text> ProductPieces(TextView text);

// A monomial: letter → exponent (no zero exponents).
using Monomial = std::map<char16_t, int>;

struct Polynomial {
  std::map<Monomial, long long> terms;  // no zero coefficients

  bool isZero() const { return terms.empty(); }
  bool isConstant() const;
  long long content() const;               // gcd of the absolute coefficients (0 for zero)
  int minExponent(char16_t letter) const;  // smallest exponent of the letter over all terms
  int degree(char16_t letter) const;
  long long coefficient(const Monomial& m) const;
  std::vector<char16_t> letters() const;
};

Polynomial operator+(const Polynomial& a, const Polynomial& b);
Polynomial operator-(const Polynomial& a, const Polynomial& b);
Polynomial operator*(const Polynomial& a, const Polynomial& b);
bool operator==(const Polynomial& a, const Polynomial& b);

// Reads a term in display form (‹3·x^2 – 4·(x + 1)›) or input form (‹3x^2–4(x+1)›); no value
// for anything it cannot read (division, unknown characters, unbalanced brackets).
std::optional<Polynomial> ReadPolynomial(TextView text);

// The polynomial divided by the number (every coefficient must be divisible).
Polynomial DividedBy(const Polynomial& p, long long number);

// The polynomial divided by the monomial (every term must contain it).
Polynomial DividedBy(const Polynomial& p, const Monomial& m);

// A factorisation: number × monomial × irreducible factors (each primitive, with a positive
// leading coefficient) with their multiplicities.
struct Factorisation {
  long long number = 1;
  Monomial monomial;
  std::map<Polynomial, int> factors;
  bool complete = true;  // false when a rest could not be split into linear factors
};
bool operator<(const Polynomial& a, const Polynomial& b);

// Splits off the content and the common monomial, then linear factors: in one letter by
// rational roots (degree up to 2), or a homogeneous linear rest in two letters as it is.
Factorisation Factorise(const Polynomial& p);

// The polynomial made primitive with a positive leading coefficient (the coefficient of the
// greatest monomial in the map order).
Polynomial Normalised(const Polynomial& p);

}  // namespace kalkora::fractions::test

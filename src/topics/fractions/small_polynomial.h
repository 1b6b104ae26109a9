#pragma once
// Polynomials with integer coefficients and degree at most 2 in each of two letters: the
// numerators, denominators, extension factors and results of the unlike-denominator items,
// computed exactly and written in display form.

#include <array>

#include "base/text.h"

namespace kalkora::fractions {

class SmallPolynomial {
 public:
  static constexpr int kMaxDegree = 2;

  SmallPolynomial() = default;
  static SmallPolynomial Constant(int value);
  static SmallPolynomial X();  // the item's first letter
  static SmallPolynomial Y();  // the item's second letter

  // The coefficient of x^i·y^j (0 outside the degree bound).
  int coefficient(int i, int j) const;
  bool isZero() const;
  // The number of terms with a coefficient other than 0.
  int termCount() const;
  // The greatest common divisor of the absolute coefficients (0 for the zero polynomial).
  int content() const;
  // The coefficient of the term written first (see PolynomialText); 0 for the zero polynomial.
  int firstCoefficient() const;
  // Every coefficient divided by n, which divides them all.
  SmallPolynomial dividedBy(int n) const;
  // True when the linear polynomial e·x + f·y + g (e or f not 0) divides this one, that is,
  // when this one vanishes wherever the linear one does. The zero polynomial is divisible.
  bool isDivisibleBy(const SmallPolynomial& linear) const;

  friend SmallPolynomial operator+(const SmallPolynomial& a, const SmallPolynomial& b);
  friend SmallPolynomial operator-(const SmallPolynomial& a, const SmallPolynomial& b);
  // A product above the degree bound is a programming error and stops the program.
  friend SmallPolynomial operator*(const SmallPolynomial& a, const SmallPolynomial& b);
  friend SmallPolynomial operator*(int factor, const SmallPolynomial& p);
  friend bool operator==(const SmallPolynomial& a, const SmallPolynomial& b) = default;

 private:
  // c_[i][j] is the coefficient of x^i·y^j.
  std::array<std::array<int, kMaxDegree + 1>, kMaxDegree + 1> c_{};
};

// The display form with the letters x and y: terms by falling power of x, then of y
// (‹42·c^2 – 39·c – 36›, ‹8·d·a – 8·a^2›), a coefficient 1 left out (‹–x + 3›), "–" for a
// minus, one blank on each side of a sign between terms; "0" for the zero polynomial.
Text PolynomialText(const SmallPolynomial& p, char16_t x, char16_t y);

}  // namespace kalkora::fractions

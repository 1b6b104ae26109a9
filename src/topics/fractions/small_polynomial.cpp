#include "topics/fractions/small_polynomial.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>

#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions {
namespace {

constexpr int kTerms = SmallPolynomial::kMaxDegree + 1;

// The written order of the terms: falling power of x, then falling power of y.
template <typename Visit>
void ForTermsInOrder(Visit visit) {
  for (int i = SmallPolynomial::kMaxDegree; i >= 0; --i) {
    for (int j = SmallPolynomial::kMaxDegree; j >= 0; --j) visit(i, j);
  }
}

// The coefficients of a polynomial in one letter, up to degree 4, all zero?
bool AllZero(const std::array<std::int64_t, 2 * kTerms - 1>& coefficients) {
  for (std::int64_t c : coefficients) {
    if (c != 0) return false;
  }
  return true;
}

std::int64_t PowerOf(std::int64_t base, int exponent) {
  std::int64_t result = 1;
  for (int k = 0; k < exponent; ++k) result *= base;
  return result;
}

}  // namespace

SmallPolynomial SmallPolynomial::Constant(int value) {
  SmallPolynomial p;
  p.c_[0][0] = value;
  return p;
}

SmallPolynomial SmallPolynomial::X() {
  SmallPolynomial p;
  p.c_[1][0] = 1;
  return p;
}

SmallPolynomial SmallPolynomial::Y() {
  SmallPolynomial p;
  p.c_[0][1] = 1;
  return p;
}

int SmallPolynomial::coefficient(int i, int j) const {
  if (i < 0 || j < 0 || i > kMaxDegree || j > kMaxDegree) return 0;
  return c_[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
}

bool SmallPolynomial::isZero() const { return termCount() == 0; }

int SmallPolynomial::termCount() const {
  int count = 0;
  ForTermsInOrder([&](int i, int j) { count += coefficient(i, j) != 0 ? 1 : 0; });
  return count;
}

int SmallPolynomial::content() const {
  int g = 0;
  ForTermsInOrder([&](int i, int j) { g = std::gcd(g, std::abs(coefficient(i, j))); });
  return g;
}

int SmallPolynomial::firstCoefficient() const {
  int first = 0;
  ForTermsInOrder([&](int i, int j) {
    if (first == 0) first = coefficient(i, j);
  });
  return first;
}

SmallPolynomial SmallPolynomial::dividedBy(int n) const {
  SmallPolynomial p;
  for (std::size_t i = 0; i < kTerms; ++i) {
    for (std::size_t j = 0; j < kTerms; ++j) p.c_[i][j] = c_[i][j] / n;
  }
  return p;
}

bool SmallPolynomial::isDivisibleBy(const SmallPolynomial& linear) const {
  const std::int64_t e = linear.coefficient(1, 0);
  const std::int64_t f = linear.coefficient(0, 1);
  const std::int64_t g = linear.coefficient(0, 0);
  // Substitute the zero of the linear polynomial, multiplied through by its leading
  // coefficient squared so that everything stays integral, and see whether nothing is left.
  std::array<std::int64_t, 2 * kTerms - 1> rest{};
  if (e != 0) {
    // x = −(f·y + g)/e: each term c·x^i·y^j becomes c·(−f·y − g)^i·e^(2−i)·y^j.
    ForTermsInOrder([&](int i, int j) {
      const std::int64_t c = coefficient(i, j);
      if (c == 0) return;
      // (−f·y − g)^i expanded: Σ binom(i, k)·(−f)^k·(−g)^(i−k)·y^k.
      for (int k = 0; k <= i; ++k) {
        const std::int64_t binomial = (k == 0 || k == i) ? 1 : i;
        rest[static_cast<std::size_t>(k + j)] +=
            c * binomial * PowerOf(-f, k) * PowerOf(-g, i - k) * PowerOf(e, kMaxDegree - i);
      }
    });
    return AllZero(rest);
  }
  if (f != 0) {
    // y = −g/f: each term c·x^i·y^j becomes c·x^i·(−g)^j·f^(2−j).
    ForTermsInOrder([&](int i, int j) {
      rest[static_cast<std::size_t>(i)] +=
          coefficient(i, j) * PowerOf(-g, j) * PowerOf(f, kMaxDegree - j);
    });
    return AllZero(rest);
  }
  return false;
}

SmallPolynomial operator+(const SmallPolynomial& a, const SmallPolynomial& b) {
  SmallPolynomial p;
  for (std::size_t i = 0; i < kTerms; ++i) {
    for (std::size_t j = 0; j < kTerms; ++j) p.c_[i][j] = a.c_[i][j] + b.c_[i][j];
  }
  return p;
}

SmallPolynomial operator-(const SmallPolynomial& a, const SmallPolynomial& b) {
  return a + (-1) * b;
}

SmallPolynomial operator*(const SmallPolynomial& a, const SmallPolynomial& b) {
  SmallPolynomial p;
  for (std::size_t i1 = 0; i1 < kTerms; ++i1) {
    for (std::size_t j1 = 0; j1 < kTerms; ++j1) {
      if (a.c_[i1][j1] == 0) continue;
      for (std::size_t i2 = 0; i2 < kTerms; ++i2) {
        for (std::size_t j2 = 0; j2 < kTerms; ++j2) {
          if (b.c_[i2][j2] == 0) continue;
          if (i1 + i2 >= kTerms || j1 + j2 >= kTerms) {
            std::fprintf(stderr, "SmallPolynomial: product above degree %d\n",
                         SmallPolynomial::kMaxDegree);
            std::abort();
          }
          p.c_[i1 + i2][j1 + j2] += a.c_[i1][j1] * b.c_[i2][j2];
        }
      }
    }
  }
  return p;
}

SmallPolynomial operator*(int factor, const SmallPolynomial& p) {
  return SmallPolynomial::Constant(factor) * p;
}

Text PolynomialText(const SmallPolynomial& p, char16_t x, char16_t y) {
  Text text;
  ForTermsInOrder([&](int i, int j) {
    const int c = p.coefficient(i, j);
    if (c == 0) return;
    if (text.empty()) {
      if (c < 0) text += u'–';
    } else {
      text += c < 0 ? u" – " : u" + ";
    }
    const Text letters = Product({Power(x, i), Power(y, j)});
    const int size = std::abs(c);
    if (letters.empty()) {
      text += IntText(size);
    } else if (size == 1) {
      text += letters;
    } else {
      text += Write(size, u'·', letters);
    }
  });
  return text.empty() ? Text{u"0"} : text;
}

}  // namespace kalkora::fractions

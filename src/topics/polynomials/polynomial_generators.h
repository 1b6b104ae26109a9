#pragma once
// The polynomial item generators. Each entry point takes the item index i (1 … 5), draws the
// item's Variante, letters, signs and numbers, and fills item i of polynomials::Polynom: the
// task and solution as markup text, then the finishing step. Every entry point is split into
// its drawing and a writer that writes an item from given values, so that the texts of chosen
// values can be looked at on their own.
//
// Letters are marked "#" (first), "_" (second), "~" (third), "$" (fourth); signs are '+' or
// '-'; the numbers are those of the task, with the meaning given at each record.

#include "topics/polynomials/polynomial_record.h"

namespace kalkora {

// ---- Kind 1 "Polynom·Monom" ----

// Stufe 1. a, b, c, d: 1 … 9 in absolute value, pairwise different.
// 1 ‹(a·x s1 b·y)·c·z›  2 ‹a·x·(b·y s1 c·z)›  3 ‹(a·x s1 b·y s2 c·z)·d·w›
// 4 ‹a·x·(b·y s1 c·z s2 d·w)›; a negative monomial after the bracket is bracketed itself.
struct PolynomMonom1Values {
  int Variante = 1;
  char16_t x = u'a', y = u'b', z = u'c', w = u'd';
  int a = 1, b = 2, c = 3, d = 4;
  char16_t s1 = u'+', s2 = u'+';
};
void WritePolynomMonom1(TPolynom& item, const PolynomMonom1Values& values);
void PolynomMonom1(int i);

// Stufe 2: only the coefficients +1 and −1. u, v: ±1 (Variante 1, 2); minusA, minusC: the
// first letter of the first / second bracket carries a minus (Variante 3 … 5).
// 1 ‹(u·x s1 y)·v·x›  2 ‹u·x·(v·y s1 x)›  3 ‹(A·x s1 y)·x s2 (C·x s3 y)·y›
// 4 ‹(A·x s1 y)·(–x) s2 (C·x s3 y)·y›  5 ‹(A·x s1 y)·x s2 (C·x s3 y)·(–y)›
struct PolynomMonom2Values {
  int Variante = 1;
  char16_t x = u'a', y = u'b';
  int u = 1, v = 1;
  bool minusA = false, minusC = false;
  char16_t s1 = u'+', s2 = u'+', s3 = u'+';
};
void WritePolynomMonom2(TPolynom& item, const PolynomMonom2Values& values);
void PolynomMonom2(int i);

// Stufe 3: powers. e1 > e2 > e3 (e1, e2: 2 … 6, e3: 1 … 5), c1 … c4: 2 … 6.
// 1 ‹x^e1·(x s1 y)›  2 ‹–x^e1·(x s1 y)›  3 ‹y^e1·(x s1 y)›  4 ‹(x s1 y)·(–x^e1)›
// 5 ‹c1·x^e1·(c2·x^e2 s1 c3)›  6 ‹c1·x^e1·(c2·x^e2 s1 c3·x^e3 s2 c4)›
struct PolynomMonom3Values {
  int Variante = 1;
  char16_t x = u'a', y = u'b';
  int e1 = 4, e2 = 3, e3 = 2;
  int c1 = 2, c2 = 3, c3 = 4, c4 = 5;
  char16_t s1 = u'+', s2 = u'+';
};
void WritePolynomMonom3(TPolynom& item, const PolynomMonom3Values& values);
void PolynomMonom3(int i);

// ---- Kind 2 "Polynom·Polynom" ----

// Stufe 1, one letter. 1 ‹(x + b)·(x + d)› (b, d: 1 … 9 in absolute value)
// 2 ‹(a·x + b)·(c·x + d)›  3 ‹(b + a·x)·(d + c·x)› (a, b, c, d: 2 … 9 in absolute value).
// The solution's coefficients are read by evaluating the task at 0 and 1.
struct PolynomPolynom1Values {
  int Variante = 1;
  char16_t x = u'a';
  int a = 2, b = 3, c = 4, d = 5;
};
void WritePolynomPolynom1(TPolynom& item, const PolynomPolynom1Values& values);
void PolynomPolynom1(int i);

// Stufe 2, two letters x before y; c1 … c4: 1 … 6 in absolute value, Gcd(c1, c2) = 1 and
// Gcd(c3, c4) = 1; e1, e2: 2 … 5.
// 1 ‹(c1·x^e1 + c2·y)·(c3·x + c4·y^e1)›  2 ‹(c1·x^2 + c2·y^2)·(c3·x^2 + c4·y^2)›
// 3 ‹(c1·x^3 + c2·y^3)·(c3·x^2 + c4·y^2)›  4 ‹(c1·x^e1 + c2·y^e1)·(c3·x^e2 + c4·y^e2)›
struct PolynomPolynom2Values {
  int Variante = 1;
  char16_t x = u'a', y = u'b';
  int c1 = 1, c2 = 2, c3 = 3, c4 = 4;
  int e1 = 2, e2 = 3;
};
void WritePolynomPolynom2(TPolynom& item, const PolynomPolynom2Values& values);
void PolynomPolynom2(int i);

// Stufe 3, one letter; e1 > e2 > e4 (2 … 6), c1 … c5: 1 … 6 in absolute value.
// ‹(c1·x^e1 + c2·x^e2 + c3)·(c4·x^e4 + c5)›
struct PolynomPolynom3Values {
  char16_t x = u'a';
  char16_t unusedLetter = u'b';  // drawn after x, later in the alphabet, kept as Var2
  int e1 = 5, e2 = 3, e4 = 2;
  int c1 = 1, c2 = 2, c3 = 3, c4 = 4, c5 = 5;
};
void WritePolynomPolynom3(TPolynom& item, const PolynomPolynom3Values& values);
void PolynomPolynom3(int i);

// ---- Kind 3 "Formeln für Binome" ----

// Stufe 1: ‹(x + a)^2 =›, a: 1 … 9.
struct Binome1Values {
  char16_t x = u'a';
  int a = 1;
};
void WriteBinome1(TPolynom& item, const Binome1Values& values);
void Binome1(int i);

// Stufe 2, two letters; a ≠ b: 2 … 9, e: 2 … 5.
// 1 ‹(a·x + b·y)^2›  2 ‹(a·x – b·y)^2›  3 ‹(a·x + b·y)·(a·x – b·y)›, 4 … 6 the same with the
// powers x^e and y^e.
struct Binome2Values {
  int Variante = 1;
  char16_t x = u'a', y = u'b';
  int a = 2, b = 3, e = 2;
};
void WriteBinome2(TPolynom& item, const Binome2Values& values);
void Binome2(int i);

// Stufe 3: an expanded square or difference of squares, to be written as a product; one
// letter, a ≠ b: 1 … 9. Variante 1 … 4 ‹(x ± a)^2›, ‹(a ± x)^2›; 5 … 8 ‹(a·x ± b)^2›,
// ‹(a ± b·x)^2›; 9 ‹a² – x²›, 10 ‹x² – a²›, 11 ‹a² – b²·x²›, 12 ‹a²·x² – b²›.
struct Binome3Values {
  int Variante = 1;
  char16_t x = u'a';
  int a = 1, b = 2;
};
void WriteBinome3(TPolynom& item, const Binome3Values& values);
void Binome3(int i);

// ---- Kind 5 "Herausheben" ----

// Stufe 1: a number or power taken out of two or three summands. F (Variante 1 … 4) and
// G (5 … 8): 2 … 9, the greatest common divisor of k1, k2 (k1, k2, k3), which are 1 … 50
// and different; e1 > e2 > e3: 2 … 7. s1, s2 the signs, their opposites t1, t2.
// 1 ‹k1·x s1 k2·y›  2 ‹k1·x^e1 s1 k2·x^e2›  3 ‹–x s1 y›  4 ‹–k1·x s1 k2·y›
// 5 ‹k1·x s1 k2·y s2 k3·z›  6 ‹k1·x^e1 s1 k2·x^e2 s2 k3·x^e3›  7 ‹–x s1 y s2 z›
// 8 ‹–k1·x s1 k2·y s2 k3·z›
struct Herausheben1Values {
  int Variante = 1;
  char16_t x = u'a', y = u'b', z = u'c';
  char16_t s1 = u'+', s2 = u'+';
  int e1 = 4, e2 = 3, e3 = 2;
  int F = 2, G = 2;
  int k1 = 2, k2 = 4, k3 = 6;
};
void WriteHerausheben1(TPolynom& item, const Herausheben1Values& values);
void Herausheben1(int i);

// Stufe 2: a bracket (and a number) taken out. P ≠ Q: 2 … 9; F: 2 … 9 the greatest common
// divisor of k1 ≠ k2 (1 … 50); s between the products, t inside the bracket.
// 1 ‹x·(y t z) s w·(y t z)›  2 ‹k1·x·(y t z) s k2·w·(y t z)›
// 3 ‹k1·x·(P·y t z) s k2·w·(P·y t z)›  4 ‹k1·x·(P·y t Q·z) s k2·w·(P·y t Q·z)›
struct Herausheben2Values {
  int Variante = 1;
  char16_t x = u'a', y = u'b', z = u'c', w = u'd';
  char16_t s = u'+', t = u'+';
  int P = 2, Q = 3, F = 2;
  int k1 = 2, k2 = 4;
};
void WriteHerausheben2(TPolynom& item, const Herausheben2Values& values);
void Herausheben2(int i);

// Stufe 3: ‹(c1·x s c2·y)·(c3·z u c4·w) v (c1·x s c2·y)·(c5·z u c6·w) =›, x before y and
// z before w, c1 … c6: 2 … 9. A = c3 v c5, B = c4 v c6; Variante 1 takes out the bracket
// (Gcd(A, B) = 1), Variante 2 also the number Gcd(A, B) > 1 (with its minus when A < 0).
struct Herausheben3Values {
  int Variante = 1;
  char16_t x = u'a', y = u'b', z = u'c', w = u'd';
  char16_t s = u'+', u = u'+', v = u'+';
  int c1 = 2, c2 = 3, c3 = 2, c4 = 3, c5 = 3, c6 = 2;
};
// Whether the numbers meet the conditions of the Variante: Gcd(c1, c2), Gcd(c3, c4) and
// Gcd(c5, c6) are 1; Variante 1: Gcd(A, B) = 1, and neither A nor B is 0 (a solution never
// shows a coefficient 0); Variante 2: also Gcd(c3, c5) = Gcd(c4, c6) = 1, and Gcd(A, B) > 1.
bool Herausheben3Admissible(const Herausheben3Values& values);
void WriteHerausheben3(TPolynom& item, const Herausheben3Values& values);
void Herausheben3(int i);

}  // namespace kalkora

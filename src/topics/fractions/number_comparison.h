#pragma once
// "Schrittweise Erklärung" of the long division: a written division of whole numbers beside a
// division of a quadratic by a linear polynomial, step for step in the same words, so that a
// learner sees the two procedures are one.
//
// Numbers: N = 100·h + 10·t + u (digits 1 … 9) divided by d (Stufe 2: 2 … 10, Stufe 3:
// 2 … 9); the first partial dividend P = 10·h + t gives q1 = P div d ≤ 9 and r1 = P mod d ≥ 1,
// the second 10·r1 + u gives q2 and the remainder r: 0 at Stufe 2, not 0 at Stufe 3.
// Polynomials: (a·x σ1 b)·(c·x σ2 e) with a, b, c, e from 1 … 9, a ≠ b, c ≠ e, a·c > 10,
// b·e > 10, a, b, c pairwise coprime and b, e coprime; at Stufe 3 the constant term q of the
// product is moved away from 0 by k + 1 (k from 0 … 19, and q + k < 99 for q > 0), which is
// the remainder R. The remainder is always a number, so every step names what is drawn.
//
// Steps (numbers | polynomials), the words of each as the window shows them:
//   1 the task
//   2 ‹_d_ ist in #P# ~q1–mal~ enthalten›        | ‹_A_ ist in #L1# ~Q1–mal~ enthalten›
//   3 ‹~q1~ mal _d_ ergibt #q1·d#›               | ‹~Q1~ mal _D_ ergibt #M#›
//   4 ‹#P# – #q1·d# ergibt der Rest #r1#›       | ‹#first two terms# – (#M#) ergibt der Rest
//   #x-term#› 5 ‹Die Stelle #u# wird herabgeschrieben›     | ‹Der Term #q# wird herabgeschrieben›
//   6 ‹_d_ ist in #P2# ~q2–mal~ enthalten›       | ‹_A_ ist in #L1# ~Q2–mal~ enthalten›
//   7 ‹~q2~ mal _d_ ergibt #q2·d#›               | ‹~Q2~ mal _D_ ergibt #M#›
//   8 ‹#P2# – #q2·d# ergibt der Rest #r#›       | ‹#C# – #(M)# ergibt der Rest R›
//   9 (Stufe 3) the mixed number                 | the result with remainder
// What a sentence names carries its colour in the drawing too: partial dividend and current
// term rose, divisor olive, quotient digit or term violet.

#include <vector>

#include "base/text.h"
#include "topics/fractions/written_lines.h"

namespace kalkora::fractions {

struct NumberComparison {
  int level = 2;
  int h = 2, t = 6, u = 9;  // the digits of the dividend N
  int d = 8;                // the divisor
  char16_t letter = u'x';
  int a = 2, b = 9, c = 7, e = 3;  // the divisor a·x σ1 b and the quotient c·x σ2 e
  int s1 = 1, s2 = 1;              // σ1, σ2: +1 or −1
  int rest = 0;                    // R, the polynomial's remainder (0 at Stufe 2)

  int dividend() const { return 100 * h + 10 * t + u; }
  int firstPartial() const { return 10 * h + t; }  // P
  int q1() const { return firstPartial() / d; }
  int r1() const { return firstPartial() % d; }
  int secondPartial() const { return 10 * r1() + u; }  // P2
  int q2() const { return secondPartial() / d; }
  int remainder() const { return secondPartial() % d; }  // r
  // The polynomial dividend a·c·x^2 + p·x + q + R.
  int square() const { return a * c; }
  int linear() const { return a * s2 * e + s1 * b * c; }  // p
  int product() const { return s1 * b * s2 * e; }         // q
  int constant() const { return product() + rest; }
};

// Draws a comparison for Stufe 2 or 3 (any other level counts as 3) with the letter: the
// digits and divisor together until every condition of the level holds, then the four
// coefficients likewise, the signs, and at Stufe 3 the remainder.
NumberComparison MakeComparison(int level, char16_t letter);

// ExplainStepCount: 8 at Stufe 2, 9 at Stufe 3.
int ComparisonStepCount(int level);

// A line of a closing step, drawn with DrawFractionExpr (a "{numerator/denominator}" group is
// a stacked fraction) from page x with the bars at page y.
struct ClosingLine {
  double x = 0;
  double y = 0;
  Text text;
  int size = 22;
  bool rose = false;
};

// One half of the page: its heading, the written division and the step's sentence.
struct ComparisonHalf {
  Text heading;  // markup, 16 points, centred on `centre` at y = 35
  double centre = 0;
  double room = 0;       // the width the half's sentence may take, centred on `centre`
  double lineStart = 0;  // the page x where the task line starts
  WrittenColumns columns;
  std::vector<WrittenLine> lines;  // the task line first
  Text sentence;                   // markup for DrawMarkup6, centred on `centre` at y = −26
  int sentenceSize = 16;
  std::vector<ClosingLine> closing;  // the last step of Stufe 3
};

struct ComparisonPage {
  ComparisonHalf numbers;
  ComparisonHalf polynomials;
};

// The page at step 1 … ComparisonStepCount (clamped to that range).
ComparisonPage ComparisonAt(const NumberComparison& comparison, int step);

}  // namespace kalkora::fractions

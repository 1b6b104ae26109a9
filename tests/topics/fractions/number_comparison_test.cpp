// The number comparison of the long division: the drawn numbers and polynomials keep every
// condition of their level, what is written adds up (checked by reading the texts back), and
// the Part's cases as a table.

#include "topics/fractions/number_comparison.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "base/random.h"
#include "base/shared_functions.h"
#include "example_checks.h"
#include "generator_checks.h"
#include "long_division_reading.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions {
namespace {

using test::FromCoefficients;
using test::MarkedParts;
using test::MustRead;
using test::Polynomial;
using test::Unmarked;

std::string U8(TextView text) { return Utf8FromText(text); }

long long Number(TextView text) { return std::stoll(U8(RemoveSpaces(Text(text)))); }

// "–16" → −16 (the display minus).
long long SignedNumber(TextView text) {
  Text t(text);
  bool negative = false;
  if (!t.empty() && t.front() == u'–') {
    negative = true;
    t.erase(0, 1);
  }
  const long long value = Number(t);
  return negative ? -value : value;
}

// The parts of the task line "(dividend) : (divisor) = quotient" of the polynomial half.
struct PolynomialTask {
  Polynomial dividend;
  Polynomial divisor;
  Polynomial quotient;
};
PolynomialTask ReadTask(TextView line) {
  const Text text = Unmarked(line);
  const std::size_t colon = text.find(u" ) : (");
  const std::size_t equals = text.find(u") = ");
  PolynomialTask task;
  task.dividend = MustRead(text.substr(2, colon - 2));
  task.divisor = MustRead(text.substr(colon + 6, equals - colon - 6));
  task.quotient = MustRead(text.substr(equals + 4));
  return task;
}

TEST(NumberComparison, EveryComparisonKeepsTheConditionsOfItsLevel) {
  for (const int level : {2, 3}) {
    SetRandomSeed(400 + static_cast<std::uint32_t>(level));
    std::set<int> signs;
    std::set<int> divisors;
    for (int n = 0; n < 2000; ++n) {
      const NumberComparison c = MakeComparison(level, u'x');
      SCOPED_TRACE(testing::Message() << c.dividend() << " : " << c.d << " | " << c.a << " " << c.b
                                      << " " << c.c << " " << c.e << " R " << c.rest);
      // The numbers.
      for (const int digit : {c.h, c.t, c.u}) {
        EXPECT_GE(digit, 1);
        EXPECT_LE(digit, 9);
      }
      EXPECT_GE(c.d, 2);
      EXPECT_LE(c.d, level == 2 ? 10 : 9);
      divisors.insert(c.d);
      const int p = 10 * c.h + c.t;
      EXPECT_EQ(p, c.q1() * c.d + c.r1());
      EXPECT_LE(c.q1(), 9);
      EXPECT_GE(c.r1(), 1);
      EXPECT_LT(c.r1(), c.d);
      EXPECT_EQ(c.dividend(), c.d * (10 * c.q1() + c.q2()) + c.remainder());
      if (level == 2) {
        EXPECT_EQ(c.remainder(), 0);
      } else {
        EXPECT_GT(c.remainder(), 0);
        EXPECT_LT(c.remainder(), c.d);
      }
      // The polynomials.
      for (const int k : {c.a, c.b, c.c, c.e}) {
        EXPECT_GE(k, 1);
        EXPECT_LE(k, 9);
      }
      EXPECT_NE(c.a, c.b);
      EXPECT_NE(c.c, c.e);
      EXPECT_GT(c.a * c.c, 10);
      EXPECT_GT(c.b * c.e, 10);
      EXPECT_EQ(test::GcdOf(c.a, c.b), 1);
      EXPECT_EQ(test::GcdOf(c.a, c.c), 1);
      EXPECT_EQ(test::GcdOf(c.b, c.c), 1);
      EXPECT_EQ(test::GcdOf(c.b, c.e), 1);
      signs.insert(2 * c.s1 + c.s2);
      const int q = c.s1 * c.b * c.s2 * c.e;
      if (level == 2) {
        EXPECT_EQ(c.rest, 0);
      } else {
        // |R| = k + 1 with k from 0 … 19, with the sign of q; q + k below 99 for q > 0.
        EXPECT_GE(std::abs(c.rest), 1);
        EXPECT_LE(std::abs(c.rest), 20);
        EXPECT_EQ(c.rest > 0, q > 0);
        if (q > 0) EXPECT_LT(q + c.rest - 1, 99);
      }
      // What the last step writes: the task line holds (a·x σ1 b)·(c·x σ2 e) + R.
      const ComparisonPage page = ComparisonAt(c, ComparisonStepCount(level));
      const PolynomialTask task = ReadTask(page.polynomials.lines[0].text);
      const Polynomial divisor = FromCoefficients({c.a, c.s1 * c.b}, u'x');
      const Polynomial quotient = FromCoefficients({c.c, c.s2 * c.e}, u'x');
      EXPECT_EQ(task.divisor, divisor);
      EXPECT_EQ(task.quotient, quotient);
      EXPECT_EQ(task.dividend, divisor * quotient + FromCoefficients({0, c.rest}, u'x'));
      // The numbers' task line: N : d = q1q2.
      EXPECT_EQ(Unmarked(page.numbers.lines[0].text),
                Write(c.dividend(), u" : ", c.d, u" = ", c.q1(), c.q2()));
      if (testing::Test::HasFailure()) break;
    }
    EXPECT_EQ(signs.size(), 4u);
    // Every divisor 2 … 9 is reached; 10 is drawn at Stufe 2 but never kept, as N would have
    // to end in the digit 0.
    EXPECT_EQ(divisors, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    ClearFixedRandomSeed();
  }
}

// Every step's rows against the mathematics: the products and differences on both sides.
TEST(NumberComparison, EveryRowIsWhatTheDivisionWrites) {
  for (const int level : {2, 3}) {
    SetRandomSeed(500 + static_cast<std::uint32_t>(level));
    for (int n = 0; n < 500; ++n) {
      const NumberComparison c = MakeComparison(level, u'y');
      const ComparisonPage page = ComparisonAt(c, 8);
      SCOPED_TRACE(U8(Unmarked(page.polynomials.lines[0].text)));
      // Rows 1 … 4 under the task line on each side.
      ASSERT_EQ(page.numbers.lines.size(), 5u);
      ASSERT_EQ(page.polynomials.lines.size(), 5u);
      const auto text = [](const ComparisonHalf& half, int row) {
        return Unmarked(half.lines[static_cast<std::size_t>(row)].text);
      };
      EXPECT_EQ(SignedNumber(text(page.numbers, 1)), -c.q1() * c.d);
      EXPECT_EQ(Number(text(page.numbers, 2)), c.secondPartial());
      EXPECT_EQ(SignedNumber(text(page.numbers, 3)), -c.q2() * c.d);
      EXPECT_EQ(Number(text(page.numbers, 4)), c.remainder());
      const PolynomialTask task = ReadTask(page.polynomials.lines[0].text);
      const Polynomial q1 = FromCoefficients({c.c, 0}, u'y');
      const Polynomial q2 = FromCoefficients({0, c.s2 * c.e}, u'y');
      // "–(M)" and ")": the product M below the line it is taken from.
      const auto product = [&](int row) {
        const Text t = text(page.polynomials, row);
        EXPECT_EQ(t.substr(0, 2), u"–(");
        EXPECT_EQ(page.polynomials.lines[static_cast<std::size_t>(row)].after, u")");
        return MustRead(t.substr(2));
      };
      EXPECT_EQ(product(1), q1 * task.divisor);
      const Polynomial secondLine = task.dividend - q1 * task.divisor;
      EXPECT_EQ(MustRead(text(page.polynomials, 2)), secondLine);
      EXPECT_EQ(product(3), q2 * task.divisor);
      EXPECT_EQ(MustRead(text(page.polynomials, 4)), secondLine - q2 * task.divisor);
      EXPECT_EQ(MustRead(text(page.polynomials, 4)), FromCoefficients({0, c.rest}, u'y'));
      // Columns: products and the lines under them end under the dividend's terms.
      const std::vector<int> numberColumns{0, 2, 3, 3, 3};
      const std::vector<int> termColumns{0, 2, 3, 3, 3};
      for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(page.numbers.lines[static_cast<std::size_t>(row)].column, numberColumns[row]);
        EXPECT_EQ(page.polynomials.lines[static_cast<std::size_t>(row)].column, termColumns[row]);
        EXPECT_EQ(page.numbers.lines[static_cast<std::size_t>(row)].rule, row % 2 == 1);
        EXPECT_EQ(page.polynomials.lines[static_cast<std::size_t>(row)].rule, row % 2 == 1);
      }
      if (testing::Test::HasFailure()) break;
    }
    ClearFixedRandomSeed();
  }
}

// A named or drawn part compared without blanks, a plus before it, brackets around it or the
// "–mal" after it.
Text Plain(TextView text) {
  Text plain = RemoveSpaces(Text(text));
  const std::size_t times = plain.find(u"–mal");
  if (times != Text::npos) plain = plain.substr(0, times);
  if (plain.size() > 2 && plain.front() == u'(' && plain.back() == u')') {
    plain = plain.substr(1, plain.size() - 2);
  }
  if (!plain.empty() && plain.front() == u'+') plain.erase(0, 1);
  return plain;
}

// What each step names carries its colour on the page: every part of the sentence between
// marks stands between the same marks in the drawing.
TEST(NumberComparison, WhatTheSentenceNamesIsColouredInTheDrawing) {
  for (const int level : {2, 3}) {
    SetRandomSeed(600 + static_cast<std::uint32_t>(level));
    for (int n = 0; n < 200; ++n) {
      const NumberComparison c = MakeComparison(level, u'a');
      for (int step = 2; step <= 8; ++step) {
        const ComparisonPage page = ComparisonAt(c, step);
        for (const ComparisonHalf* half : {&page.numbers, &page.polynomials}) {
          SCOPED_TRACE(testing::Message() << "step " << step << ": " << U8(half->sentence));
          for (const char16_t marker : {u'#', u'_', u'~'}) {
            std::set<Text> drawn;
            for (const WrittenLine& line : half->lines) {
              for (const Text& part : MarkedParts(line.text, marker)) drawn.insert(Plain(part));
            }
            for (const Text& named : MarkedParts(half->sentence, marker)) {
              EXPECT_EQ(drawn.count(Plain(named)), 1u) << U8(named);
            }
          }
        }
      }
    }
    ClearFixedRandomSeed();
  }
}

// The Part's edge cases.
TEST(NumberComparison, ThePartsCases) {
  // 269 : 8 at Stufe 3 ends with ‹269 : 8 = 33 › and the fraction 5/8.
  NumberComparison c;
  c.level = 3;
  c.h = 2;
  c.t = 6;
  c.u = 9;
  c.d = 8;
  c.a = 5;
  c.b = 8;
  c.c = 3;
  c.e = 7;
  c.s1 = 1;
  c.s2 = -1;
  c.rest = -4;
  const ComparisonPage last = ComparisonAt(c, 9);
  ASSERT_EQ(last.numbers.closing.size(), 1u);
  EXPECT_EQ(U8(last.numbers.closing[0].text), "269 : 8 = 33 {5/8}");
  EXPECT_EQ(U8(last.numbers.sentence), "#Schreibweise als gemischte Zahl!#");
  EXPECT_EQ(last.numbers.sentenceSize, 14);
  EXPECT_EQ(U8(last.polynomials.sentence), "#Schreibweise als Ergebnis mit Rest!#");
  // The divisor 5·x + 8 as written in the task, the negative remainder with one minus.
  ASSERT_EQ(last.polynomials.closing.size(), 2u);
  EXPECT_EQ(U8(last.polynomials.closing[0].text), "( 15·x^2 – 11·x – 60 ) : ( 5·x + 8 ) = ");
  EXPECT_EQ(U8(last.polynomials.closing[1].text), " = 3·x – 7 – {4/5·x + 8}");
  EXPECT_EQ(U8(Unmarked(last.polynomials.lines[0].text)),
            "( 15·x^2 – 11·x – 60 ) : (5·x + 8) = 3·x – 7");

  // Step 7: the product with a negative x term ‹– 35·x – 56›, with a positive one ‹81·x – 36›.
  EXPECT_EQ(U8(ComparisonAt(c, 7).polynomials.sentence), "~–7~ mal _5·x + 8_ ergibt #– 35·x – 56#");
  NumberComparison positive = c;
  positive.a = 9;
  positive.b = 4;
  positive.c = 5;
  positive.e = 9;
  positive.s1 = -1;
  positive.s2 = 1;
  positive.rest = 0;
  positive.level = 2;
  EXPECT_EQ(U8(ComparisonAt(positive, 7).polynomials.sentence),
            "~9~ mal _9·x – 4_ ergibt #81·x – 36#");

  // Stufe 2 ends at step 8 with 0 on both sides; there is no mixed-number step.
  NumberComparison even = positive;
  even.h = 2;
  even.t = 5;
  even.u = 2;
  even.d = 6;  // 252 : 6 = 42
  ASSERT_EQ(even.remainder(), 0);
  EXPECT_EQ(ComparisonStepCount(2), 8);
  const ComparisonPage end = ComparisonAt(even, 8);
  EXPECT_EQ(U8(end.numbers.sentence), "#12# – #12# ergibt der Rest #0#");
  EXPECT_EQ(U8(end.polynomials.sentence), "#81·x – 36# – #(81·x – 36)# ergibt der Rest #0#");
  EXPECT_EQ(U8(Unmarked(end.numbers.lines.back().text)), "0");
  EXPECT_EQ(U8(Unmarked(end.polynomials.lines.back().text)), "0");
  EXPECT_TRUE(end.numbers.closing.empty());
  EXPECT_TRUE(ComparisonAt(even, 9).numbers.closing.empty());  // clamped to step 8

  // The sentences of the first steps, word for word.
  EXPECT_EQ(U8(ComparisonAt(c, 2).numbers.sentence), "_8_ ist in #26# ~3–mal~ enthalten");
  EXPECT_EQ(U8(ComparisonAt(c, 2).polynomials.sentence),
            "_5·x_ ist in #15·x^2# ~3·x–mal~ enthalten");
  EXPECT_EQ(U8(ComparisonAt(c, 3).numbers.sentence), "~3~ mal _8_ ergibt #24#");
  EXPECT_EQ(U8(ComparisonAt(c, 4).numbers.sentence), "#26# – #24# ergibt der Rest #2#");
  EXPECT_EQ(U8(ComparisonAt(c, 4).polynomials.sentence),
            "#15·x^2 – 11·x# – (#15·x^2 + 24·x#) ergibt der Rest #–35·x#");
  EXPECT_EQ(U8(ComparisonAt(c, 5).numbers.sentence), "Die Stelle #9# wird herabgeschrieben");
  EXPECT_EQ(U8(ComparisonAt(c, 5).polynomials.sentence), "Der Term #–60# wird herabgeschrieben");
  EXPECT_EQ(U8(ComparisonAt(c, 6).polynomials.sentence), "_5·x_ ist in #–35·x# ~–7–mal~ enthalten");
  EXPECT_EQ(U8(ComparisonAt(c, 8).polynomials.sentence),
            "#–35·x – 60# – #(– 35·x – 56)# ergibt der Rest –4");
  EXPECT_EQ(U8(ComparisonAt(c, 1).numbers.sentence), "");
}

TEST(NumberComparison, HeadingsNameTheLevel) {
  NumberComparison c;
  c.level = 2;
  EXPECT_EQ(U8(ComparisonAt(c, 1).numbers.heading), "~Dividieren ganzer Zahlen ohne Rest~");
  EXPECT_EQ(U8(ComparisonAt(c, 1).polynomials.heading),
            "_Dividieren von mehrgliedrigen Termen ohne Rest_");
  c.level = 3;
  EXPECT_EQ(U8(ComparisonAt(c, 1).numbers.heading), "~Dividieren ganzer Zahlen mit Rest~");
  EXPECT_EQ(U8(ComparisonAt(c, 1).polynomials.heading),
            "_Dividieren von mehrgliedrigen Termen mit Rest_");
  EXPECT_EQ(ComparisonStepCount(3), 9);
}

}  // namespace
}  // namespace kalkora::fractions

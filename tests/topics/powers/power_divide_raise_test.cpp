// The division and raising generators over many seeds: every variant and presentation, the
// ranges and redraw conditions, fraction answers in lowest terms, and every answer checked
// against its task by value.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "base/shared_functions.h"
#include "power_generator_checks.h"
#include "power_value.h"

namespace kalkora::powers {
namespace {

using test::Describe;
using test::Exponents;
using test::FractionText;
using test::Generate;
using test::HasAnyOf;
using test::Number;
using test::Quotient;
using test::SameValue;
using test::Split;

enum class Version { Example, Exercise };

// The leading number of a product text (1 when it starts with a letter).
int LeadingNumber(const Text& product) {
  const auto dot = product.find(u'·');
  const auto number = Number(product.substr(0, dot));
  return number.value_or(1);
}

// The leading number of a typed answer (‹7n^2› gives 7, ‹y^4› 1).
int LeadingDigits(const Text& answer) {
  std::size_t end = 0;
  while (end < answer.size() && answer[end] >= u'0' && answer[end] <= u'9') ++end;
  return end == 0 ? 1 : *Number(answer.substr(0, end));
}

// Letters of a task product (without its coefficient).
Text LettersOf(const Text& product) { return test::LettersInOrder(product); }

// What every division item satisfies, at every level.
void ExpectDivisionItem(const TPotenz& r, Version version) {
  SCOPED_TRACE(Describe(r));
  test::ExpectCommonForms(r);
  const Text task = Quotient(r.Text[8], r.Text[9]);
  ASSERT_TRUE(r.Antwortart == 1 || r.Antwortart == 2);
  EXPECT_EQ(r.Antwortart == 2, !r.Text[3].empty());
  const Text answer = r.Antwortart == 2 ? Quotient(r.Text[2], r.Text[3]) : r.Text[2];
  EXPECT_TRUE(SameValue(task, answer));
  EXPECT_TRUE(SameValue(task, FractionText(r.Loesung())));
  EXPECT_TRUE(SameValue(task, FractionText(r.Antwort())));
  const Text result = r.Text[12].empty() ? r.Text[11] : Quotient(r.Text[11], r.Text[12]);
  EXPECT_TRUE(SameValue(task, result));

  // The answers are typed: no "·", no leading coefficient 1, no markers.
  for (const Text* typed : {&r.Text[2], &r.Text[3]}) {
    EXPECT_FALSE(HasAnyOf(*typed, u"·#_~ "));
    if (typed->size() > 1) {
      EXPECT_NE(typed->front(), u'1') << "coefficient 1 typed";
    }
  }
  EXPECT_FALSE(r.Text[11].starts_with(u"1·"));
  EXPECT_EQ(std::count(r.Loesung().begin(), r.Loesung().end(), u'/'), r.Antwortart == 2 ? 1 : 0);

  // Lowest terms: the reduced coefficients have no common divisor, and with coefficients in
  // the task they are its coefficients divided by their greatest common divisor.
  EXPECT_EQ(Gcd(LeadingDigits(r.Text[2]), LeadingDigits(r.Text[3].empty() ? u"1" : r.Text[3])), 1);
  const int above = LeadingNumber(r.Text[8]);
  const int below = LeadingNumber(r.Text[9]);
  if (above != 1 || below != 1) {
    EXPECT_EQ(r.Zahl1 * below, r.Zahl2 * above);
    EXPECT_EQ(Gcd(r.Zahl1, r.Zahl2), 1);
    EXPECT_GE(r.Zahl2, 2);
    EXPECT_EQ(LeadingDigits(r.Text[3]), r.Zahl2);
    // k·p over k·q with k from 2 … 9 and p ≠ q from 2 … 7.
    bool drawable = false;
    for (int k = 2; k <= 9; ++k) {
      for (int p = 2; p <= 7; ++p) {
        for (int q = 2; q <= 7; ++q) drawable |= p != q && above == k * p && below == k * q;
      }
    }
    EXPECT_TRUE(drawable);
  }

  if (version == Version::Exercise) {
    for (const int slot : {0, 8, 9, 10, 11, 12}) EXPECT_FALSE(HasAnyOf(r.Text[slot], u"#_~$§"));
  } else {
    for (const int slot : {0, 8, 9, 10, 11, 12}) EXPECT_FALSE(HasAnyOf(r.Text[slot], u"$§"));
  }
}

void ExpectDivisionLevel1(const std::vector<TPotenz>& records, Version version) {
  test::ExpectAllVariants(records, 4);
  for (const TPotenz& r : records) {
    ExpectDivisionItem(r, version);
    SCOPED_TRACE(Describe(r));
    const char16_t letter = r.Buchst[1];
    EXPECT_EQ(r.Buchst[2], u' ');
    EXPECT_EQ(LettersOf(r.Text[8]), Text(1, letter));
    EXPECT_EQ(LettersOf(r.Text[9]), Text(1, letter));
    const int m = Exponents(r.Text[8]).at(0);
    const int n = Exponents(r.Text[9]).at(0);
    const bool coefficients = r.Variante >= 3;
    EXPECT_EQ(LeadingNumber(r.Text[8]) != 1, coefficients);
    EXPECT_TRUE(m >= 2 && n >= 2 && m <= (coefficients ? 11 : 9) && n <= (coefficients ? 11 : 9));
    EXPECT_EQ(m > n, r.Variante == 1 || r.Variante == 3);
    EXPECT_NE(m, n);
    switch (r.Variante) {
      case 1: EXPECT_EQ(r.Antwortart, 1); break;
      case 2:
        EXPECT_EQ(r.Antwortart, 2);
        EXPECT_EQ(r.Text[2], u"1");
        break;
      default: EXPECT_EQ(r.Antwortart, 2); break;
    }
    // Level 1 shows the answer as Loesung.
    EXPECT_EQ(r.Loesung(), r.Antwort());
    // The result power.
    EXPECT_TRUE(
        SameValue(r.Text[10], Text(1, letter).append(u"^").append(IntText(std::abs(m - n)))));
  }
}

TEST(GenDivideU1, OneLetterOverItself) {
  ExpectDivisionLevel1(Generate(GenDivideU1), Version::Exercise);
}

TEST(GenDivideM1, OneLetterOverItselfInFivePresentations) {
  const auto records = Generate(GenDivideM1);
  ExpectDivisionLevel1(records, Version::Example);
  const std::array<int, 5> variantOf{1, 1, 2, 4, 3};
  std::set<int> presentations;
  for (const TPotenz& r : records) {
    SCOPED_TRACE(Describe(r));
    ASSERT_TRUE(r.Stufe >= 1 && r.Stufe <= 5);
    presentations.insert(r.Stufe);
    EXPECT_EQ(r.Variante, variantOf.at(static_cast<std::size_t>(r.Stufe - 1)));
    if (r.Variante == 1) {
      // The one-line form ‹f^#9# : f^#4# = f^#5#›.
      const auto sides = Split(r.Text[0], u" = ");
      ASSERT_EQ(sides.size(), 2u);
      const auto operands = Split(sides[0], u" : ");
      ASSERT_EQ(operands.size(), 2u);
      EXPECT_TRUE(SameValue(Quotient(operands[0], operands[1]), sides[1]));
      EXPECT_NE(r.Text[0].find(u'#'), Text::npos);
    }
  }
  EXPECT_EQ(presentations.size(), 5u);
}

// Level 2 and 3 shapes: (letters above, letters below, coefficients).
struct Shape {
  int above;
  int below;
  bool coefficients;
};
const std::array<Shape, 6> kLevel2{
    {{2, 1, false}, {2, 2, false}, {1, 2, false}, {2, 1, true}, {1, 2, true}, {2, 2, true}}};
const std::array<Shape, 10> kLevel3{{{3, 1, false},
                                     {3, 2, false},
                                     {3, 3, false},
                                     {1, 3, false},
                                     {2, 3, false},
                                     {3, 1, true},
                                     {3, 2, true},
                                     {3, 3, true},
                                     {1, 3, true},
                                     {2, 3, true}}};

template <std::size_t N>
void ExpectDivisionShapes(const std::vector<TPotenz>& records, const std::array<Shape, N>& shapes,
                          Version version) {
  test::ExpectAllVariants(records, static_cast<int>(N));
  bool unitNumeratorSeen = false;
  for (const TPotenz& r : records) {
    ExpectDivisionItem(r, version);
    SCOPED_TRACE(Describe(r));
    const Shape shape = shapes.at(static_cast<std::size_t>(r.Variante - 1));
    Text letters;
    for (std::size_t i = 1; i <= r.Buchst.size() && r.Buchst[i] != u' '; ++i) {
      letters.push_back(r.Buchst[i]);
    }
    EXPECT_EQ(letters.size(), N == 6 ? 2u : 3u);
    EXPECT_EQ(LettersOf(r.Text[8]), letters.substr(0, static_cast<std::size_t>(shape.above)));
    EXPECT_EQ(LettersOf(r.Text[9]), letters.substr(0, static_cast<std::size_t>(shape.below)));
    EXPECT_EQ(LeadingNumber(r.Text[8]) != 1, shape.coefficients);
    for (const Text* side : {&r.Text[8], &r.Text[9]}) {
      for (const int e : Exponents(*side)) EXPECT_TRUE(e >= 2 && e <= 9);
    }
    if (shape.coefficients) {
      EXPECT_EQ(r.Antwortart, 2) << "the denominator keeps q' ≥ 2";
      // A reduced numerator 1 before letters is shown in Loesung and left out of the answer.
      if (r.Zahl1 == 1 && !LettersOf(r.Text[2]).empty()) {
        unitNumeratorSeen = true;
        EXPECT_TRUE(r.Loesung().starts_with(u"1·"));
        EXPECT_FALSE(r.Text[2].starts_with(u"1"));
      }
    }
    if (r.Text[2] == u"1" && r.Text[3].empty()) {
      EXPECT_EQ(r.Antwortart, 1);
    }
  }
  EXPECT_TRUE(unitNumeratorSeen);
}

TEST(GenDivideU2, ProductsOfTwoLetters) {
  ExpectDivisionShapes(Generate(GenDivideU2), kLevel2, Version::Exercise);
}
TEST(GenDivideM2, ProductsOfTwoLetters) {
  ExpectDivisionShapes(Generate(GenDivideM2), kLevel2, Version::Example);
}
TEST(GenDivideU3, ProductsOfThreeLetters) {
  ExpectDivisionShapes(Generate(GenDivideU3, 1000), kLevel3, Version::Exercise);
}
TEST(GenDivideM3, ProductsOfThreeLetters) {
  ExpectDivisionShapes(Generate(GenDivideM3, 1000), kLevel3, Version::Example);
}

TEST(GenDivide, ExampleAndExerciseShareTheirItemsForTheSameSeed) {
  const std::array<std::pair<PowerGenerator, PowerGenerator>, 3> pairs{
      {{GenDivideM1, GenDivideU1}, {GenDivideM2, GenDivideU2}, {GenDivideM3, GenDivideU3}}};
  for (const auto& [example, exercise] : pairs) {
    const auto examples = Generate(example, 100);
    const auto exercises = Generate(exercise, 100);
    for (std::size_t i = 0; i < examples.size(); ++i) {
      if (example == GenDivideM1) continue;  // the presentation is drawn first
      EXPECT_EQ(examples[i].Text[2], exercises[i].Text[2]);
      EXPECT_EQ(examples[i].Text[3], exercises[i].Text[3]);
      EXPECT_EQ(test::LettersInOrder(examples[i].Text[8]),
                test::LettersInOrder(exercises[i].Text[8]));
    }
  }
}

// The letters of a task in order, and the answer lists them in the same order.
void ExpectTaskOrder(const TPotenz& r) {
  EXPECT_EQ(test::LettersInOrder(r.Antwort()), test::LettersInOrder(r.Text[4])) << Describe(r);
}

TEST(GenRaise1, PowerOfAProduct) {
  for (const PowerGenerator generator : {GenRaiseM1, GenRaiseU1}) {
    const auto records = Generate(generator);
    test::ExpectAllVariants(records, 8);
    for (const TPotenz& r : records) {
      SCOPED_TRACE(Describe(r));
      test::ExpectCommonForms(r);
      EXPECT_TRUE(SameValue(r.Text[4], r.Loesung()));
      EXPECT_TRUE(SameValue(r.Text[4], r.Antwort()));
      EXPECT_TRUE(SameValue(r.Text[8], r.Text[4]));
      EXPECT_TRUE(SameValue(r.Text[11], r.Loesung()));
      EXPECT_EQ(r.Text[2], r.Antwort());
      EXPECT_EQ(r.Antwortart, 1);
      EXPECT_FALSE(HasAnyOf(r.Text[8], u"_~$§"));
      ExpectTaskOrder(r);

      // ‹(c·L1^a·L2^b)^n›
      const Text& task = r.Text[4];
      ASSERT_EQ(task.front(), u'(');
      const auto close = task.find(u')');
      const auto inner = Split(task.substr(1, close - 1), u"·");
      const int n = *Number(task.substr(close + 2));
      const int shape = (r.Variante - 1) % 4 + 1;
      const bool withFactor = r.Variante > 4;
      ASSERT_EQ(inner.size(), withFactor ? 3u : 2u);
      const Text& first = inner[withFactor ? 1 : 0];
      const Text& second = inner[withFactor ? 2 : 1];
      EXPECT_EQ(first.size() > 1, shape == 2 || shape == 4);
      EXPECT_EQ(second.size() > 1, shape == 3 || shape == 4);
      for (const Text* factor : {&first, &second}) {
        for (const int e : Exponents(*factor)) EXPECT_TRUE(e >= 2 && e <= 4);
      }
      const bool wideOuter = r.Variante == 1 || withFactor;
      EXPECT_TRUE(n >= 2 && n <= (wideOuter ? 9 : 4));
      if (withFactor) {
        const int c = *Number(inner[0]);
        EXPECT_TRUE(c >= 2 && c <= 7);
        EXPECT_LT(std::pow(c, n), 200.0);
      }
    }
  }
}

TEST(GenRaise2, ProductsOfPowersOfProducts) {
  for (const PowerGenerator generator : {GenRaiseM2, GenRaiseU2}) {
    const auto records = Generate(generator, 900);
    test::ExpectAllVariants(records, 3);
    for (const TPotenz& r : records) {
      SCOPED_TRACE(Describe(r));
      test::ExpectCommonForms(r);
      EXPECT_TRUE(SameValue(r.Text[4], r.Loesung()));
      EXPECT_TRUE(SameValue(r.Text[4], r.Antwort()));
      EXPECT_TRUE(SameValue(r.Text[8], r.Text[4]));
      EXPECT_TRUE(SameValue(r.Text[11], r.Loesung()));
      EXPECT_EQ(r.Text[2], r.Antwort());
      ExpectTaskOrder(r);
      EXPECT_EQ(r.Text[4].find(u"^^"), Text::npos);
      EXPECT_NE(r.Text[8].back(), u'^');
      if (generator == GenRaiseU2) {
        EXPECT_FALSE(HasAnyOf(r.Text[8] + r.Text[11], u"_~$§"));
      }
      const Text letters = test::LettersInOrder(r.Text[4]);
      EXPECT_EQ(letters.size(), static_cast<std::size_t>(r.Variante));

      if (r.Variante == 1) {
        // ‹(a·L)^v·(b·L)^w›: a ≠ b from 2 … 5, v ≠ w from 1 … 8, a^v·b^w < 300; the second
        // exponent follows a doubled caret in the markup.
        const auto brackets = Split(r.Text[4], u")");
        ASSERT_EQ(brackets.size(), 3u);
        const int a = *Number(Split(brackets[0].substr(1), u"·")[0]);
        const auto open = brackets[1].find(u'(');
        const int b = *Number(Split(brackets[1].substr(open + 1), u"·")[0]);
        const Text firstExponent = brackets[1].substr(0, open);
        const int v = firstExponent.starts_with(u"^")
                          ? *Number(firstExponent.substr(1, firstExponent.size() - 2))
                          : 1;
        const int w = brackets[2].empty() ? 1 : *Number(brackets[2].substr(1));
        EXPECT_NE(a, b);
        EXPECT_NE(v, w);
        EXPECT_TRUE(a >= 2 && a <= 5 && b >= 2 && b <= 5 && v >= 1 && v <= 8 && w >= 1 && w <= 8);
        EXPECT_LT(std::pow(a, v) * std::pow(b, w), 300.0);
        const bool doubled = r.Text[8].find(u")^^#") != Text::npos;
        EXPECT_EQ(doubled, w >= 2);
      } else {
        for (const int e : Exponents(r.Text[4])) EXPECT_TRUE(e >= 1 && e <= 7);
      }
    }
  }
}

TEST(GenRaise3, PowerOfAQuotient) {
  struct Shape {
    std::size_t above;
    std::size_t below;
  };
  const std::array<Shape, 6> shapes{{{1, 1}, {2, 1}, {1, 2}, {2, 2}, {3, 2}, {2, 3}}};
  for (const PowerGenerator generator : {GenRaiseM3, GenRaiseU3}) {
    const auto records = Generate(generator);
    test::ExpectAllVariants(records, 6);
    for (const TPotenz& r : records) {
      SCOPED_TRACE(Describe(r));
      test::ExpectCommonForms(r);
      const Shape shape = shapes.at(static_cast<std::size_t>(r.Variante - 1));
      const auto n = Number(r.Text[13]);
      ASSERT_TRUE(n.has_value());
      EXPECT_TRUE(*n >= 2 && *n <= 5);
      const Text task =
          Text(u"(").append(Quotient(r.Text[8], r.Text[9])).append(u")^").append(r.Text[13]);
      EXPECT_EQ(r.Antwortart, 2);
      EXPECT_TRUE(SameValue(task, Quotient(r.Text[2], r.Text[3])));
      EXPECT_TRUE(SameValue(task, Quotient(r.Text[11], r.Text[12])));
      EXPECT_TRUE(SameValue(task, FractionText(r.Loesung())));
      EXPECT_TRUE(SameValue(task, FractionText(r.Antwort())));
      EXPECT_EQ(test::LettersInOrder(r.Text[8]).size(), shape.above);
      EXPECT_EQ(test::LettersInOrder(r.Text[9]).size(), shape.below);
      EXPECT_EQ(test::LettersInOrder(r.Text[8] + r.Text[9]).size(), shape.above + shape.below);
      for (const int e : Exponents(r.Text[8] + r.Text[9])) EXPECT_TRUE(e >= 2 && e <= 5);
      // Markers by letter: "#", "_", "~", "$", "§" in order.
      const Text markers = u"#_~$§";
      const Text both = r.Text[8] + u"·" + r.Text[9];
      const auto factors = Split(both, u"·");
      for (std::size_t i = 0; i < factors.size(); ++i) {
        EXPECT_EQ(factors[i].front(), markers[i]);
        EXPECT_EQ(factors[i].back(), markers[i]);
      }
      EXPECT_EQ(test::LettersInOrder(r.Text[2]), test::LettersInOrder(r.Text[8]));
      EXPECT_EQ(test::LettersInOrder(r.Text[3]), test::LettersInOrder(r.Text[9]));
    }
  }
}

TEST(PowerGenerators, AGeneratorLeavesNoTextOfAnEarlierItem) {
  for (const PowerKind kind :
       {PowerKind::Multiply, PowerKind::AddSub, PowerKind::DivideExample, PowerKind::DivideExercise,
        PowerKind::RaiseExample, PowerKind::RaiseExercise}) {
    for (int level = 1; level <= 3; ++level) {
      TPotenz& record = Potenzen[3];
      for (Text& slot : record.Text) slot = u"alt";
      record.Aktiv = true;
      record.Richtig = true;
      GeneratorFor(kind, level)(3);
      for (const Text& slot : record.Text) EXPECT_NE(slot, u"alt");
      EXPECT_TRUE(record.Aktiv && record.Richtig) << "the window sets the flags";
    }
  }
}

TEST(PowerGenerators, TheTableNamesTheGeneratorOfEachKindAndLevel) {
  EXPECT_EQ(GeneratorFor(PowerKind::Multiply, 1), &GenMultiply1);
  EXPECT_EQ(GeneratorFor(PowerKind::Multiply, 3), &GenMultiply3);
  EXPECT_EQ(GeneratorFor(PowerKind::AddSub, 2), &GenAddSub2);
  EXPECT_EQ(GeneratorFor(PowerKind::DivideExample, 1), &GenDivideM1);
  EXPECT_EQ(GeneratorFor(PowerKind::DivideExercise, 3), &GenDivideU3);
  EXPECT_EQ(GeneratorFor(PowerKind::RaiseExample, 2), &GenRaiseM2);
  EXPECT_EQ(GeneratorFor(PowerKind::RaiseExercise, 1), &GenRaiseU1);
  EXPECT_EQ(GeneratorFor(PowerKind::RaiseExercise, 0), &GenRaiseU1);
  EXPECT_EQ(GeneratorFor(PowerKind::AddSub, 7), &GenAddSub3);
}

}  // namespace
}  // namespace kalkora::powers

// Raising powers to a power: a power of a product (level 1), products of powers of products
// (level 2) and a power of a quotient (level 3). The worked-example and exercise versions
// share their builders; the exercise draws level 2 with the alternating "#" colours only.

#include <array>
#include <cstdint>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/text_replace.h"
#include "topics/powers/power_generator_support.h"
#include "topics/powers/power_generators.h"
#include "topics/powers/power_text.h"

namespace kalkora::powers {
namespace {

enum class Version { Example, Exercise };

// base^exponent in 64 bits: the redraw conditions test powers up to 5^8 · 4^7.
std::int64_t IntPower(int base, int exponent) {
  std::int64_t value = 1;
  for (int i = 0; i < exponent; ++i) value *= base;
  return value;
}

// letter^exponent with the exponent marked; the plain letter for exponent 1.
Text MarkedExponentPower(char16_t letter, int exponent, char16_t marker) {
  Text power(1, letter);
  if (exponent != 1) power.append(u"^").append(Marked(ExponentMarkup(exponent), marker));
  return power;
}

// "^" and the marked exponent (‹^#4#›).
Text MarkedExponent(int exponent, char16_t marker) {
  return Text(u"^").append(Marked(ExponentMarkup(exponent), marker));
}

// Task and solution of a one-term raise item (levels 1, 2).
void WriteOneTermItem(TPotenz& record, TextView task, TextView solution) {
  record.Text[8] = task;
  record.Text[11] = solution;
  WriteDisplayAndAnswer(record, task, solution);
  Text display = record.Text[4];
  ReplaceLeftmostUntilGone(display, u"^^", u"^");
  record.Text[4] = display;
  record.Text[2] = record.Antwort();
  record.Antwortart = 1;
}

void BuildLevel1(TPotenz& record) {
  const int variant = Random(8) + 1;
  const int shape = (variant - 1) % 4 + 1;  // 1 (L1·L2), 2 (L1^a·L2), 3 (L1·L2^b), 4 (L1^a·L2^b)
  const bool withFactor = variant > 4;
  const std::vector<char16_t> letters = DistinctLetters(2);
  const int a = shape == 2 || shape == 4 ? Random(3) + 2 : 1;
  const int b = shape == 3 || shape == 4 ? Random(3) + 2 : 1;
  int c = 0;
  int n = 0;
  if (withFactor) {
    do {
      c = Random(6) + 2;
      n = Random(8) + 2;
    } while (IntPower(c, n) >= 200);
  } else {
    n = variant == 1 ? Random(8) + 2 : Random(3) + 2;
  }

  std::vector<Text> inner{PowerMarkup(letters[0], a), PowerMarkup(letters[1], b)};
  std::vector<Text> raised{Text(1, letters[0]).append(MarkedExponent(a * n, u'#')),
                           Text(1, letters[1]).append(MarkedExponent(b * n, u'#'))};
  if (withFactor) {
    inner.insert(inner.begin(), IntText(c));
    raised.insert(raised.begin(), IntText(static_cast<int>(IntPower(c, n))));
  }
  const Text task =
      Text(u"(").append(JoinFactors(inner)).append(u")").append(MarkedExponent(n, u'#'));
  WriteOneTermItem(record, task, JoinFactors(raised));
  SetLetters(record, letters);
  record.Variante = variant;
}

// (a·L)^v·(b·L)^w with a ≠ b from 2 … 5 and v ≠ w from 1 … 8, a^v·b^w < 300.
void BuildLevel2Numbers(TPotenz& record) {
  const char16_t letter = DistinctLetters(1).front();
  int a = 0;
  int b = 0;
  int v = 0;
  int w = 0;
  do {
    a = Random(4) + 2;
    b = Random(4) + 2;
    v = Random(8) + 1;
    w = Random(8) + 1;
  } while (a == b || v == w || IntPower(a, v) * IntPower(b, w) >= 300);

  const auto bracket = [&](int number) {
    return Text(u"(").append(IntText(number)).append(u"·").append(Text(1, letter)).append(u")");
  };
  Text task = bracket(a);
  if (v != 1) task.append(MarkedExponent(v, u'#'));
  task.append(u"·").append(bracket(b));
  // The second exponent follows a doubled caret, which draws like a single one.
  if (w != 1) task.append(u"^").append(MarkedExponent(w, u'#'));
  const Text solution = IntText(static_cast<int>(IntPower(a, v) * IntPower(b, w)))
                            .append(u"·")
                            .append(Text(1, letter))
                            .append(MarkedExponent(v + w, u'#'));
  WriteOneTermItem(record, task, solution);
  SetLetters(record, {letter});
}

// L1^a·L2^b·(L1^c·L2^d)^n.
void BuildLevel2TwoLetters(TPotenz& record) {
  const std::vector<char16_t> letters = DistinctLetters(2);
  std::array<int, 4> e{};
  for (int& exponent : e) exponent = Random(4) + 1;
  const int n = Random(6) + 2;
  const Text task = JoinFactors({MarkedExponentPower(letters[0], e[0], u'#'),
                                 MarkedExponentPower(letters[1], e[1], u'_')})
                        .append(u"·(")
                        .append(JoinFactors({MarkedExponentPower(letters[0], e[2], u'#'),
                                             MarkedExponentPower(letters[1], e[3], u'_')}))
                        .append(u")^")
                        .append(ExponentMarkup(n));
  const Text solution =
      JoinFactors({Text(1, letters[0]).append(MarkedExponent(e[2] * n + e[0], u'#')),
                   Text(1, letters[1]).append(MarkedExponent(e[3] * n + e[1], u'_'))});
  WriteOneTermItem(record, task, solution);
  SetLetters(record, letters);
}

// (L1^a·L2^b·L3^c)^n·(L1^d·L2^e·L3^f)^m.
void BuildLevel2ThreeLetters(TPotenz& record) {
  const std::vector<char16_t> letters = DistinctLetters(3);
  std::array<int, 3> first{};
  std::array<int, 3> second{};
  for (int& exponent : first) exponent = Random(4) + 1;
  for (int& exponent : second) exponent = Random(4) + 1;
  const int n = Random(6) + 2;
  const int m = Random(6) + 2;
  const auto bracket = [&](const std::array<int, 3>& exponents, int outer) {
    std::vector<Text> factors;
    for (std::size_t i = 0; i < 3; ++i) {
      factors.push_back(MarkedExponentPower(letters[i], exponents[i], kMarkers[i]));
    }
    return Text(u"(").append(JoinFactors(factors)).append(u")^").append(ExponentMarkup(outer));
  };
  std::vector<Text> raised;
  for (std::size_t i = 0; i < 3; ++i) {
    raised.push_back(
        Text(1, letters[i]).append(MarkedExponent(first[i] * n + second[i] * m, kMarkers[i])));
  }
  const Text task = bracket(first, n).append(u"·").append(bracket(second, m));
  WriteOneTermItem(record, task, JoinFactors(raised));
  SetLetters(record, letters);
}

void BuildLevel2(TPotenz& record, Version version) {
  const int variant = Random(3) + 1;
  switch (variant) {
    case 1: BuildLevel2Numbers(record); break;
    case 2: BuildLevel2TwoLetters(record); break;
    default: BuildLevel2ThreeLetters(record); break;
  }
  record.Variante = variant;
  if (version == Version::Exercise) {
    // The exercise draws with DrawAlternating, which knows only "#".
    for (const int slot : {8, 11}) record.Text[slot] = WithoutChars(record.Text[slot], u"_~");
  }
}

void BuildLevel3(TPotenz& record) {
  struct Shape {
    int above;
    int below;
  };
  static constexpr std::array<Shape, 6> kShapes{{{1, 1}, {2, 1}, {1, 2}, {2, 2}, {3, 2}, {2, 3}}};
  const int variant = Random(6) + 1;
  const Shape shape = kShapes[static_cast<std::size_t>(variant - 1)];
  const std::vector<char16_t> letters = DistinctLetters(5);
  std::array<int, 5> exponent{};
  for (int& e : exponent) e = Random(4) + 2;
  const int n = Random(4) + 2;

  std::array<std::vector<Text>, 2> task;  // numerator, denominator
  std::array<std::vector<Text>, 2> solution;
  const int used = shape.above + shape.below;
  for (int i = 0; i < used; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const std::size_t part = i < shape.above ? 0 : 1;
    task[part].push_back(Marked(PowerMarkup(letters[at], exponent[at]), kMarkers[at]));
    solution[part].push_back(Marked(PowerMarkup(letters[at], exponent[at] * n), kMarkers[at]));
  }
  record.Text[8] = JoinFactors(task[0]);
  record.Text[9] = JoinFactors(task[1]);
  record.Text[13] = IntText(n);
  record.Text[11] = JoinFactors(solution[0]);
  record.Text[12] = JoinFactors(solution[1]);
  record.Text[2] = AnswerForm(DisplayForm(record.Text[11]));
  record.Text[3] = AnswerForm(DisplayForm(record.Text[12]));
  record.Antwortart = 2;
  record.Loesung() = DisplayForm(record.Text[11]).append(u"/").append(DisplayForm(record.Text[12]));
  record.Antwort() = Text(record.Text[2]).append(u"/").append(record.Text[3]);
  SetLetters(record, std::vector<char16_t>(letters.begin(), letters.begin() + used));
  record.Variante = variant;
}

}  // namespace

void GenRaiseM1(int item) { BuildLevel1(FreshItem(item)); }
void GenRaiseU1(int item) { BuildLevel1(FreshItem(item)); }
void GenRaiseM2(int item) { BuildLevel2(FreshItem(item), Version::Example); }
void GenRaiseU2(int item) { BuildLevel2(FreshItem(item), Version::Exercise); }
void GenRaiseM3(int item) { BuildLevel3(FreshItem(item)); }
void GenRaiseU3(int item) { BuildLevel3(FreshItem(item)); }

}  // namespace kalkora::powers

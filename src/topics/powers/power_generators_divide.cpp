// Dividing powers of equal bases: one letter over itself with or without coefficients
// (level 1), and products of up to three letters' powers over each other (levels 2, 3). The
// worked-example and exercise versions share their builders; the exercise removes the markers.

#include <array>
#include <cstdlib>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/term_letters.h"
#include "topics/powers/power_generator_support.h"
#include "topics/powers/power_generators.h"
#include "topics/powers/power_text.h"

namespace kalkora::powers {
namespace {

enum class Version { Example, Exercise };

// The coefficients k·p over k·q and their reduced forms p' over q' (q' never 1, p ≠ q).
struct Coefficients {
  int numerator = 0;
  int denominator = 0;
  int reducedNumerator = 0;
  int reducedDenominator = 0;
};

Coefficients DrawCoefficients(int maxFactor) {
  for (;;) {
    const int k = Random(8) + 2;
    const int p = Random(maxFactor - 1) + 2;
    const int q = Random(maxFactor - 1) + 2;
    const int g = Gcd(k * p, k * q);
    const Coefficients drawn{k * p, k * q, k * p / g, k * q / g};
    if (p != q && drawn.reducedDenominator != 1) return drawn;
  }
}

// letter^exponent with the exponent marked (‹g^#6#›); the plain letter for exponent 1.
Text MarkedExponentPower(char16_t letter, int exponent, char16_t marker) {
  Text power(1, letter);
  if (exponent != 1) power.append(u"^").append(Marked(ExponentMarkup(exponent), marker));
  return power;
}

// A number in front of the factors (when it is not 0), all joined by "·".
Text Product(int coefficient, std::vector<Text> factors) {
  if (coefficient != 0) factors.insert(factors.begin(), IntText(coefficient));
  return JoinFactors(factors);
}

// The exercise texts have no markers.
void RemoveMarkers(TPotenz& record) {
  for (const int slot : {0, 8, 9, 10, 11, 12}) record.Text[slot] = DisplayForm(record.Text[slot]);
}

// Answers, Antwortart, Loesung and Antwort from the result numerator and denominator (markup),
// as the exercise expects them.
void WriteQuotientAnswers(TPotenz& record, TextView numerator, TextView denominator,
                          bool dropUnitCoefficient) {
  Text above = DisplayForm(numerator);
  const Text below = DisplayForm(denominator);
  if (above.empty()) above = u"1";
  record.Antwortart = below.empty() ? 1 : 2;
  record.Loesung() = below.empty() ? above : Text(above).append(u"/").append(below);
  if (dropUnitCoefficient && above.starts_with(u"1·")) above.erase(0, 2);
  record.Text[2] = AnswerForm(above);
  record.Text[3] = AnswerForm(below);
  record.Antwort() = record.Antwortart == 1
                         ? record.Text[2]
                         : Text(record.Text[2]).append(u"/").append(record.Text[3]);
}

// Level 1, variant 1 powers with m > n, 2 powers with m < n, 3 with coefficients and m > n,
// 4 with coefficients and m < n.
void BuildLevel1(TPotenz& record, int variant, Version version) {
  const char16_t letter = RandomLetter();
  const bool withCoefficients = variant >= 3;
  const bool largerAbove = variant == 1 || variant == 3;
  Coefficients coefficients;
  if (withCoefficients) coefficients = DrawCoefficients(7);
  const int maxExponent = withCoefficients ? 11 : 9;
  int m = 0;
  int n = 0;
  do {
    m = Random(maxExponent - 1) + 2;
    n = Random(maxExponent - 1) + 2;
  } while (largerAbove ? m <= n : m >= n);

  const Text power = MarkedExponentPower(letter, std::abs(m - n), u'#');
  record.Text[8] = Product(coefficients.numerator, {MarkedExponentPower(letter, m, u'#')});
  record.Text[9] = Product(coefficients.denominator, {MarkedExponentPower(letter, n, u'#')});
  record.Text[10] = power;
  const int p = coefficients.reducedNumerator;
  const int q = coefficients.reducedDenominator;
  switch (variant) {
    case 1:
      record.Text[11] = power;
      record.Text[0] =
          Text(record.Text[8]).append(u" : ").append(record.Text[9]).append(u" = ").append(power);
      break;
    case 2:
      record.Text[11] = u"1";
      record.Text[12] = power;
      break;
    case 3:
      record.Text[11] = p == 1 ? power : Product(p, {power});
      record.Text[12] = IntText(q);
      break;
    default:
      record.Text[11] = IntText(p);
      record.Text[12] = Product(q, {power});
      break;
  }
  WriteQuotientAnswers(record, record.Text[11], record.Text[12], false);
  // The answer is typed without "·"; Loesung is the answer.
  record.Loesung() = record.Antwort();
  SetLetters(record, {letter});
  record.Zahl1 = p;
  record.Zahl2 = q;
  record.Variante = variant;
  if (version == Version::Exercise) RemoveMarkers(record);
}

struct Shape {
  int above;  // letters in the numerator
  int below;  // letters in the denominator
  bool coefficients;
};

void BuildLevel2Or3(TPotenz& record, int variant, const Shape& shape, int letterCount,
                    Version version) {
  const std::vector<char16_t> letters = DistinctLetters(3);
  const Coefficients coefficients = DrawCoefficients(7);
  std::array<int, 3> above{};
  std::array<int, 3> below{};
  for (int& e : above) e = Random(8) + 2;
  for (int& f : below) f = Random(8) + 2;

  std::vector<Text> taskAbove;
  std::vector<Text> taskBelow;
  std::vector<Text> resultAbove;
  std::vector<Text> resultBelow;
  for (std::size_t i = 0; i < 3; ++i) {
    const char16_t marker = kMarkers[i];
    const bool isAbove = static_cast<int>(i) < shape.above;
    const bool isBelow = static_cast<int>(i) < shape.below;
    if (isAbove) taskAbove.push_back(MarkedExponentPower(letters[i], above[i], marker));
    if (isBelow) taskBelow.push_back(MarkedExponentPower(letters[i], below[i], marker));
    const int d = (isAbove ? above[i] : 0) - (isBelow ? below[i] : 0);
    if (d > 0) resultAbove.push_back(MarkedExponentPower(letters[i], d, marker));
    if (d < 0) resultBelow.push_back(MarkedExponentPower(letters[i], -d, marker));
  }
  const int p = shape.coefficients ? coefficients.reducedNumerator : 0;
  const int q = shape.coefficients ? coefficients.reducedDenominator : 0;
  record.Text[8] = Product(shape.coefficients ? coefficients.numerator : 0, taskAbove);
  record.Text[9] = Product(shape.coefficients ? coefficients.denominator : 0, taskBelow);
  Text numerator = Product(p, resultAbove);
  record.Text[12] = Product(q, resultBelow);
  if (version == Version::Exercise) {
    RemoveMarkers(record);
    numerator = DisplayForm(numerator);
  }
  WriteQuotientAnswers(record, numerator, record.Text[12], true);
  if (numerator.empty()) numerator = u"1";
  if (numerator.starts_with(u"1·")) numerator.erase(0, 2);
  record.Text[11] = numerator;
  record.Zahl1 = p;
  record.Zahl2 = q;
  record.Variante = variant;
  SetLetters(record, std::vector<char16_t>(letters.begin(), letters.begin() + letterCount));
}

void GenerateLevel2(int item, Version version) {
  static constexpr std::array<Shape, 6> kShapes{
      {{2, 1, false}, {2, 2, false}, {1, 2, false}, {2, 1, true}, {1, 2, true}, {2, 2, true}}};
  TPotenz& record = FreshItem(item);
  const int variant = Random(6) + 1;
  BuildLevel2Or3(record, variant, kShapes[static_cast<std::size_t>(variant - 1)], 2, version);
}

void GenerateLevel3(int item, Version version) {
  static constexpr std::array<Shape, 10> kShapes{{{3, 1, false},
                                                  {3, 2, false},
                                                  {3, 3, false},
                                                  {1, 3, false},
                                                  {2, 3, false},
                                                  {3, 1, true},
                                                  {3, 2, true},
                                                  {3, 3, true},
                                                  {1, 3, true},
                                                  {2, 3, true}}};
  TPotenz& record = FreshItem(item);
  const int variant = Random(10) + 1;
  BuildLevel2Or3(record, variant, kShapes[static_cast<std::size_t>(variant - 1)], 3, version);
}

}  // namespace

void GenDivideU1(int item) {
  TPotenz& record = FreshItem(item);
  BuildLevel1(record, Random(4) + 1, Version::Exercise);
}

void GenDivideM1(int item) {
  // Presentation 1 and 2 show powers with m > n, 3 powers with m < n, 4 coefficients with
  // m < n, 5 coefficients with m > n.
  static constexpr std::array<int, 5> kVariantOfPresentation{1, 1, 2, 4, 3};
  TPotenz& record = FreshItem(item);
  const int presentation = Random(5) + 1;
  BuildLevel1(record, kVariantOfPresentation[static_cast<std::size_t>(presentation - 1)],
              Version::Example);
  record.Stufe = presentation;
}

void GenDivideU2(int item) { GenerateLevel2(item, Version::Exercise); }
void GenDivideM2(int item) { GenerateLevel2(item, Version::Example); }
void GenDivideU3(int item) { GenerateLevel3(item, Version::Exercise); }
void GenDivideM3(int item) { GenerateLevel3(item, Version::Example); }

}  // namespace kalkora::powers

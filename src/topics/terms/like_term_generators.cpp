#include "topics/terms/like_term_generators.h"

#include <array>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/evaluate_term_text.h"
#include "terms/like_terms.h"
#include "terms/random_term_parts.h"
#include "terms/term_forms.h"
#include "terms/term_letters.h"
#include "terms/text_replace.h"
#include "topics/terms/term_record.h"
#include "topics/terms/term_writing.h"

namespace kalkora::terms_topic {
namespace {

using term_builders::Vorzeichen;
using term_writing::Write;

TTerm& Item(int index) { return AddSubTerme[static_cast<std::size_t>(index)]; }

// K1 … K6 of an item by number.
template <typename Record>
auto& Coefficient(Record& item, int j) {
  switch (j) {
    case 1: return item.K1;
    case 2: return item.K2;
    case 3: return item.K3;
    case 4: return item.K4;
    case 5: return item.K5;
    default: return item.K6;
  }
}

// Var1 and Var2 drawn until Var1 comes before Var2.
void DrawOrderedLetters(TTerm& item) {
  do {
    item.Var1 = RandomLetter();
    item.Var2 = RandomLetter();
  } while (item.Var1 >= item.Var2);
}

// Summand 1, then for j = 1 … n − 1 " " + sign j + " " + summand j + 1 (internal form).
template <typename SummandText>
Text SumWithRandomSigns(int summands, SummandText summand) {
  Text term = summand(1);
  for (int j = 1; j < summands; ++j) {
    term += u' ';
    term += Vorzeichen[static_cast<std::size_t>(j)];
    term += u' ';
    term += summand(j + 1);
  }
  return term;
}

// The coefficients of a sum without constant: the value with Var1 = 1, Var2 = 0 and with
// Var1 = 0, Var2 = 1.
void ReadSumCoefficients(TTerm& item) {
  const Text tight = RemoveChar(item.Term, u' ');
  item.Koef1Text = EvaluateTermText(SubstituteLetters(tight, item.Var1, item.Var2, 1, 0), u'x', 0);
  item.Koef2Text = EvaluateTermText(SubstituteLetters(tight, item.Var1, item.Var2, 0, 1), u'x', 0);
}

int Koef1(const TTerm& item) { return TextInt(item.Koef1Text).value_or(0); }
int Koef2(const TTerm& item) { return TextInt(item.Koef2Text).value_or(0); }

// The ending every level shares: the task in its shown forms, the marked solution, the shown
// solution and the expected answer.
void FinishItem(TTerm& item, bool markLetters, bool oneLetter) {
  item.Term = ToDisplayForm(MergeSignPairs(item.Term));
  if (markLetters) item.Term = MarkLetters(item.Term, item.Var1, item.Var2);
  item.LoesungMarkiert =
      LikeTermSolution(Koef1(item), Koef2(item), item.Var1, item.Var2, oneLetter);
  item.TermAnzeige = RemoveChar(RemoveChar(item.Term, u'#'), u'_');
  const CleanedSolution cleaned = CleanSolution(item.LoesungMarkiert);
  item.Loesung = cleaned.shown;
  item.Antwort = cleaned.answer;
}

// ---- Stufe 1 ----

struct LetterShape {
  int length;  // summands
  int count1;  // of them Var1
};

constexpr std::array<LetterShape, 9> kStufe1Shapes{
    {{5, 2}, {5, 3}, {6, 2}, {6, 3}, {7, 2}, {7, 3}, {8, 2}, {8, 3}, {8, 4}}};

char16_t Digit(int k) { return static_cast<char16_t>(u'0' + k); }

// ---- Stufe 2 ----

struct Stufe2Shape {
  bool twoLetters;
  int length;
  int count1;
};

constexpr std::array<Stufe2Shape, 8> kStufe2Shapes{{{false, 3, 3},
                                                    {false, 4, 4},
                                                    {true, 3, 1},
                                                    {true, 4, 2},
                                                    {true, 5, 2},
                                                    {true, 4, 2},
                                                    {true, 5, 2},
                                                    {true, 6, 3}}};

// ---- Stufe 3 ----

struct Stufe3Shape {
  int coefficients;  // K1 … Kn are drawn
  int signedMask;    // bit j − 1: Kj gets a random sign
  bool twoLetters;
  int length;  // of the letter sequence (two letters)
  int count1;
};

constexpr std::array<Stufe3Shape, 7> kStufe3Shapes{{{3, 0b011, false, 3, 3},
                                                    {4, 0b101, false, 4, 4},
                                                    {4, 0b011, false, 4, 4},
                                                    {3, 0b011, true, 3, 2},
                                                    {4, 0b011, true, 4, 2},
                                                    {4, 0b011, true, 4, 2},
                                                    {5, 0b011, true, 5, 3}}};

// The task of Stufe 3 in internal form; w holds the letter of each summand.
Text Stufe3Term(int shape, const TTerm& item, TextView w) {
  const auto m = [&](int j) {
    return Write(Coefficient(item, j), u'*', w[static_cast<std::size_t>(j - 1)]);
  };
  const char16_t s = Vorzeichen[1];
  const char16_t t = Vorzeichen[2];
  switch (shape) {
    case 1:
    case 4: return Write(m(1), u" - (", m(2), u' ', s, u' ', m(3), u')');
    case 2: return Write(m(1), u' ', s, u' ', m(2), u" - (", m(3), u' ', t, u' ', m(4), u')');
    case 3:
    case 6: return Write(m(1), u" - (", m(2), u' ', s, u' ', m(3), u' ', t, u' ', m(4), u')');
    case 5: return Write(m(1), u" - (", m(2), u' ', s, u' ', m(3), u") ", t, u' ', m(4));
    default:
      return Write(m(1), u" - (", m(2), u' ', s, u' ', m(3), u") - (", m(4), u' ', s, u' ', m(5),
                   u')');
  }
}

}  // namespace

void AddSubStufe1(int index) {
  TTerm& item = Item(index);
  term_builders::RandomSigns();
  const LetterShape shape = kStufe1Shapes[static_cast<std::size_t>(Random(9))];
  do {
    item.K1 = Random(8) + 2;
    item.K2 = Random(8) + 2;
    item.Var1 = RandomLetter();
    item.Var2 = RandomLetter();
  } while (item.K1 == item.K2 || item.Var1 >= item.Var2);
  const Text w = RandomLetterSequence(item.Var1, item.Var2, shape.count1, shape.length);

  item.Term = SumWithRandomSigns(
      shape.length, [&w](int j) { return Text(1, w[static_cast<std::size_t>(j - 1)]); });
  const char16_t digit1 = Digit(item.K1);
  const char16_t digit2 = Digit(item.K2);
  item.Einsetzung =
      ToDisplayForm(MergeSignPairs(SwapLetters(item.Term, item.Var1, item.Var2, digit1, digit2)));
  ReadSumCoefficients(item);
  // The solution of the analogue with digits: the digits stand where the letters would.
  item.Ergebnis = LikeTermSolution(Koef1(item), Koef2(item), digit1, digit2, false);
  FinishItem(item, /*markLetters=*/false, /*oneLetter=*/false);
}

void AddSubStufe2(int index) {
  TTerm& item = Item(index);
  term_builders::RandomSigns();
  const Stufe2Shape shape = kStufe2Shapes[static_cast<std::size_t>(Random(8))];
  DrawOrderedLetters(item);
  for (int j = 1; j <= 6; ++j) Coefficient(item, j) = Random(8) + 2;
  const char16_t second = shape.twoLetters ? item.Var2 : item.Var1;
  const Text w = RandomLetterSequence(item.Var1, second, shape.count1, shape.length);

  item.Term = SumWithRandomSigns(shape.length, [&](int j) {
    return Write(Coefficient(item, j), u'*', w[static_cast<std::size_t>(j - 1)]);
  });
  ReadSumCoefficients(item);
  FinishItem(item, /*markLetters=*/true, /*oneLetter=*/!shape.twoLetters);
  // The worked examples of this level show "+ _b_" rather than "+ 1·_b_".
  ReplaceLeftmostUntilGone(item.LoesungMarkiert, u" 1·", u" ");
}

void AddSubStufe3(int index) {
  TTerm& item = Item(index);
  term_builders::RandomSigns();
  const int shapeNumber = Random(7) + 1;
  const Stufe3Shape& shape = kStufe3Shapes[static_cast<std::size_t>(shapeNumber - 1)];
  for (int j = 1; j <= shape.coefficients; ++j) {
    const bool isSigned = (shape.signedMask >> (j - 1) & 1) != 0;
    Coefficient(item, j) = RandomCoefficient(2, 9, isSigned);
  }
  Text w;
  if (shape.twoLetters) {
    DrawOrderedLetters(item);
    w = RandomLetterSequence(item.Var1, item.Var2, shape.count1, shape.length);
  } else {
    item.Var1 = RandomLetter();  // Var2 keeps its earlier content
    w = Text(static_cast<std::size_t>(shape.length), item.Var1);
  }

  item.Term = Stufe3Term(shapeNumber, item, w);
  const Coefficients read =
      ReadCoefficients(item.Term, item.Var1, shape.twoLetters ? item.Var2 : item.Var1);
  item.Koef1Text = read.coef1;
  item.Koef2Text = read.coef2;
  item.KonstText = read.constant;
  FinishItem(item, /*markLetters=*/true, /*oneLetter=*/!shape.twoLetters);
}

void AddSubStufe(int level, int index) {
  switch (level) {
    case 2: AddSubStufe2(index); break;
    case 3: AddSubStufe3(index); break;
    default: AddSubStufe1(index); break;
  }
}

}  // namespace kalkora::terms_topic

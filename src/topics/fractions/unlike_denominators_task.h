#pragma once
// An addition or subtraction of fractions with unlike denominators as a generator draws it:
// each fraction's numerator, and its denominator as a number times letters and brackets.
// The shared steps compute from it the main denominator, the extension factors, the extended
// numerators and the result, tell a degenerate draw, and write the item's texts. Used by the
// generators only.

#include <array>
#include <optional>
#include <vector>

#include "topics/fractions/small_polynomial.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

// number·factor·factor…; each factor a letter (x, y) or a bracket (‹e·x ± f›, ‹x ± y›) with
// coprime coefficients and a positive first one.
struct FactorProduct {
  int number = 1;
  std::vector<SmallPolynomial> factors;

  SmallPolynomial value() const;
};

struct UnlikeFraction {
  int numeratorNumber = 1;  // the numerator is numeratorNumber·numerator (‹3·(x – y)›)
  SmallPolynomial numerator;
  FactorProduct denominator;  // its factors in the order its factorisation is written
};

// How a variant writes its texts.
struct UnlikeWriting {
  // The factorised denominators and the main-denominator line in power notation (‹2^2·3·x›).
  bool powerNotation = false;
  // An extension factor whose number is 1 keeps it (‹1·(x – 3)›, ‹1·x›).
  bool unitFactorNumber = false;
  // An extension factor that is one bracket alone keeps its brackets (‹(x – 1)›, not ‹x – 1›).
  bool bracketLoneFactor = true;
};

struct UnlikeTask {
  int count = 2;                            // 2 or 3 fractions
  std::array<UnlikeFraction, 3> fractions;  // fraction i + 1 at index i
  std::array<int, 3> signs{1, 1, 1};        // +1 or −1 before each fraction; the first is +1
  char16_t x = u'x';
  char16_t y = u'y';
  UnlikeWriting writing;
  // A result with a number in common with the main denominator is cancelled (Kenn[1]);
  // without this, such a draw is degenerate.
  bool cancels = false;
  // How many terms the result numerator has; fewer mean a coefficient 0 (a degenerate draw).
  int resultTerms = 1;
};

// The least common multiple of the denominators: the least common multiple of their numbers,
// then the letters in alphabetical order, then each bracket once, in the order of first
// appearance.
FactorProduct MainDenominator(const UnlikeTask& task);

// The extension factor of fraction i (0-based): the main denominator's number divided by the
// denominator's, and the main denominator's factors the denominator lacks, in their order.
FactorProduct ExtensionFactor(const UnlikeTask& task, const FactorProduct& main, int i);

// The result numerator: the extended numerators with the signs of the task, multiplied out.
SmallPolynomial ResultNumerator(const UnlikeTask& task);

// A draw no learner should get: the result numerator has a coefficient 0 (or is 0); it has
// a letter or bracket in common with the main denominator; it has a number in common with
// the main denominator although the task does not cancel; the cancelled denominator would
// keep the number 1; or a task numerator has a letter or bracket in common with its own
// denominator.
bool IsDegenerate(const UnlikeTask& task);

// Writes the task into a fresh item: the Ungleich record, Anzahl, Kenn[1] (the result is
// cancelled) and Kenn[3] (the item starts with factorising).
void WriteUnlikeItem(TBruchM& item, const UnlikeTask& task);

// The passes through redraw loops of the item being made; the entry points reset it and
// report it to LongestUnlikeDraws.
inline int CurrentUnlikeDraws = 0;

// Calls `draw` (which draws the numbers of one pass and gives the task, or nothing when the
// numbers are not admissible) until it gives a task that is not degenerate; counts the passes.
template <typename Draw>
UnlikeTask DrawTask(Draw draw) {
  for (;;) {
    ++CurrentUnlikeDraws;
    std::optional<UnlikeTask> task = draw();
    if (task && !IsDegenerate(*task)) return *task;
  }
}

// Sign +1 for Vz[k] = "+", −1 for a minus.
int SignOf(std::size_t k);

// A fraction numerator / (number·factors).
UnlikeFraction Over(const SmallPolynomial& numerator, int number,
                    std::vector<SmallPolynomial> factors, int numeratorNumber = 1);

// The bracket e·x + sign·f.
SmallPolynomial Bracket(int e, int sign, int f);

// Makes Bruch[index] afresh: a new record, Variante from 1 … variants, nine signs Vz, three
// different letters (redrawn until `letters` accepts the first two), then the task of
// `makeTask(variante, x, y)`; writes it and reports the draws.
void MakeUnlikeItem(int index, int variants, bool (*letters)(char16_t x, char16_t y),
                    UnlikeTask (*makeTask)(int variante, char16_t x, char16_t y));

}  // namespace kalkora::fractions

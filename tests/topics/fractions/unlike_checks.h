#pragma once
// Shared by the tests of the unlike-denominator generators and stages.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "base/text.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions::test {

// One entry point of the unlike-denominator items.
struct UnlikeGenerator {
  const char* name;
  void (*generate)(int index);
  int level;
  int variants;
};

// The three entry points of the exercise and the three builders of the worked examples, with
// their levels and variant counts.
const UnlikeGenerator* UnlikeGenerators();       // three entries
const UnlikeGenerator* UnlikeExampleBuilders();  // three entries
inline constexpr int kUnlikeGeneratorCount = 3;

// Runs the generator kItemsPerGenerator times from a fixed seed on items 1 … 5 in turn and
// hands each item to the check, with its texts in the failure trace.
void ForManyUnlikeItems(const UnlikeGenerator& generator, std::uint32_t seed,
                        const std::function<void(const TBruchM&)>& check);

// The record's texts on one line, for failure messages.
std::string UnlikeTrace(const TBruchM& item);

// An item as every level writes it: texts in display form without coefficients 1 (but an
// extension factor's number); each Zerlegung a complete factorisation of its denominator; HN
// the least common multiple of the denominators, each factor once; at several values of the
// letters Zerlegung = Nenner, Faktor = HN / Nenner, NeuZaehler = ErwZaehler = Zaehler·Faktor,
// their signed sum Ergebnis and the task Ergebnis / HN (and GekZaehler / GekNenner when
// cancelled); the result numerator with `resultTerms` terms, in lowest terms and cancelled
// exactly when it can be; no task numerator sharing a factor with its own denominator.
void ExpectSoundItem(const TBruchM& item, std::size_t resultTerms);

// +1 for "+", −1 for "–".
int SignValue(char16_t sign);

// The letters of the item's texts (Var1 and Var2).
Text ItemLetters(const TBruchM& item);

// The numerator vanishes nowhere the denominator's letters or linear factors vanish
// everywhere: it has no letter and no linear factor in common with the denominator (tested at
// three points of the zero set of each, so it also holds in two letters).
void ExpectNoCommonLinearFactor(TextView numerator, TextView denominator);

}  // namespace kalkora::fractions::test

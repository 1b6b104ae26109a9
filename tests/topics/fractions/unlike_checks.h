#pragma once
// Shared by the tests of the unlike-denominator generators and stages.

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

// The three entry points with their levels and variant counts.
const UnlikeGenerator* UnlikeGenerators();  // three entries
inline constexpr int kUnlikeGeneratorCount = 3;

// Runs the generator kItemsPerGenerator times from a fixed seed on items 1 … 5 in turn and
// hands each item to the check, with its texts in the failure trace.
void ForManyUnlikeItems(const UnlikeGenerator& generator, std::uint32_t seed,
                        const std::function<void(const TBruchM&)>& check);

// The record's texts on one line, for failure messages.
std::string UnlikeTrace(const TBruchM& item);

// +1 for "+", −1 for "–".
int SignValue(char16_t sign);

// The letters of the item's texts (Var1 and Var2).
Text ItemLetters(const TBruchM& item);

// The numerator vanishes nowhere the denominator's letters or linear factors vanish
// everywhere: it has no letter and no linear factor in common with the denominator (tested at
// three points of the zero set of each, so it also holds in two letters).
void ExpectNoCommonLinearFactor(TextView numerator, TextView denominator);

}  // namespace kalkora::fractions::test

#pragma once
// Small writing and drawing helpers shared by the fraction generators.

#include <initializer_list>
#include <string_view>
#include <type_traits>

#include "base/shared_functions.h"
#include "base/text.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

namespace detail {
inline void AppendPart(Text& text, int value) { text += IntText(value); }
inline void AppendPart(Text& text, char16_t ch) { text += ch; }
inline void AppendPart(Text& text, TextView part) { text += part; }
inline void AppendPart(Text& text, const char16_t* part) { text += part; }
inline void AppendPart(Text& text, const Text& part) { text += part; }
}  // namespace detail

// The parts written one after the other: numbers as decimal text, characters and texts as
// they are. Write(3, u"·", u'x', u" + ", 4) gives ‹3·x + 4›.
template <typename... Parts>
Text Write(const Parts&... parts) {
  Text text;
  (detail::AppendPart(text, parts), ...);
  return text;
}

// The letter with its exponent: "x" for 1, ‹x^e› above 1, the empty text for 0.
Text Power(char16_t letter, int exponent);

// The non-empty factors joined by "·" (‹x^2·y›); the empty text when all are empty.
Text Product(std::initializer_list<TextView> factors);

// A number uniform in low … high.
int DrawNumber(int low, int high);

// True when no two of the numbers are equal.
bool PairwiseDifferent(std::initializer_list<int> numbers);

// The opposite of a sign "+" / "-" / "–": "+" gives minus (the same minus character the
// generator uses), either minus gives "+".
char16_t Opposite(char16_t sign, char16_t minus);

// Draws the first `count` letters Var1 … Var4 of the item with RandomLetter, all of them again
// until they are pairwise different (and, with ascending, until Var1 < Var2).
void DrawLetters(TBruchM& item, int count, bool ascending);

}  // namespace kalkora::fractions

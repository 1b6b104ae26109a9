#pragma once
// The value of a power text at chosen values of its letters, for checking generated items
// independently of the generators' own text building. Any of the program's written forms is
// read: markup (colour markers "#", "_", "~", "$", "§", a caret before each exponent digit,
// a doubled caret), display form ("·", "–", blanks, "{", "[") and typed answers (products
// without a sign: ‹24g^10›, ‹–2f^5–g^4›). The text is turned into evaluator text and evaluated
// with TFunktion.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "base/text.h"

namespace kalkora::test {

// The evaluator text of a power text with no letter replaced: ‹24·g^1^0› gives "24*g^10",
// ‹–2f^5–g^4› gives "-2*f^5-g^4".
std::string EvaluatorText(TextView text);

// The value with every letter replaced by its value; none when a letter has no value or the
// evaluator cannot read the text.
std::optional<double> PowerValue(TextView text, const std::map<char16_t, double>& values);

// Values for the letters a … z; `round` gives another set. All lie in 0.55 … 1.65.
std::map<char16_t, double> LetterValues(int round);

// Random values for the letters a … z, uniform in 0.5 … 2, the same for the same seed.
std::map<char16_t, double> RandomLetterValues(std::uint32_t seed);

// Equal up to a relative tolerance of 1e-9 (absolute near 0).
bool NearlyEqual(double a, double b);

}  // namespace kalkora::test

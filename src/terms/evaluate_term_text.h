#pragma once
// The value of an internal-form term as integer text: the only way the generators reach the
// expression evaluator.

#include "base/text.h"

namespace kalkora {

// Evaluates term with variable letter at n and writes the value in fixed notation with 7
// significant digits and no decimals: rounded to the nearest integer with halves away from
// zero, "-" before a negative value ("0" for a value that rounds to 0). A value with more than
// 7 integer digits is rounded to 7 significant digits and written in full ("12345680").
// ‹2*x^2 - 3› at x = -4 gives "29"; ‹1/2› gives "1", ‹-1/2› gives "-1".
//
// The result is the empty text when the term has no value: a syntax error (error code not 0),
// a division by zero, the logarithm or square root of a negative number, or any other result
// that is infinite or NaN. No such value is ever converted to an integer.
Text EvaluateTermText(TextView term, char16_t letter, int n);

// The formatting of EvaluateTermText for a finite value.
Text RoundedIntegerText(double value);

}  // namespace kalkora

#pragma once
// An exact integer value of a polynomial text, for checking generated items independently of
// the program's own evaluator: digits, lower-case letters, "+", "-" or "–", "*" or "·" or a
// product written without a sign (‹21ey›, ‹5(7m–r)›), "^" with a decimal exponent, brackets
// and blanks. Anything else, a missing value or an overflow gives no value.

#include <cstdint>
#include <map>
#include <optional>

#include "base/text.h"

namespace kalkora::test {

std::optional<std::int64_t> TermValue(TextView text,
                                      const std::map<char16_t, std::int64_t>& values);

}  // namespace kalkora::test

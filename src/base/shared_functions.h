#pragma once
// Small numeric and text functions shared by the engines.

#include <optional>
#include <vector>

#include "base/text.h"

namespace kalkora {

// Euclid's algorithm as the generators expect it: 1 when b = 0; otherwise the last non-zero
// remainder of |a| and b (remainders take the dividend's sign), or 1 if that is 0. For b > 0
// the result is the positive greatest common divisor and Gcd(0, b) = b; for b < 0 the result
// can be negative (Gcd(12, -18) = -6). Never 0, and defined for every 32-bit argument.
int Gcd(int a, int b);
int Gcd3(int a, int b, int c);

// a·b div Gcd(a, b), truncating; 0 when an argument is 0. Computed in 64 bits; a result
// outside the 32-bit range wraps (the generators stay far below it).
int Lcm(int a, int b);
int Lcm3(int a, int b, int c);

// Sort the entries v[0 … n] (n + 1 entries) ascending by exchange. Entries past n stay as
// they are; n is clamped to the vector.
void SortInts(std::vector<int>& v, int n);
void SortReals(std::vector<double>& v, int n);

int Min3(int a, int b, int c);
int Max3(int a, int b, int c);
int Max2(int a, int b);

// "+" gives "-", "-" gives "+", anything else the character 0.
char16_t FlipSign(char16_t ch);

Text DeleteLastChar(TextView s);
Text RemoveChar(TextView s, char16_t ch);
Text RemoveSpaces(TextView s);
// One blank removed from the first pair of adjacent blanks; unchanged when there is none.
Text CollapseDoubleSpace(TextView s);
Text ReplaceChar(TextView s, char16_t from, char16_t to);
// Display form to internal form: blanks removed, "–" to "-", "·" to "*".
Text NormaliseInput(TextView s);

Text IntText(int n);
// The value of a decimal integer text (optional sign, digits, nothing else, inside the
// 32-bit range). Any other text gives no value instead of an error: the callers pass only
// checked digits, and a text that slips through must never stop the program.
std::optional<int> TextInt(TextView s);

}  // namespace kalkora

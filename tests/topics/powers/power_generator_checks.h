#pragma once
// Shared checks of the power generator tests: running a generator over many seeds, reading
// texts apart, and comparing values independently of the generators' text building.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "topics/powers/power_generators.h"
#include "topics/powers/power_record.h"

namespace kalkora::powers::test {

// The records of `seeds` runs, seed s generating item s % 5 + 1.
std::vector<TPotenz> Generate(PowerGenerator generator, int seeds = 600);

// A readable line for failure messages.
std::string Describe(const TPotenz& record);

// The two texts have the same value at several sets of positive letter values.
::testing::AssertionResult SameValue(TextView a, TextView b);

// num over den as one text (each part bracketed); a fraction text ‹num/den› (at its one "/")
// likewise; a text without "/" stays as it is.
Text Quotient(TextView numerator, TextView denominator);
Text FractionText(TextView fraction);

// The text split at every occurrence of the separator.
std::vector<Text> Split(TextView text, TextView separator);

// The integer of a digit text ("–" allowed in front); none otherwise.
std::optional<int> Number(TextView text);

// Every exponent written after a caret (markup digits joined), in order.
std::vector<int> Exponents(TextView text);

// The letters of a text in the order they first occur.
Text LettersInOrder(TextView text);

// Whether the text holds any of the characters.
bool HasAnyOf(TextView text, TextView characters);

// What every record must satisfy: Loesung and Antwort present and in their forms, the letters
// pairwise different, a–z without l, and every letter of the answer typeable.
void ExpectCommonForms(const TPotenz& record);

// Every variant 1 … count occurs among the records.
void ExpectAllVariants(const std::vector<TPotenz>& records, int count);

}  // namespace kalkora::powers::test

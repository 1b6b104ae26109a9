#pragma once
// Shared by the tests of the fraction worked examples: running a builder over many seeds,
// reading the colour marks, and reading the equations an example draws.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/text.h"
#include "term_reading.h"
#include "topics/fractions/fraction_example_rows.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions::test {

// How many examples each property test builds.
inline constexpr int kExamplesPerBuilder = 1000;

// Runs the builder for items 1 … 3 in turn, kExamplesPerBuilder times in all, from a fixed
// seed, and hands each example to the check with its texts in the failure trace. Stops at the
// first failure.
void ForManyExamples(std::uint32_t seed, void (*builder)(int),
                     const std::function<void(const TBruchM&)>& check);

// The record's texts on one line, for failure messages.
std::string ExampleTrace(const TBruchM& item);

// The variants the builder draws over many seeds: every one of 1 … count, and no other.
void ExpectEveryVariant(void (*builder)(int), int count);

// The text without the six colour markers.
Text Unmarked(TextView text);

// The parts of the text between a pair of this marker, in order.
std::vector<Text> MarkedParts(TextView text, char16_t marker);

// The text as the examples write it: every marker closed again, and without the markers the
// display form (no "-", no exponent 1, no sign pair) with no coefficient 1.
void ExpectFinishedText(TextView text);

// The letters ("a" … "z") in the texts.
Text LettersIn(std::initializer_list<TextView> texts);

// The value of "(numerator)/(denominator)" of two marked texts.
double ValueOfFraction(TextView numerator, TextView denominator, const LetterValues& values);

// The sides of the equations the example's chain rows draw, in order: the texts between the
// "=" signs, each as one expression in display form without markers (fractions as
// "((numerator)/(denominator))", ":" as "/"). Placed rows hold no equations.
std::vector<Text> EquationSides(const std::vector<ExampleRow>& rows);

// Every two neighbouring sides have the same value at several sets of letter values.
void ExpectEquationsHold(const std::vector<ExampleRow>& rows);

// The polynomials a and b have a common factor that is not a unit: a common number factor, a
// common letter or a common bracket.
bool ShareAFactor(const Polynomial& a, const Polynomial& b);

// Builds one example from a fixed seed on a record full of leftovers of another topic and
// one on an empty record: both examples are the same.
void ExpectFreshRecord(void (*builder)(int));

}  // namespace kalkora::fractions::test

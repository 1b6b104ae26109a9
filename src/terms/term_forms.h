#pragma once
// The written forms of a term and the small operations between them.
//
// Internal form: "*" for times, ASCII "-" for minus, one blank on each side of a "+" or "-"
// between two summands, exponents as "^" and digits (‹-3*a + 4*(2 - b)›, ‹x^12›).
// Display form: the same with "·" for times and "–" for minus (‹–3·a + 4·(2 – b)›).
// Input form (what an answer field holds): no blanks, no multiplication sign, "–" (‹–3a+4b›).
//
// Every operation works on any text and ends for any text.

#include "base/text.h"

namespace kalkora {

// Every "*" becomes "·" and every "-" becomes "–"; all other characters stay.
Text ToDisplayForm(TextView text);

// "+" gives "+", "-" gives "–", any other character gives the character 0.
char16_t SignToDisplay(char16_t ch);

// Collapses sign pairs written with blanks, in four passes: "+ -" → "- ", "- +" → "- ",
// "- -" → "+ ", "+ +" → "+ ". Each pass repeats on the leftmost occurrence until its pattern
// no longer occurs. ‹3*x + -5› becomes ‹3*x - 5›, ‹a - -b + -c› becomes ‹a + b - c›.
Text MergeSignPairs(TextView text);

// The same for pairs written without blanks: "+-" → "-", "-+" → "-", "--" → "+", "++" → "+".
Text MergeSignPairsTight(TextView text);

// Removes coefficients 1 written as "1·": while the text contains none of "11·", "21·", …,
// "91·" and contains "1·", the leftmost "1·" is deleted. ‹1·a – 1·b› becomes ‹a – b›;
// ‹1·x + 21·y› stays as it is. Changes the text in place.
void DropUnitCoefficient(Text& text);

// A signed number as the next summand: "-7" gives " – 7", anything else gives " + " + text.
Text SignedSummandText(TextView numberText);

// The sign of a product of two signs ("+" or "-"); any other pair gives the character 0.
char16_t SignProduct(char16_t sign1, char16_t sign2);

// n blanks; empty for n ≤ 0.
Text Spaces(int n);

}  // namespace kalkora

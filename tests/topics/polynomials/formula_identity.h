#pragma once
// Checks of a formula written ‹left = right› as mathematics, independently of how it was
// written: both sides are evaluated exactly (term_value.h) on a grid of letter values.

#include <vector>

#include "base/text.h"

namespace kalkora::test {

// The two sides of a formula written ‹left = right›; both empty when there is no ‹ = ›.
struct Sides {
  Text left;
  Text right;
};
Sides SplitAtEquals(TextView formula);

// Both sides have the same value at every point of the grid −3 … 3 for each letter (y = 0:
// one letter). Each side has degree at most 6 in each letter, so two sides that agree on
// 7 × 7 points have equal expansions.
void ExpectIdentity(TextView formula, char16_t x, char16_t y);

// The numbers written in a text, left to right, without the exponents.
std::vector<int> Numbers(TextView text);

}  // namespace kalkora::test

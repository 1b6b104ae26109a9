#pragma once
// The rating of a whole practice run shown by the evaluation window.

#include "base/text.h"

namespace kalkora::practice {

// round(points / attempts × 100), halves to the even neighbour; 0 when nothing was judged.
int Prozent(float points, int attempts);

// The share right shown at step k (0 … prozent) of the count-up, as a fraction of 1: it grows
// in equal steps to points / attempts, which the last step shows unrounded.
float ShareAtStep(int step, int prozent, float points, int attempts);

// The sentence of praise or advice for a percentage (lines separated by "\n").
Text RatingSentence(int prozent);

}  // namespace kalkora::practice

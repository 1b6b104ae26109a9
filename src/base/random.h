#pragma once
// The one random source of the process. Nothing else draws random numbers.

#include <cstdint>

namespace kalkora {

// A number uniform in 0 … n − 1; 0 when n ≤ 0.
int Random(int n);

// Seeds the source from the clock (every window does so when it opens).
void Randomize();

// Seeds the source with a fixed value, so that tests and tools can repeat a sequence.
// While a fixed seed is in force (tests, tools), Randomize() keeps it instead of reading
// the clock: a window opened under a fixed seed then shows reproducible items.
void SetRandomSeed(std::uint32_t seed);

// Back to clock seeding for Randomize().
void ClearFixedRandomSeed();

}  // namespace kalkora

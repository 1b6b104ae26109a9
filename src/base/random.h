#pragma once
// The one random source of the process. Nothing else draws random numbers.

#include <cstdint>
#include <memory>

namespace kalkora {

// A number uniform in 0 … n − 1; 0 when n ≤ 0.
int Random(int n);

// Seeds the source from the clock (every window does so when it opens).
void Randomize();

// Seeds the source with a fixed value, so that tests and tools can repeat a sequence.
// While a fixed seed is in force (tests, tools), Randomize() keeps it instead of reading
// the clock: a window opened under a fixed seed then shows reproducible items.
void SetRandomSeed(std::uint32_t seed);

// Back to clock seeding for Randomize() (also after UseRepeatableClock).
void ClearFixedRandomSeed();

// The value Randomize() would seed the source with from the clock now; draws nothing.
std::uint32_t ClockSeed();

// Draws from a fixed seed for as long as it lives, and then puts the source back as it was:
// the position in its sequence and whether a fixed seed or the clock was in force. Work that
// must be repeatable (a worksheet) runs in one without changing what the windows draw next.
class ScopedRandomSeed {
 public:
  explicit ScopedRandomSeed(std::uint32_t seed);
  ~ScopedRandomSeed();
  ScopedRandomSeed(const ScopedRandomSeed&) = delete;
  ScopedRandomSeed& operator=(const ScopedRandomSeed&) = delete;

 private:
  struct Saved;
  std::unique_ptr<Saved> saved_;
};

// Randomize() seeds the source from a sequence of values started from `seed` instead of the
// clock: every window opening draws new items, as under the clock, and yet a whole session can
// be repeated (the random-learner driver). A fixed seed (SetRandomSeed) still takes precedence.
void UseRepeatableClock(std::uint32_t seed);

}  // namespace kalkora

#include "base/random.h"

#include <chrono>
#include <optional>
#include <random>

namespace kalkora {
namespace {

std::mt19937& engine() {
  static std::mt19937 generator{5489u};
  return generator;
}

std::optional<std::uint32_t>& fixedSeed() {
  static std::optional<std::uint32_t> seed;
  return seed;
}

// The values that stand in for the clock while a repeatable clock is in use.
std::optional<std::mt19937>& repeatableClock() {
  static std::optional<std::mt19937> clock;
  return clock;
}

}  // namespace

int Random(int n) {
  if (n <= 0) return 0;
  // Rejection sampling keeps the draw uniform and is the same on every standard library.
  const std::uint32_t range = static_cast<std::uint32_t>(n);
  const std::uint32_t limit = std::mt19937::max() - (std::mt19937::max() % range + 1) % range;
  std::uint32_t value = engine()();
  while (value > limit) value = engine()();
  return static_cast<int>(value % range);
}

std::uint32_t ClockSeed() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

void Randomize() {
  if (fixedSeed()) {
    engine().seed(*fixedSeed());
    return;
  }
  if (repeatableClock()) {
    engine().seed((*repeatableClock())());
    return;
  }
  engine().seed(ClockSeed());
}

void SetRandomSeed(std::uint32_t seed) {
  fixedSeed() = seed;
  engine().seed(seed);
}

void ClearFixedRandomSeed() {
  fixedSeed().reset();
  repeatableClock().reset();
}

void UseRepeatableClock(std::uint32_t seed) {
  fixedSeed().reset();
  repeatableClock().emplace(seed);
}

struct ScopedRandomSeed::Saved {
  std::mt19937 engine;
  std::optional<std::uint32_t> fixedSeed;
};

ScopedRandomSeed::ScopedRandomSeed(std::uint32_t seed)
    : saved_(std::make_unique<Saved>(Saved{engine(), fixedSeed()})) {
  SetRandomSeed(seed);
}

ScopedRandomSeed::~ScopedRandomSeed() {
  engine() = saved_->engine;
  fixedSeed() = saved_->fixedSeed;
}

}  // namespace kalkora

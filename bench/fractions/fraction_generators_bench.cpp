// One fraction item per iteration, for each generator and worked-example builder (items 1 … 5
// in turn). For the
// unlike-denominator generators the counter "longest_draws" is the most passes through redraw
// loops one item needed during the run.

#include <benchmark/benchmark.h>

#include "base/random.h"
#include "generate_items.h"
#include "topics/fractions/cancelling_generator.h"
#include "topics/fractions/domain_generator.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/lcm_generator.h"
#include "topics/fractions/like_denominators_generator.h"
#include "topics/fractions/long_division_generators.h"
#include "topics/fractions/long_division_steps.h"
#include "topics/fractions/multiply_divide_generators.h"
#include "topics/fractions/term_division_generator.h"
#include "topics/fractions/unlike_denominators_generators.h"

namespace {

#define KALKORA_GENERATOR_BENCHMARK(generator)                          \
  void generator(benchmark::State& state) {                             \
    kalkora::bench::GenerateItems(state, kalkora::fractions::generator, \
                                  kalkora::fractions::Bruch);           \
  }                                                                     \
  BENCHMARK(generator)

KALKORA_GENERATOR_BENCHMARK(DefmengeU);
KALKORA_GENERATOR_BENCHMARK(KuerzenU);
KALKORA_GENERATOR_BENCHMARK(KgvU);
KALKORA_GENERATOR_BENCHMARK(AddSubGleichU);
KALKORA_GENERATOR_BENCHMARK(MultDivU1);
KALKORA_GENERATOR_BENCHMARK(MultDivU2);
KALKORA_GENERATOR_BENCHMARK(MultDivU3);
KALKORA_GENERATOR_BENCHMARK(TermDivU1);

// The builders of the worked examples.
KALKORA_GENERATOR_BENCHMARK(DefmengeM1);
KALKORA_GENERATOR_BENCHMARK(DefmengeM2);
KALKORA_GENERATOR_BENCHMARK(DefmengeM3);
KALKORA_GENERATOR_BENCHMARK(KuerzenM1);
KALKORA_GENERATOR_BENCHMARK(KuerzenM2);
KALKORA_GENERATOR_BENCHMARK(KuerzenM3);
KALKORA_GENERATOR_BENCHMARK(KgvM1);
KALKORA_GENERATOR_BENCHMARK(KgvM2);
KALKORA_GENERATOR_BENCHMARK(KgvM3);
KALKORA_GENERATOR_BENCHMARK(AddSubGleichM1);
KALKORA_GENERATOR_BENCHMARK(AddSubGleichM2);
KALKORA_GENERATOR_BENCHMARK(AddSubGleichM3);
KALKORA_GENERATOR_BENCHMARK(MultDivM1);
KALKORA_GENERATOR_BENCHMARK(MultDivM2);
KALKORA_GENERATOR_BENCHMARK(MultDivM3);
KALKORA_GENERATOR_BENCHMARK(TermDivM1);

// One written division per iteration, as the long-division exercise makes it.
void TermDivU2(benchmark::State& state) {
  kalkora::bench::GenerateItems(
      state, [](int item) { kalkora::fractions::MakeDivisionItem(2, item); },
      kalkora::fractions::Bruch);
}
BENCHMARK(TermDivU2);

void TermDivU3(benchmark::State& state) {
  kalkora::bench::GenerateItems(
      state, [](int item) { kalkora::fractions::MakeDivisionItem(3, item); },
      kalkora::fractions::Bruch);
}
BENCHMARK(TermDivU3);

// The steps of a division, as the exercise asks for them when it shows a new division.
void DivisionSteps(benchmark::State& state) {
  kalkora::SetRandomSeed(20261210);
  for (int item = 1; item <= 5; ++item) kalkora::fractions::MakeDivisionItem(2 + item % 2, item);
  int item = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        kalkora::fractions::DivisionSteps(kalkora::fractions::Bruch[item].TermDiv));
    item = item == 5 ? 1 : item + 1;
  }
  kalkora::ClearFixedRandomSeed();
}
BENCHMARK(DivisionSteps);

#define KALKORA_UNLIKE_BENCHMARK(generator)                                   \
  void generator(benchmark::State& state) {                                   \
    kalkora::fractions::LongestUnlikeDraws = 0;                               \
    kalkora::bench::GenerateItems(state, kalkora::fractions::generator,       \
                                  kalkora::fractions::Bruch);                 \
    state.counters["longest_draws"] = kalkora::fractions::LongestUnlikeDraws; \
  }                                                                           \
  BENCHMARK(generator)

KALKORA_UNLIKE_BENCHMARK(AddSubUngleichU1);
KALKORA_UNLIKE_BENCHMARK(AddSubUngleichU2);
KALKORA_UNLIKE_BENCHMARK(AddSubUngleichU3);

}  // namespace

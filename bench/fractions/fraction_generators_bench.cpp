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
#include "topics/fractions/number_comparison.h"
#include "topics/fractions/term_division_generator.h"
#include "topics/fractions/unlike_denominators_generators.h"
#include "topics/fractions/unlike_example_page.h"
#include "topics/fractions/worked_division.h"

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
KALKORA_UNLIKE_BENCHMARK(AddSubUngleichM1);
KALKORA_UNLIKE_BENCHMARK(AddSubUngleichM2);
KALKORA_UNLIKE_BENCHMARK(AddSubUngleichM3);

// The long division of the worked examples, and the number comparison beside it.
KALKORA_GENERATOR_BENCHMARK(TermDivM2);
KALKORA_GENERATOR_BENCHMARK(TermDivM3);

void MakeComparison(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(kalkora::fractions::MakeComparison(level, u'x'));
}
BENCHMARK(MakeComparison)->Arg(2)->Arg(3);

// What a step shows, made from the item on every paint: the unlike-denominator page at its
// last step, a division's last step, a comparison's last step.
void UnlikeExampleAt(benchmark::State& state) {
  kalkora::SetRandomSeed(20261211);
  for (int item = 1; item <= 5; ++item) kalkora::fractions::AddSubUngleichM3(item);
  int item = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        kalkora::fractions::UnlikeExampleAt(kalkora::fractions::Bruch[item], 4));
    item = item == 5 ? 1 : item + 1;
  }
  kalkora::ClearFixedRandomSeed();
}
BENCHMARK(UnlikeExampleAt);

void WorkedDivisionAt(benchmark::State& state) {
  kalkora::SetRandomSeed(20261212);
  for (int item = 1; item <= 5; ++item) kalkora::fractions::MakeDivisionItem(3, item);
  int item = 1;
  for (auto _ : state) {
    const kalkora::TTermDiv& division = kalkora::fractions::Bruch[item].TermDiv;
    benchmark::DoNotOptimize(kalkora::fractions::WorkedDivisionAt(
        division, kalkora::fractions::WorkedDivisionStepCount(division)));
    item = item == 5 ? 1 : item + 1;
  }
  kalkora::ClearFixedRandomSeed();
}
BENCHMARK(WorkedDivisionAt);

void ComparisonAt(benchmark::State& state) {
  const kalkora::fractions::NumberComparison comparison =
      kalkora::fractions::MakeComparison(3, u'x');
  for (auto _ : state) benchmark::DoNotOptimize(kalkora::fractions::ComparisonAt(comparison, 9));
}
BENCHMARK(ComparisonAt);

}  // namespace

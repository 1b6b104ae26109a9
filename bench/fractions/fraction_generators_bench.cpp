// One fraction item per iteration, for each generator (items 1 … 5 in turn). For the
// unlike-denominator generators the counter "longest_draws" is the most passes through redraw
// loops one item needed during the run.

#include <benchmark/benchmark.h>

#include "generate_items.h"
#include "topics/fractions/cancelling_generator.h"
#include "topics/fractions/domain_generator.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/lcm_generator.h"
#include "topics/fractions/like_denominators_generator.h"
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

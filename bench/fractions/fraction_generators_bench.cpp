// One fraction item per iteration, for each generator (items 1 … 5 in turn).

#include <benchmark/benchmark.h>

#include "shell/random.h"
#include "topics/fractions/cancelling_generator.h"
#include "topics/fractions/domain_generator.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/lcm_generator.h"
#include "topics/fractions/like_denominators_generator.h"
#include "topics/fractions/multiply_divide_generators.h"
#include "topics/fractions/term_division_generator.h"

namespace {

void GenerateItems(benchmark::State& state, void (*generator)(int)) {
  kalkora::SetRandomSeed(20261210);
  int item = 1;
  for (auto _ : state) {
    generator(item);
    benchmark::DoNotOptimize(kalkora::fractions::Bruch[static_cast<std::size_t>(item)]);
    item = item == 5 ? 1 : item + 1;
  }
  kalkora::ClearFixedRandomSeed();
}

#define KALKORA_GENERATOR_BENCHMARK(generator)                                                     \
  void generator(benchmark::State& state) { GenerateItems(state, kalkora::fractions::generator); } \
  BENCHMARK(generator)

KALKORA_GENERATOR_BENCHMARK(DefmengeU);
KALKORA_GENERATOR_BENCHMARK(KuerzenU);
KALKORA_GENERATOR_BENCHMARK(KgvU);
KALKORA_GENERATOR_BENCHMARK(AddSubGleichU);
KALKORA_GENERATOR_BENCHMARK(MultDivU1);
KALKORA_GENERATOR_BENCHMARK(MultDivU2);
KALKORA_GENERATOR_BENCHMARK(MultDivU3);
KALKORA_GENERATOR_BENCHMARK(TermDivU1);

}  // namespace

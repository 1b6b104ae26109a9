// One power item per iteration, for each generator (items 1 … 5 in turn).

#include <benchmark/benchmark.h>

#include "generate_items.h"
#include "topics/powers/power_generators.h"
#include "topics/powers/power_record.h"

namespace {

#define KALKORA_GENERATOR_BENCHMARK(generator)                                                   \
  void generator(benchmark::State& state) {                                                      \
    kalkora::bench::GenerateItems(state, kalkora::powers::generator, kalkora::powers::Potenzen); \
  }                                                                                              \
  BENCHMARK(generator)

KALKORA_GENERATOR_BENCHMARK(GenMultiply1);
KALKORA_GENERATOR_BENCHMARK(GenMultiply2);
KALKORA_GENERATOR_BENCHMARK(GenMultiply3);
KALKORA_GENERATOR_BENCHMARK(GenAddSub1);
KALKORA_GENERATOR_BENCHMARK(GenAddSub2);
KALKORA_GENERATOR_BENCHMARK(GenAddSub3);
KALKORA_GENERATOR_BENCHMARK(GenDivideM1);
KALKORA_GENERATOR_BENCHMARK(GenDivideM2);
KALKORA_GENERATOR_BENCHMARK(GenDivideM3);
KALKORA_GENERATOR_BENCHMARK(GenDivideU1);
KALKORA_GENERATOR_BENCHMARK(GenDivideU2);
KALKORA_GENERATOR_BENCHMARK(GenDivideU3);
KALKORA_GENERATOR_BENCHMARK(GenRaiseM1);
KALKORA_GENERATOR_BENCHMARK(GenRaiseM2);
KALKORA_GENERATOR_BENCHMARK(GenRaiseM3);
KALKORA_GENERATOR_BENCHMARK(GenRaiseU1);
KALKORA_GENERATOR_BENCHMARK(GenRaiseU2);
KALKORA_GENERATOR_BENCHMARK(GenRaiseU3);

}  // namespace

// One substitution item per iteration, for each level (items 1 … 5 in turn).

#include <benchmark/benchmark.h>

#include "shell/random.h"
#include "topics/terms/substitution_generators.h"
#include "topics/terms/term_record.h"

namespace {

void GenerateItems(benchmark::State& state, void (*generator)(int)) {
  kalkora::SetRandomSeed(20261209);
  int item = 1;
  for (auto _ : state) {
    generator(item);
    benchmark::DoNotOptimize(kalkora::terms_topic::EinsetzenTerme[static_cast<std::size_t>(item)]);
    item = item == 5 ? 1 : item + 1;
  }
  kalkora::ClearFixedRandomSeed();
}

void EinsetzenStufe1(benchmark::State& state) {
  GenerateItems(state, kalkora::terms_topic::EinsetzenStufe1);
}
void EinsetzenStufe2(benchmark::State& state) {
  GenerateItems(state, kalkora::terms_topic::EinsetzenStufe2);
}
void EinsetzenStufe3(benchmark::State& state) {
  GenerateItems(state, kalkora::terms_topic::EinsetzenStufe3);
}
BENCHMARK(EinsetzenStufe1);
BENCHMARK(EinsetzenStufe2);
BENCHMARK(EinsetzenStufe3);

}  // namespace

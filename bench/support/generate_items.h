#pragma once
// The loop of the generator benchmarks: one item per iteration, items 1 … 5 in turn, from a
// fixed seed so that runs compare.

#include <benchmark/benchmark.h>

#include <cstddef>

#include "base/random.h"

namespace kalkora::bench {

template <typename Generator, typename Items>
void GenerateItems(benchmark::State& state, Generator generator, Items& items) {
  SetRandomSeed(20261210);
  int item = 1;
  for (auto _ : state) {
    generator(item);
    benchmark::DoNotOptimize(items[static_cast<std::size_t>(item)]);
    item = item == 5 ? 1 : item + 1;
  }
  ClearFixedRandomSeed();
}

}  // namespace kalkora::bench

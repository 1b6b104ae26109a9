// One polynomial item per iteration, for each generator (items 1 … 5 in turn). The counter
// "longest_redraw" is the most draws one redraw loop needed during the run. The generators of
// the completion exercise fill their own items, those of its worked examples polynomial items.

#include <benchmark/benchmark.h>

#include "generate_items.h"
#include "topics/polynomials/completion_example_generators.h"
#include "topics/polynomials/completion_generators.h"
#include "topics/polynomials/completion_record.h"
#include "topics/polynomials/polynomial_generators.h"
#include "topics/polynomials/polynomial_record.h"
#include "topics/polynomials/polynomial_writing.h"

namespace {

template <typename Items>
void GenerateItems(benchmark::State& state, void (*generator)(int), Items& items) {
  kalkora::polynomials::LongestRedraw = 0;
  kalkora::bench::GenerateItems(state, generator, items);
  state.counters["longest_redraw"] = kalkora::polynomials::LongestRedraw;
}

#define KALKORA_GENERATOR_BENCHMARK(generator)                               \
  void generator(benchmark::State& state) {                                  \
    GenerateItems(state, kalkora::generator, kalkora::polynomials::Polynom); \
  }                                                                          \
  BENCHMARK(generator)

#define KALKORA_COMPLETION_BENCHMARK(generator)                                \
  void generator(benchmark::State& state) {                                    \
    GenerateItems(state, kalkora::generator, kalkora::polynomials::Ergaenzen); \
  }                                                                            \
  BENCHMARK(generator)

KALKORA_GENERATOR_BENCHMARK(PolynomMonom1);
KALKORA_GENERATOR_BENCHMARK(PolynomMonom2);
KALKORA_GENERATOR_BENCHMARK(PolynomMonom3);
KALKORA_GENERATOR_BENCHMARK(PolynomPolynom1);
KALKORA_GENERATOR_BENCHMARK(PolynomPolynom2);
KALKORA_GENERATOR_BENCHMARK(PolynomPolynom3);
KALKORA_GENERATOR_BENCHMARK(Binome1);
KALKORA_GENERATOR_BENCHMARK(Binome2);
KALKORA_GENERATOR_BENCHMARK(Binome3);
KALKORA_GENERATOR_BENCHMARK(Herausheben1);
KALKORA_GENERATOR_BENCHMARK(Herausheben2);
KALKORA_GENERATOR_BENCHMARK(Herausheben3);
KALKORA_COMPLETION_BENCHMARK(ErgaenzenU1);
KALKORA_COMPLETION_BENCHMARK(ErgaenzenU2);
KALKORA_COMPLETION_BENCHMARK(ErgaenzenU3);
KALKORA_GENERATOR_BENCHMARK(ErgaenzenM1);
KALKORA_GENERATOR_BENCHMARK(ErgaenzenM2);
KALKORA_GENERATOR_BENCHMARK(ErgaenzenM3);

}  // namespace

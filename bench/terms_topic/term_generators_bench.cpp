// One item per iteration, for each generator of the term topics (items 1 … 5 in turn).

#include <benchmark/benchmark.h>

#include "generate_items.h"
#include "topics/terms/like_term_generators.h"
#include "topics/terms/substitution_generators.h"
#include "topics/terms/term_record.h"

namespace {

using kalkora::bench::GenerateItems;
using namespace kalkora::terms_topic;

void BM_EinsetzenStufe1(benchmark::State& s) { GenerateItems(s, EinsetzenStufe1, EinsetzenTerme); }
void BM_EinsetzenStufe2(benchmark::State& s) { GenerateItems(s, EinsetzenStufe2, EinsetzenTerme); }
void BM_EinsetzenStufe3(benchmark::State& s) { GenerateItems(s, EinsetzenStufe3, EinsetzenTerme); }
void BM_AddSubStufe1(benchmark::State& s) { GenerateItems(s, AddSubStufe1, AddSubTerme); }
void BM_AddSubStufe2(benchmark::State& s) { GenerateItems(s, AddSubStufe2, AddSubTerme); }
void BM_AddSubStufe3(benchmark::State& s) { GenerateItems(s, AddSubStufe3, AddSubTerme); }
BENCHMARK(BM_EinsetzenStufe1);
BENCHMARK(BM_EinsetzenStufe2);
BENCHMARK(BM_EinsetzenStufe3);
BENCHMARK(BM_AddSubStufe1);
BENCHMARK(BM_AddSubStufe2);
BENCHMARK(BM_AddSubStufe3);

}  // namespace

// Parsing and evaluating a typical term of the generators, as they do it for every value and
// coefficient they compute.

#include <benchmark/benchmark.h>

#include "terms/evaluate_term_text.h"
#include "terms/like_terms.h"
#include "terms/term_forms.h"
#include "terms/zeph_parser.h"

namespace {

// 30 characters, internal form.
constexpr kalkora::TextView kTypicalTerm = u"3*x^2 - (2*x - 5)*4 + 7*x - 12";
static_assert(kTypicalTerm.size() == 30);

void EvaluateTypicalTerm(benchmark::State& state) {
  int n = -5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalkora::EvaluateTermText(kTypicalTerm, u'x', n));
    n = n == 5 ? -5 : n + 1;
  }
}
BENCHMARK(EvaluateTypicalTerm);

void ParseTypicalTerm(benchmark::State& state) {
  for (auto _ : state) {
    const kalkora::TFunktion function(kTypicalTerm, u'x');
    benchmark::DoNotOptimize(function.Root());
  }
}
BENCHMARK(ParseTypicalTerm);

void EvaluateParsedTerm(benchmark::State& state) {
  const kalkora::TFunktion function(kTypicalTerm, u'x');
  double x = 3.0;
  for (auto _ : state) benchmark::DoNotOptimize(function.Evaluate(x));
}
BENCHMARK(EvaluateParsedTerm);

void ReadLikeTermCoefficients(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(kalkora::ReadCoefficients(u"3*a - (2*a - 5*b) + 4", u'a', u'b'));
  }
}
BENCHMARK(ReadLikeTermCoefficients);

}  // namespace

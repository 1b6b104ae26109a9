// Opening the term topics' windows from the menu: the exercise windows at each level and the
// worked-example windows.

#include <benchmark/benchmark.h>

#include "app/window_set.h"
#include "topics/terms/like_terms_examples_window.h"
#include "topics/terms/like_terms_exercise_window.h"
#include "topics/terms/substitution_examples_window.h"
#include "topics/terms/substitution_exercise_window.h"
#include "window_bench.h"

namespace {

using kalkora::bench::OpenFromMenu;
using kalkora::bench::Program;

void OpenSubstitutionWindow(benchmark::State& state) {
  Program();
  OpenFromMenu(state, QStringLiteral("menStufe%1E").arg(state.range(0)),
               &kalkora::WindowSet::frmEinsetzenU);
}
void OpenLikeTermsWindow(benchmark::State& state) {
  Program();
  OpenFromMenu(state, QStringLiteral("menStufe%1AS").arg(state.range(0)),
               &kalkora::WindowSet::frmAddSubU);
}
void OpenSubstitutionExamples(benchmark::State& state) {
  Program();
  OpenFromMenu(state, QStringLiteral("menEinsetzenM"), &kalkora::WindowSet::frmEinsetzenM);
}
void OpenLikeTermExamples(benchmark::State& state) {
  Program();
  OpenFromMenu(state, QStringLiteral("menAddSubbM"), &kalkora::WindowSet::frmAddSubM);
}
BENCHMARK(OpenSubstitutionWindow)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(OpenLikeTermsWindow)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSubstitutionExamples)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(OpenLikeTermExamples)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

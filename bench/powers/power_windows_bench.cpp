// The worked examples of the power rules: opening the window from the menu for each rule, and
// painting the whole window with new examples of each rule and level.

#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QRadioButton>

#include "app/window_set.h"
#include "topics/powers/power_examples_window.h"
#include "window_bench.h"

namespace {

using kalkora::bench::Program;

const char* const kMenuItems[] = {"", "menPotMultM", "menPotDivM", "menPotPotM", "menAddSubPotM"};

// state.range(0): the rule (1 multiply, 2 divide, 3 raise, 4 add/subtract).
void OpenPowerExamples(benchmark::State& state) {
  Program();
  kalkora::bench::OpenFromMenu(state, QString::fromLatin1(kMenuItems[state.range(0)]),
                               &kalkora::WindowSet::frmPotenzenM);
}

// state.range(0): the rule, state.range(1): the level. Each paint shows new examples (made
// before the clock runs).
void PaintPowerExamples(benchmark::State& state) {
  kalkora::bench::PaintNewExamples(state, QString::fromLatin1(kMenuItems[state.range(0)]),
                                   &kalkora::WindowSet::frmPotenzenM,
                                   static_cast<int>(state.range(1)));
}

BENCHMARK(OpenPowerExamples)->DenseRange(1, 4)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PaintPowerExamples)
    ->ArgsProduct({{1, 2, 3, 4}, {1, 2, 3}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

// The worked examples of the polynomials: opening the window from the menu for each kind,
// painting the whole window with new examples of each kind and level, and painting each step
// of the step-by-step displays.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

#include "app/window_set.h"
#include "topics/polynomials/polynomial_examples_window.h"
#include "window_bench.h"

namespace {

using kalkora::bench::Program;
using kalkora::bench::SecondsSince;

const char* const kMenuItems[] = {"",           "menPolyMonM",   "menPolyPolyM",
                                  "menBinomeM", "menErgaenzenM", "menHeraushebenM"};

kalkora::TfrmPolynomeM& OpenKind(benchmark::State& state, int level) {
  Program();
  kalkora::TfrmPolynomeM& window = *kalkora::Windows().frmPolynomeM;
  Program().mainMenu()->findChild<QAction*>(kMenuItems[state.range(0)])->trigger();
  QApplication::processEvents();
  window.levelButton(level)->click();
  QApplication::processEvents();
  return window;
}

void Close(kalkora::TfrmPolynomeM& window) {
  window.close();
  QApplication::processEvents();
}

// state.range(0): the kind (1 … 5).
void OpenPolynomialExamples(benchmark::State& state) {
  Program();
  kalkora::bench::OpenFromMenu(state, QString::fromLatin1(kMenuItems[state.range(0)]),
                               &kalkora::WindowSet::frmPolynomeM);
}

// state.range(0): the kind, state.range(1): the level. Each paint shows new examples (made
// before the clock runs).
void PaintPolynomialExamples(benchmark::State& state) {
  kalkora::TfrmPolynomeM& window = OpenKind(state, static_cast<int>(state.range(1)));
  for (auto _ : state) {
    window.moreExamplesButton()->click();
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    state.SetIterationTime(SecondsSince(start));
  }
  Close(window);
}

// state.range(0): the kind, state.range(1): the level. The iterations walk through the steps
// one "Weiter" at a time (before the clock runs) and start the display again after its end.
void PaintPolynomialSteps(benchmark::State& state) {
  kalkora::TfrmPolynomeM& window = OpenKind(state, static_cast<int>(state.range(1)));
  for (auto _ : state) {
    if (window.stepButton()->isVisible()) {
      window.stepButton()->click();
    }
    if (!window.stepButton()->isVisible()) window.stepMenuItem()->trigger();
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    state.SetIterationTime(SecondsSince(start));
  }
  Close(window);
}

// state.range(0): the kind, state.range(1): the level, state.range(2): the step. The fullest
// pages, painted again and again.
void PaintFullestStep(benchmark::State& state) {
  kalkora::TfrmPolynomeM& window = OpenKind(state, static_cast<int>(state.range(1)));
  window.stepMenuItem()->trigger();
  for (int press = 0; press < state.range(2); ++press) window.stepButton()->click();
  QApplication::processEvents();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    state.SetIterationTime(SecondsSince(start));
  }
  Close(window);
}

BENCHMARK(OpenPolynomialExamples)->DenseRange(1, 5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PaintPolynomialExamples)
    ->ArgsProduct({{1, 2, 3, 4, 5}, {1, 2, 3}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PaintPolynomialSteps)
    ->ArgsProduct({{1, 2, 3, 4, 5}, {1, 3}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PaintFullestStep)
    ->Args({1, 1, 17})
    ->Args({2, 1, 16})
    ->Args({3, 2, 7})
    ->Args({3, 3, 5})
    ->Args({4, 1, 15})
    ->Args({5, 2, 5})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

// The fraction worked examples: opening the window from the menu for each topic, painting the
// whole window with new examples of each topic and level, and painting each step of the
// stepwise pages (the time of one paint, averaged over the steps of a pass, with the 99th
// percentile and the slowest paint of all).

#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "app/window_set.h"
#include "topics/fractions/fraction_examples_window.h"
#include "window_bench.h"

namespace {

using kalkora::bench::Program;

const char* const kMenuItems[] = {"",         "menDefmengeM", "menKuerzenM",
                                  "menKgvM",  "menAddSubM1",  "menAddSubM2",
                                  "menMultM", "menDivM",      "menTermDivM"};

// state.range(0): the topic (1 … 8, as selFractionExample).
void OpenFractionExamples(benchmark::State& state) {
  kalkora::bench::OpenFromMenu(state, QString::fromLatin1(kMenuItems[state.range(0)]),
                               &kalkora::WindowSet::frmBruchM);
}

// state.range(0): the topic, state.range(1): the level. Each paint shows new examples (made
// before the clock runs).
void PaintFractionExamples(benchmark::State& state) {
  kalkora::bench::PaintNewExamples(state, QString::fromLatin1(kMenuItems[state.range(0)]),
                                   &kalkora::WindowSet::frmBruchM,
                                   static_cast<int>(state.range(1)));
}

// Painting every step of a stepwise page: state.range(0) the topic (5, or 8 for the long
// division, or 9 for its number comparison), state.range(1) the level. Each pass of "Weiter"
// from the first to the last step is timed paint by paint; a new example starts each pass.
void PaintFractionSteps(benchmark::State& state) {
  Program();
  kalkora::TfrmBruchM& window = *kalkora::Windows().frmBruchM;
  const int topic = static_cast<int>(state.range(0));
  const bool comparison = topic == 9;
  Program().mainMenu()->findChild<QAction*>(kMenuItems[comparison ? 8 : topic])->trigger();
  QApplication::processEvents();
  QPushButton* weiter = window.stepButton();
  std::vector<double> paints;
  for (auto _ : state) {
    window.levelButton(static_cast<int>(state.range(1)))->click();
    if (comparison) window.stepMenuItem()->trigger();
    double seconds = 0;
    int count = 0;
    for (;;) {
      const auto start = std::chrono::steady_clock::now();
      window.repaint();
      const double paint = kalkora::bench::SecondsSince(start);
      seconds += paint;
      paints.push_back(paint);
      ++count;
      if (!weiter->isVisible()) break;
      weiter->click();
    }
    state.SetIterationTime(seconds / count);
  }
  // The paint that 99 of 100 paints beat, and the slowest (which on a busy machine is the
  // scheduler's more than the painting's).
  std::sort(paints.begin(), paints.end());
  state.counters["p99_paint_ms"] = paints[paints.size() * 99 / 100] * 1000;
  state.counters["slowest_paint_ms"] = paints.back() * 1000;
  window.close();
  QApplication::processEvents();
}

BENCHMARK(PaintFractionSteps)
    ->Args({5, 1})
    ->Args({5, 2})
    ->Args({5, 3})
    ->Args({8, 2})
    ->Args({8, 3})
    ->Args({9, 2})
    ->Args({9, 3})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK(OpenFractionExamples)->DenseRange(1, 8)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PaintFractionExamples)
    ->ArgsProduct({{1, 2, 3, 4, 6, 7}, {1, 2, 3}})
    ->Args({8, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

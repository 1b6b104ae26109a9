// The fraction worked examples: opening the window from the menu for each topic, and painting
// the whole window with new examples of each topic and level.

#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QRadioButton>

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
  Program();
  kalkora::bench::OpenFromMenu(state, QString::fromLatin1(kMenuItems[state.range(0)]),
                               *kalkora::Windows().frmBruchM);
}

// state.range(0): the topic, state.range(1): the level. Each paint shows new examples (made
// before the clock runs).
void PaintFractionExamples(benchmark::State& state) {
  Program();
  kalkora::TfrmBruchM& window = *kalkora::Windows().frmBruchM;
  Program().mainMenu()->findChild<QAction*>(kMenuItems[state.range(0)])->trigger();
  QApplication::processEvents();
  window.levelButton(static_cast<int>(state.range(1)))->click();
  QApplication::processEvents();
  for (auto _ : state) {
    window.moreExamplesButton()->click();
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    state.SetIterationTime(kalkora::bench::SecondsSince(start));
  }
  window.close();
  QApplication::processEvents();
}

BENCHMARK(OpenFractionExamples)->DenseRange(1, 8)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PaintFractionExamples)
    ->ArgsProduct({{1, 2, 3, 4, 6, 7}, {1, 2, 3}})
    ->Args({8, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

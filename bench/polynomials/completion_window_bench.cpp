// The completion exercise window ("Formeln ergänzen") at each level: opening it from the menu
// (the run's activation, the items, fields sized and placed in their gaps, the first paint)
// and painting it again (every row drawn, every field moved into its gap).

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <chrono>

#include "app/window_set.h"
#include "topics/polynomials/completion_exercise_window.h"
#include "window_bench.h"

namespace {

using kalkora::bench::Program;
using kalkora::bench::SecondsSince;

QString LevelMenuItem(int level) { return QStringLiteral("menStufe%1Erg").arg(level); }

void OpenCompletionWindow(benchmark::State& state) {
  kalkora::bench::OpenFromMenu(state, LevelMenuItem(static_cast<int>(state.range(0))),
                               &kalkora::WindowSet::frmErgaenzen);
}

void PaintCompletionWindow(benchmark::State& state) {
  Program()
      .mainMenu()
      ->findChild<QAction*>(LevelMenuItem(static_cast<int>(state.range(0))))
      ->trigger();
  QWidget& window = *kalkora::Windows().frmErgaenzen;
  QApplication::processEvents();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    QApplication::processEvents();
    state.SetIterationTime(SecondsSince(start));
  }
  window.close();
  QApplication::processEvents();
}

BENCHMARK(OpenCompletionWindow)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PaintCompletionWindow)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

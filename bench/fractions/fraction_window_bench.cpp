// The fraction exercise window: opening it from the menu for each kind and level (activation,
// three items, fields measured and placed, first paint) and repainting it.

#include <benchmark/benchmark.h>

#include <array>

#include "app/window_set.h"
#include "topics/fractions/fraction_exercise_window.h"
#include "window_bench.h"

namespace {

using kalkora::bench::Program;

// The menu item of each kind and level, by benchmark argument.
const std::array<const char*, 11> kMenuItems{
    "menDefmengeU",   "menKuerzenU",    "menKgvU",        "menAddSubGU",
    "menStufe1MultB", "menStufe2MultB", "menStufe3MultB", "menStufe1DivB",
    "menStufe2DivB",  "menStufe3DivB",  "menStufe1DivTB",
};

QString MenuItem(const benchmark::State& state) {
  return QString::fromLatin1(kMenuItems[static_cast<std::size_t>(state.range(0))]);
}

void OpenFractionExercise(benchmark::State& state) {
  Program();
  state.SetLabel(MenuItem(state).toStdString());
  kalkora::bench::OpenFromMenu(state, MenuItem(state), &kalkora::WindowSet::frmBruchU);
}

// Repainting the whole open window, as after each judged answer.
void RepaintFractionExercise(benchmark::State& state) {
  Program();
  state.SetLabel(MenuItem(state).toStdString());
  QWidget& window = *kalkora::Windows().frmBruchU;
  Program().mainMenu()->findChild<QAction*>(MenuItem(state))->trigger();
  QApplication::processEvents();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    state.SetIterationTime(kalkora::bench::SecondsSince(start));
  }
  window.close();
  QApplication::processEvents();
}

BENCHMARK(OpenFractionExercise)->DenseRange(0, 10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintFractionExercise)
    ->DenseRange(0, 10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

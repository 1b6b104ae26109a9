// The completion exercise window ("Formeln ergänzen") at each level: opening it from the menu
// (the run's activation, the items, fields sized and placed in their gaps, the first paint)
// and painting it again (every row drawn, every field moved into its gap).

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <chrono>

#include "app/application.h"
#include "app/main_window.h"
#include "app/window_set.h"
#include "topics/polynomials/completion_exercise_window.h"

namespace {

// The program as it runs, on the offscreen platform, started once for all benchmarks.
kalkora::TfrmKalkora& Program() {
  static int argc = 1;
  static char name[] = "completion_window_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    auto* application = new QApplication(argc, argv);
    kalkora::PrepareApplication(*application);
    return application;
  }();
  static kalkora::TfrmKalkora& main = kalkora::StartKalkora();
  (void)app;
  return main;
}

QAction* LevelMenuItem(int level) {
  return Program().mainMenu()->findChild<QAction*>(QStringLiteral("menStufe%1Erg").arg(level));
}

void OpenCompletionWindow(benchmark::State& state) {
  QAction* item = LevelMenuItem(static_cast<int>(state.range(0)));
  QWidget& window = *kalkora::Windows().frmErgaenzen;
  QApplication::processEvents();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    item->trigger();
    window.repaint();
    QApplication::processEvents();
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    window.close();
    QApplication::processEvents();
  }
}

void PaintCompletionWindow(benchmark::State& state) {
  LevelMenuItem(static_cast<int>(state.range(0)))->trigger();
  QWidget& window = *kalkora::Windows().frmErgaenzen;
  QApplication::processEvents();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    QApplication::processEvents();
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
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

// Opening the term topics' windows from the menu: the exercise windows at each level and the
// worked-example windows.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <chrono>

#include "app/application.h"
#include "app/main_window.h"
#include "app/window_set.h"
#include "topics/terms/like_terms_examples_window.h"
#include "topics/terms/like_terms_exercise_window.h"
#include "topics/terms/substitution_examples_window.h"
#include "topics/terms/substitution_exercise_window.h"

namespace {

// The program as it runs, on the offscreen platform, started once for all benchmarks.
kalkora::TfrmKalkora& Program() {
  static int argc = 1;
  static char name[] = "terms_topic_bench";
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

// Opening a window from its menu item: the activation (new run or new examples, fields sized
// and placed), the first paint of the whole window and whatever the opening posted.
void OpenFromMenu(benchmark::State& state, const QString& menuItem, QWidget& window) {
  QAction* item = Program().mainMenu()->findChild<QAction*>(menuItem);
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

void OpenSubstitutionWindow(benchmark::State& state) {
  Program();
  OpenFromMenu(state, QStringLiteral("menStufe%1E").arg(state.range(0)),
               *kalkora::Windows().frmEinsetzenU);
}
void OpenLikeTermsWindow(benchmark::State& state) {
  Program();
  OpenFromMenu(state, QStringLiteral("menStufe%1AS").arg(state.range(0)),
               *kalkora::Windows().frmAddSubU);
}
void OpenSubstitutionExamples(benchmark::State& state) {
  Program();
  OpenFromMenu(state, QStringLiteral("menEinsetzenM"), *kalkora::Windows().frmEinsetzenM);
}
void OpenLikeTermExamples(benchmark::State& state) {
  Program();
  OpenFromMenu(state, QStringLiteral("menAddSubbM"), *kalkora::Windows().frmAddSubM);
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

// Opening the substitution exercise from the menu: the window's activation with five new items,
// the layout of the answer fields and the first paint of the whole window, at each level.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QMenuBar>
#include <chrono>

#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/window_set.h"
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
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria));
    auto* application = new QApplication(argc, argv);
    kalkora::PrepareApplication(*application);
    return application;
  }();
  static kalkora::TfrmKalkora& main = kalkora::StartKalkora();
  (void)app;
  return main;
}

void OpenSubstitutionWindow(benchmark::State& state) {
  kalkora::TfrmKalkora& main = Program();
  const QString menuItem = QStringLiteral("menStufe%1E").arg(state.range(0));
  QAction* item = main.mainMenu()->findChild<QAction*>(menuItem);
  QWidget& window = *kalkora::Windows().frmEinsetzenU;
  QApplication::processEvents();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    item->trigger();                // activation: new run, five items, fields sized and placed
    window.repaint();               // the first paint of the window and its paint box
    QApplication::processEvents();  // and whatever the opening posted
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    window.close();
    QApplication::processEvents();
  }
}
BENCHMARK(OpenSubstitutionWindow)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

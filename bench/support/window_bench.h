#pragma once
// What the window benchmarks share: the program as it runs, on the offscreen platform, started
// once for all benchmarks of a binary, and opening a window from its menu item.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <chrono>

#include "app/application.h"
#include "app/main_window.h"
#include "app/window_set.h"

namespace kalkora::bench {

inline TfrmKalkora& Program() {
  static int argc = 1;
  static char name[] = "kalkora_window_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    auto* application = new QApplication(argc, argv);
    PrepareApplication(*application);
    return application;
  }();
  static TfrmKalkora& main = StartKalkora();
  (void)app;
  return main;
}

// Seconds since `start`, for manual timing.
inline double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Opening a window from its menu item: the activation (new run or new examples, fields sized
// and placed), the first paint of the whole window and whatever the opening posted. The window
// is named by its member of the window set, which exists only once the program has started.
template <typename Window>
void OpenFromMenu(benchmark::State& state, const QString& menuItem, Window* WindowSet::*member) {
  QAction* item = Program().mainMenu()->findChild<QAction*>(menuItem);
  QWidget& window = *(Windows().*member);
  QApplication::processEvents();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    item->trigger();
    window.repaint();
    QApplication::processEvents();
    state.SetIterationTime(SecondsSince(start));
    window.close();
    QApplication::processEvents();
  }
}

// Painting a worked-example window at a level, with new examples each time (made before the
// clock runs).
template <typename Window>
void PaintNewExamples(benchmark::State& state, const QString& menuItem, Window* WindowSet::*member,
                      int level) {
  Program().mainMenu()->findChild<QAction*>(menuItem)->trigger();
  Window& window = *(Windows().*member);
  QApplication::processEvents();
  window.levelButton(level)->click();
  QApplication::processEvents();
  for (auto _ : state) {
    window.moreExamplesButton()->click();
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    state.SetIterationTime(SecondsSince(start));
  }
  window.close();
  QApplication::processEvents();
}

}  // namespace kalkora::bench

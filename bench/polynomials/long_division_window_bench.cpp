// The long-division exercise: opening the window from the menu at each level, and painting the
// whole window with a finished division (every line drawn, every other line shown after two
// wrong answers, the rules under the products).

#include <benchmark/benchmark.h>

#include <QKeyEvent>

#include "app/window_set.h"
#include "frame/text_conversion.h"
#include "topics/polynomials/long_division_window.h"
#include "window_bench.h"

namespace {

using kalkora::bench::Program;

QString MenuItem(std::int64_t level) { return QStringLiteral("menStufe%1DivTB").arg(level); }

void Enter(kalkora::TfrmBruchU3& window, const kalkora::Text& text) {
  kalkora::AnswerField* field = window.currentField();
  field->setText(kalkora::ToQString(text));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(field, &enter);
}

// Answers every step of the division shown: right, and every third step wrong twice.
void FinishDivision(kalkora::TfrmBruchU3& window) {
  while (const kalkora::fractions::DivisionStep* step = window.progress().currentStep()) {
    if (window.progress().current() % 3 == 0) {
      Enter(window, step->answer + u"1");
      Enter(window, step->answer + u"2");
    } else {
      Enter(window, step->answer);
    }
  }
  QApplication::processEvents();
}

// state.range(0): the level.
void OpenLongDivision(benchmark::State& state) {
  Program();
  kalkora::bench::OpenFromMenu(state, MenuItem(state.range(0)), &kalkora::WindowSet::frmBruchU3);
}

// state.range(0): the level. Each paint shows a new division, finished before the clock runs.
void PaintFinishedDivision(benchmark::State& state) {
  Program();
  kalkora::TfrmBruchU3& window = *kalkora::Windows().frmBruchU3;
  Program().mainMenu()->findChild<QAction*>(MenuItem(state.range(0)))->trigger();
  QApplication::processEvents();
  for (auto _ : state) {
    window.FormActivate();  // a new run and division
    FinishDivision(window);
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    state.SetIterationTime(kalkora::bench::SecondsSince(start));
  }
  window.close();
  QApplication::processEvents();
}

BENCHMARK(OpenLongDivision)->DenseRange(2, 3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PaintFinishedDivision)->DenseRange(2, 3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

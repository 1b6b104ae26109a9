// The unlike-denominator exercise: opening the window from the menu at each level (a new run,
// the item made, fields sized and placed, the first paint), and painting the whole window at
// each stage of an item answered right so far (stage 6: the finished item).

#include <benchmark/benchmark.h>

#include <QPushButton>

#include "app/window_set.h"
#include "frame/text_conversion.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_stages.h"
#include "topics/fractions/unlike_denominators_window.h"
#include "window_bench.h"

namespace {

using kalkora::bench::Program;

QString MenuItem(std::int64_t level) { return QStringLiteral("menAddSubUU%1").arg(level); }

void OpenUnlikeWindow(benchmark::State& state) {
  Program();
  kalkora::bench::OpenFromMenu(state, MenuItem(state.range(0)), &kalkora::WindowSet::frmBruchU2);
}

// Answers the open stage right.
void AnswerStage(kalkora::TfrmBruchU2& window, int level) {
  using namespace kalkora::fractions;
  for (int field : StageFields(Bruch[1], window.stage())) {
    kalkora::AnswerField* edit = window.answerField(field);
    edit->setText(edit->filtered(kalkora::ToQString(TypedFieldText(Bruch[1], level, field))));
  }
  window.checkButton(window.stage())->click();
}

// state.range(0): the level, state.range(1): the stage shown (1 … 5, 6 finished).
void PaintUnlikeStage(benchmark::State& state) {
  Program();
  kalkora::TfrmBruchU2& window = *kalkora::Windows().frmBruchU2;
  const int level = static_cast<int>(state.range(0));
  Program().mainMenu()->findChild<QAction*>(MenuItem(level))->trigger();
  QApplication::processEvents();
  while (window.stage() < state.range(1)) AnswerStage(window, level);
  QApplication::processEvents();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    state.SetIterationTime(kalkora::bench::SecondsSince(start));
  }
  window.close();
  QApplication::processEvents();
}

BENCHMARK(OpenUnlikeWindow)->DenseRange(1, 3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PaintUnlikeStage)
    ->ArgsProduct({{1, 2, 3}, {1, 2, 3, 4, 5, 6}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

// The exercise of dividing and raising powers: opening it from the menu in each mode and level
// (activation, items, fields measured and placed, first paint), and repainting it with open
// rows and with every row answered.

#include <benchmark/benchmark.h>

#include <QKeyEvent>
#include <QPushButton>

#include "app/window_set.h"
#include "frame/text_conversion.h"
#include "topics/powers/power_divide_raise_texts.h"
#include "topics/powers/power_divide_raise_window.h"
#include "topics/powers/power_record.h"
#include "window_bench.h"

namespace {

using kalkora::bench::Program;
using kalkora::bench::SecondsSince;

// The menu item of state.range(0) (0 division, 1 raising) at level state.range(1).
QString MenuItem(const benchmark::State& state) {
  return QStringLiteral("menStufe%1%2")
      .arg(state.range(1))
      .arg(state.range(0) == 0 ? QStringLiteral("Div") : QStringLiteral("Pot"));
}

void OpenDivPotWindow(benchmark::State& state) {
  Program();
  kalkora::bench::OpenFromMenu(state, MenuItem(state), &kalkora::WindowSet::frmDivPotU);
}

// Every row answered right, so that each row draws its finished form.
void AnswerEveryRow(kalkora::TfrmDivPotU& window) {
  for (int i = 1; i <= window.itemCount(); ++i) {
    const std::vector<kalkora::Text> texts = kalkora::powers::ExpectedFieldTexts(
        window.exercise(), kalkora::powers::Potenzen[static_cast<std::size_t>(i)]);
    for (std::size_t k = 0; k < texts.size(); ++k) {
      window.answerField(i, static_cast<int>(k) + 1)->setText(kalkora::ToQString(texts[k]));
    }
    if (window.checkButton(i)->isVisible()) {
      window.checkButton(i)->click();
    } else {
      // Enter leaves the field, which judges it.
      window.answerField(i)->setFocus(Qt::OtherFocusReason);
      QApplication::processEvents();
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(window.answerField(i), &enter);
    }
    QApplication::processEvents();
  }
}

// state.range(2): 0 open rows, 1 every row answered.
void RepaintDivPotWindow(benchmark::State& state) {
  Program().mainMenu()->findChild<QAction*>(MenuItem(state))->trigger();
  kalkora::TfrmDivPotU& window = *kalkora::Windows().frmDivPotU;
  QApplication::setActiveWindow(&window);
  QApplication::processEvents();
  if (state.range(2) == 1) {
    AnswerEveryRow(window);
    for (int i = 1; i <= window.itemCount(); ++i) {
      if (!kalkora::powers::Potenzen[static_cast<std::size_t>(i)].Richtig) {
        state.SkipWithError("a row was not answered");
        break;
      }
    }
  }
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    window.repaint();
    state.SetIterationTime(SecondsSince(start));
  }
  window.close();
  QApplication::processEvents();
}

BENCHMARK(OpenDivPotWindow)
    ->ArgsProduct({{0, 1}, {1, 2, 3}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintDivPotWindow)
    ->ArgsProduct({{0, 1}, {1, 2, 3}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

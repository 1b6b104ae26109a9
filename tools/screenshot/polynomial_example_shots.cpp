#include "polynomial_example_shots.h"

#include <QAction>
#include <QPushButton>

#include "exercise_shots.h"
#include "learner_moves.h"
#include "practice/example_window.h"
#include "topics/polynomials/polynomial_steps.h"

namespace kalkora::screenshot {
namespace {

// Picks the level, starts the step-by-step display from the menu and presses "Weiter" until
// the step is shown.
std::function<void(QWidget& window)> StepOf(int level, int step) {
  return [level, step](QWidget& window) {
    ChooseExampleLevel(level)(window);
    auto* examples = qobject_cast<ExampleWindow*>(&window);
    if (examples == nullptr) return;
    examples->stepMenuItem()->trigger();
    for (int press = 0; press < step; ++press) examples->stepButton()->click();
    Settle();
  };
}

}  // namespace

std::vector<Shot> PolynomialExampleShots() {
  struct Kind {
    int number;
    const char* name;
    const char* menuItem;
    std::vector<int> stepLevels;  // the levels whose steps differ
    int middle;                   // a step worth seeing between the first and the last
  };
  // The middle steps: a marked product (kinds 1, 2), the fullest page before a renewal
  // (kinds 3, 4), the third example (kind 5).
  static const Kind kKinds[] = {{1, "mon", "menPolyMonM", {1}, 9},
                                {2, "poly", "menPolyPolyM", {1}, 11},
                                {3, "bin", "menBinomeM", {1, 2, 3}, 7},
                                {4, "erg", "menErgaenzenM", {1}, 7},
                                {5, "heraus", "menHeraushebenM", {1, 2, 3}, 3}};
  std::vector<Shot> shots;
  for (const Kind& kind : kKinds) {
    for (int level = 1; level <= 3; ++level) {
      shots.push_back({QStringLiteral("polynome-muster-%1-stufe%2").arg(kind.name).arg(level),
                       kind.menuItem, ChooseExampleLevel(level)});
    }
    for (int level : kind.stepLevels) {
      const int last = polynomials::StepCount(kind.number, level);
      // Kind 3 at Stufe 3 has its new page at step 6.
      const int middle = kind.number == 3 && level == 3 ? 5 : kind.middle;
      for (int step : {0, middle, last}) {
        shots.push_back({QStringLiteral("polynome-muster-%1-schritte-stufe%2-schritt%3")
                             .arg(kind.name)
                             .arg(level)
                             .arg(step, 2, 10, QLatin1Char('0')),
                         kind.menuItem, StepOf(level, step)});
      }
    }
  }
  return shots;
}

}  // namespace kalkora::screenshot

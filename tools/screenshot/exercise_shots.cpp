#include "exercise_shots.h"

#include <functional>

#include "base/shared_functions.h"
#include "learner_moves.h"
#include "practice/example_window.h"
#include "practice/exercise_window.h"
#include "terms/term_exponents.h"
#include "topics/polynomials/polynomial_record.h"
#include "topics/powers/power_record.h"
#include "topics/terms/term_record.h"

namespace kalkora::screenshot {
namespace {

// The right answer as the learner types it, and as wrong answers the slip of a digit too many.
void AnswerWithSlips(QWidget& shown, const std::function<Text(int)>& typedAnswer) {
  AnswerInEveryState(shown, typedAnswer,
                     [&typedAnswer](int i, int k) { return typedAnswer(i) + IntText(k); });
}

}  // namespace

void AnswerPolynomialItemsInEveryState(QWidget& window) {
  AnswerWithSlips(window, [](int i) {
    return JoinExponentDigits(polynomials::Polynom[static_cast<std::size_t>(i)].Antwort);
  });
}

void AnswerPowerItemsInEveryState(QWidget& window) {
  AnswerWithSlips(window, [](int i) {
    return JoinExponentDigits(powers::Potenzen[static_cast<std::size_t>(i)].Antwort());
  });
}

void AnswerLikeTermItemsInEveryState(QWidget& window) {
  AnswerWithSlips(
      window, [](int i) { return terms_topic::AddSubTerme[static_cast<std::size_t>(i)].Antwort; });
}

std::function<void(QWidget& window)> ChooseExampleLevel(int level) {
  return [level](QWidget& window) {
    if (auto* examples = qobject_cast<ExampleWindow*>(&window)) {
      examples->levelButton(level)->click();
      Settle();
    }
  };
}

}  // namespace kalkora::screenshot

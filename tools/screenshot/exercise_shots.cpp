#include "exercise_shots.h"

#include <functional>

#include "base/shared_functions.h"
#include "learner_moves.h"
#include "practice/example_window.h"
#include "practice/exercise_window.h"
#include "terms/term_exponents.h"
#include "topics/polynomials/completion_exercise.h"
#include "topics/polynomials/completion_exercise_window.h"
#include "topics/polynomials/completion_generators.h"
#include "topics/polynomials/completion_record.h"
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

void AnswerCompletionItemsInEveryState(QWidget& shown) {
  ExerciseWindow& window = Activated(shown);
  const auto gaps = [](int i, int wrongFrom) {
    const TErgaenzen& item = polynomials::Ergaenzen[static_cast<std::size_t>(i)];
    std::vector<Text> texts;
    for (int k = 1; k <= item.AnzLuecken; ++k) {
      texts.push_back(completion_exercise::TypedGap(item, k) + (k >= wrongFrom ? u"1" : u""));
    }
    return texts;
  };
  constexpr int kRight = 4;  // no gap wrong
  CheckRow(window, 1, gaps(1, kRight));
  CheckRow(window, 2, gaps(2, 1));
  CheckRow(window, 2, gaps(2, kRight));
  const int last = polynomials::Ergaenzen[3].AnzLuecken;
  CheckRow(window, 3, gaps(3, last));
  CheckRow(window, 3, gaps(3, last));
  CheckRow(window, 4, gaps(4, 1));
  CheckRow(window, 4, gaps(4, 1));
  CheckRow(window, 5, gaps(5, 1));
}

std::function<void(QWidget& window)> WidestCompletionRows(int level, bool answered) {
  return [level, answered](QWidget& shown) {
    // Five of the widest formulas: a two-gap and a three-gap square, the products.
    const int big = level == 3 ? 11 : 13;
    const int power = level == 3 ? 3 : 1;
    const char16_t y = level == 1 ? 0 : u'w';
    const std::vector<int> types = level == 1   ? std::vector<int>{1, 5, 9, 13, 14}
                                   : level == 2 ? std::vector<int>{1, 13, 15, 18, 19}
                                                : std::vector<int>{1, 15, 9, 18, 19};
    TfrmErgaenzen::SetItemMakerForTesting([=](int i) {
      const CompletionValues values{u'm', y, big, big - 1, power, power};
      WriteErgaenzen(polynomials::Ergaenzen[static_cast<std::size_t>(i)], level,
                     types[static_cast<std::size_t>(i - 1)], values);
    });
    Activated(shown).FormActivate();
    TfrmErgaenzen::SetItemMakerForTesting({});
    Settle();
    if (answered) AnswerCompletionItemsInEveryState(shown);
  };
}

std::function<void(QWidget& window)> ChooseExampleLevel(int level) {
  return [level](QWidget& window) {
    if (auto* examples = qobject_cast<ExampleWindow*>(&window)) {
      examples->levelButton(level)->click();
      Settle();
    }
  };
}

std::function<void(QWidget& window)> LevelAndMoreUntilShown(int level,
                                                            std::function<bool()> shown) {
  return [level, shown](QWidget& window) {
    ChooseExampleLevel(level)(window);
    auto* examples = qobject_cast<ExampleWindow*>(&window);
    if (examples == nullptr) return;
    for (int press = 0; press < 2000 && !shown(); ++press) {
      examples->moreExamplesButton()->click();
    }
    Settle();
  };
}

}  // namespace kalkora::screenshot

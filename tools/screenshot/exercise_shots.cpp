#include "exercise_shots.h"

#include <QApplication>
#include <QKeyEvent>
#include <functional>

#include "practice/example_window.h"
#include "practice/exercise_window.h"
#include "shell/text_conversion.h"
#include "terms/term_exponents.h"
#include "topics/polynomials/polynomial_record.h"
#include "topics/powers/power_record.h"
#include "topics/terms/term_record.h"

namespace kalkora::screenshot {
namespace {

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Types into the field of item i and presses Enter, which moves on and so judges the field.
void Answer(ExerciseWindow& window, int i, const Text& text) {
  AnswerField* field = window.answerField(i);
  field->setFocus(Qt::OtherFocusReason);
  Settle();
  field->setText(ToQString(text));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(field, &enter);
  Settle();
}

// The moves of every state, with wrong answers that a slip of the learner might give: the
// right answer with a digit too many.
void AnswerInEveryState(QWidget& shown, const std::function<Text(int)>& typedAnswer) {
  QApplication::setActiveWindow(&shown);
  Settle();
  auto& window = static_cast<ExerciseWindow&>(shown);
  Answer(window, 1, typedAnswer(1));
  Answer(window, 2, typedAnswer(2) + u"1");
  Answer(window, 2, typedAnswer(2));
  Answer(window, 3, typedAnswer(3) + u"1");
  Answer(window, 3, typedAnswer(3) + u"2");
  Answer(window, 4, typedAnswer(4) + u"1");
}

}  // namespace

void AnswerPolynomialItemsInEveryState(QWidget& window) {
  AnswerInEveryState(window, [](int i) {
    return JoinExponentDigits(polynomials::Polynom[static_cast<std::size_t>(i)].Antwort);
  });
}

void AnswerPowerItemsInEveryState(QWidget& window) {
  AnswerInEveryState(window, [](int i) {
    return JoinExponentDigits(powers::Potenzen[static_cast<std::size_t>(i)].Antwort());
  });
}

void AnswerLikeTermItemsInEveryState(QWidget& window) {
  AnswerInEveryState(
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

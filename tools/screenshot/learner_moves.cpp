#include "learner_moves.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "frame/text_conversion.h"

namespace kalkora::screenshot {

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void Answer(ExerciseWindow& window, int i, const Text& text) {
  AnswerField* field = window.answerField(i);
  field->setFocus(Qt::OtherFocusReason);
  Settle();
  field->setText(ToQString(text));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(field, &enter);
  Settle();
}

void CheckRow(ExerciseWindow& window, int i, const std::vector<Text>& texts) {
  for (std::size_t k = 0; k < texts.size(); ++k) {
    AnswerField* field = window.answerField(i, static_cast<int>(k) + 1);
    field->setFocus(Qt::OtherFocusReason);
    field->setText(ToQString(texts[k]));
  }
  QPushButton* button = window.checkButton(i);
  button->setFocus(Qt::OtherFocusReason);
  Settle();
  button->click();
  Settle();
}

ExerciseWindow& Activated(QWidget& shown) {
  QApplication::setActiveWindow(&shown);
  Settle();
  return static_cast<ExerciseWindow&>(shown);
}

void AnswerInEveryState(QWidget& shown, const std::function<Text(int)>& rightAnswer,
                        const std::function<Text(int, int)>& wrongAnswer) {
  ExerciseWindow& window = Activated(shown);
  Answer(window, 1, rightAnswer(1));
  Answer(window, 2, wrongAnswer(2, 1));
  Answer(window, 2, rightAnswer(2));
  Answer(window, 3, wrongAnswer(3, 1));
  Answer(window, 3, wrongAnswer(3, 2));
  Answer(window, 4, wrongAnswer(4, 1));
}

}  // namespace kalkora::screenshot

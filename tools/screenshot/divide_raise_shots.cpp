#include "divide_raise_shots.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "frame/text_conversion.h"
#include "learner_moves.h"
#include "topics/powers/power_divide_raise_texts.h"
#include "topics/powers/power_divide_raise_window.h"
#include "topics/powers/power_record.h"

namespace kalkora::screenshot {
namespace {

std::vector<Text> RightTexts(const TfrmDivPotU& window, int i) {
  return powers::ExpectedFieldTexts(window.exercise(),
                                    powers::Potenzen[static_cast<std::size_t>(i)]);
}

// The right texts with the k-th slip: a digit too many in the first field.
std::vector<Text> WrongTexts(const TfrmDivPotU& window, int i, int k) {
  std::vector<Text> texts = RightTexts(window, i);
  texts.front() += static_cast<char16_t>(u'0' + k);
  return texts;
}

// Fills the row's fields and judges them: "Prüfen", or Enter in a row judged on leaving.
void AnswerRow(TfrmDivPotU& window, int i, const std::vector<Text>& texts) {
  QPushButton* check = window.checkButton(i);
  if (!check->isVisible()) {
    Answer(window, i, texts.front());
    return;
  }
  for (std::size_t k = 0; k < texts.size(); ++k) {
    window.answerField(i, static_cast<int>(k) + 1)->setText(ToQString(texts[k]));
  }
  check->setFocus(Qt::OtherFocusReason);
  check->click();
  Settle();
}

void AnswerEveryRowRight(QWidget& shown) {
  auto& window = static_cast<TfrmDivPotU&>(Activated(shown));
  for (int i = 1; i <= 5; ++i) AnswerRow(window, i, RightTexts(window, i));
}

// Item 1 right, item 2 right at the second attempt, item 3 wrong twice, item 4 wrong once,
// item 5 open.
void AnswerRowsInEveryState(QWidget& shown) {
  auto& window = static_cast<TfrmDivPotU&>(Activated(shown));
  AnswerRow(window, 1, RightTexts(window, 1));
  AnswerRow(window, 2, WrongTexts(window, 2, 1));
  AnswerRow(window, 2, RightTexts(window, 2));
  AnswerRow(window, 3, WrongTexts(window, 3, 1));
  AnswerRow(window, 3, WrongTexts(window, 3, 2));
  AnswerRow(window, 4, WrongTexts(window, 4, 1));
}

}  // namespace

std::vector<Shot> DivideRaiseShots() {
  std::vector<Shot> shots;
  for (const bool raise : {false, true}) {
    for (int level = 1; level <= 3; ++level) {
      const QString menu = QStringLiteral("menStufe%1%2").arg(level).arg(raise ? "Pot" : "Div");
      const QString file =
          QStringLiteral("potenzen-%1-stufe%2").arg(raise ? "pot" : "div").arg(level);
      shots.push_back({file, menu, {}});
      shots.push_back({file + "-richtig", menu, AnswerEveryRowRight});
      shots.push_back({file + "-antworten", menu, AnswerRowsInEveryState});
    }
  }
  return shots;
}

}  // namespace kalkora::screenshot

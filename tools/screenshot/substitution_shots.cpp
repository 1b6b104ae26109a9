#include "substitution_shots.h"

#include <QApplication>
#include <QPushButton>

#include "app/window_set.h"
#include "base/shared_functions.h"
#include "frame/text_conversion.h"
#include "learner_moves.h"
#include "practice/evaluation_window.h"
#include "terms/term_forms.h"
#include "topics/terms/substitution_exercise_window.h"
#include "topics/terms/term_record.h"

namespace kalkora::screenshot {
namespace {

const TTerm& Item(int i) { return terms_topic::EinsetzenTerme[static_cast<std::size_t>(i)]; }

// A wrong answer a learner might give: the value off by `offset`, or the term with its first
// digit off by `offset`.
Text WrongAnswer(int i, int offset) {
  const TTerm& item = Item(i);
  if (TfrmEinsetzenU::Level() != 3) return ToDisplayForm(IntText(item.ErgebnisWert + offset));
  Text wrong = item.Antwort;
  for (char16_t& c : wrong) {
    if (c >= u'1' && c <= u'9') {
      c = static_cast<char16_t>(u'1' + (c - u'1' + offset) % 9);
      break;
    }
  }
  return wrong;
}

}  // namespace

void AnswerSubstitutionItemsInEveryState(QWidget& window) {
  AnswerInEveryState(
      window, [](int i) { return Item(i).Antwort; }, WrongAnswer);
}

QWidget* PlaySubstitutionRunToEvaluation(QWidget& shown) {
  ExerciseWindow& window = Activated(shown);
  for (int pass = 1; pass <= 3; ++pass) {
    const int firstWrong = 6 - (pass - 1);  // none, item 5, items 4 and 5
    for (int i = 1; i <= 5; ++i) {
      if (i < firstWrong) {
        Answer(window, i, Item(i).Antwort);
      } else {
        Answer(window, i, WrongAnswer(i, 1));
        Answer(window, i, WrongAnswer(i, 2));
      }
    }
    if (pass < 3) {
      window.findChild<QPushButton*>("btnWeiter")->click();
      Settle();
    }
  }
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  TfrmAuswertung::SetStepIntervalForTesting(0);
  window.findChild<QPushButton*>("btnAuswertung")->click();
  while (evaluation.countUpRunning()) QApplication::processEvents();
  TfrmAuswertung::SetStepIntervalForTesting(100);
  Settle();
  return &evaluation;
}

}  // namespace kalkora::screenshot

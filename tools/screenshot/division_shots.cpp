#include "division_shots.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "frame/text_conversion.h"
#include "learner_moves.h"
#include "topics/fractions/fraction_record.h"
#include "topics/polynomials/long_division_window.h"

namespace kalkora::screenshot {
namespace {

// What the learner does with one answer.
enum class Move { Right, RightSecond, WrongOnce, WrongTwice };

// Types into the field asked now and presses Enter.
void Enter(TfrmBruchU3& window, const Text& text) {
  AnswerField* field = window.currentField();
  if (field == nullptr) return;
  field->setFocus(Qt::OtherFocusReason);
  Settle();
  field->setText(ToQString(text));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(field, &enter);
  Settle();
}

void Play(TfrmBruchU3& window, Move move) {
  const fractions::DivisionStep* step = window.progress().currentStep();
  if (step == nullptr) return;
  const Text right = step->answer;
  switch (move) {
    case Move::Right: Enter(window, right); break;
    case Move::RightSecond:
      Enter(window, right + u"1");
      Enter(window, right);
      break;
    case Move::WrongOnce: Enter(window, right + u"1"); break;
    case Move::WrongTwice:
      Enter(window, right + u"1");
      Enter(window, right + u"2");
      break;
  }
}

// "Weiter" until the division is one of the widest: four quotient terms over a divisor of
// three (six dividend terms).
void WidestDivision(TfrmBruchU3& window) {
  for (int tries = 0; tries < 100; ++tries) {
    const TTermDiv& d = fractions::Bruch[1].TermDiv;
    if (d.AnzQuotient == 4 && d.AnzDivisor == 3) return;
    window.findChild<QPushButton*>("btnWeiter")->click();
    Settle();
  }
}

// Plays the moves in order, then answers right up to `upTo` answers (all: −1); on one of the
// widest divisions when `widest`.
std::function<void(QWidget&)> Moves(std::vector<Move> moves, int upTo, bool widest = false) {
  return [moves = std::move(moves), upTo, widest](QWidget& shown) {
    QApplication::setActiveWindow(&shown);
    Settle();
    auto& window = static_cast<TfrmBruchU3&>(shown);
    if (widest) WidestDivision(window);
    for (const Move move : moves) Play(window, move);
    const int last = upTo < 0 ? window.progress().stepCount() : upTo;
    while (window.progress().currentStep() != nullptr && window.progress().current() <= last) {
      Play(window, Move::Right);
    }
  };
}

}  // namespace

std::vector<Shot> DivisionShots() {
  using enum Move;
  std::vector<Shot> shots;
  for (const int level : {2, 3}) {
    const QString name = QStringLiteral("bruch-division-stufe%1").arg(level);
    const QString menu = QStringLiteral("menStufe%1DivTB").arg(level);
    shots.push_back({name, menu, {}});
    shots.push_back(
        {name + "-mitte", menu, Moves({Right, Right, RightSecond, Right, Right, WrongOnce}, 0)});
    shots.push_back({name + "-fertig", menu, Moves({}, -1)});
    // Q1 and R1 wrong twice (the learner's texts in rose beside the expected ones), P2 right at
    // the second attempt, then on to R2, with the field of R2 still open.
    shots.push_back(
        {name + "-falsch", menu, Moves({WrongTwice, Right, WrongTwice, Right, RightSecond}, 5)});
    // Six dividend terms and four quotient terms, finished, with P3 and the last line wrong
    // twice.
    shots.push_back({name + "-lang", menu,
                     Moves({Right, Right, Right, Right, Right, Right, Right, WrongTwice, Right,
                            Right, RightSecond, WrongTwice},
                           -1, true)});
  }
  return shots;
}

}  // namespace kalkora::screenshot

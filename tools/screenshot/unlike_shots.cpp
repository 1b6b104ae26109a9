#include "unlike_shots.h"

#include <QApplication>
#include <QPushButton>

#include "base/random.h"
#include "base/shared_functions.h"
#include "frame/text_conversion.h"
#include "learner_moves.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_stages.h"
#include "topics/fractions/unlike_denominators_window.h"

namespace kalkora::screenshot {
namespace {

using fractions::Bruch;

enum class Way { Right, WrongTwice, RightSecond, LongestWrongTwice };
enum class Answer { Right, Slip, Longest };

// The widest key the field lets through ("^" only raises the next one).
QChar WidestKey(const AnswerField& field) {
  QChar widest('0');
  for (QChar key : field.keyFilter().accepted) {
    if (key != QLatin1Char('^') && field.fontMetrics().horizontalAdvance(key) >
                                       field.fontMetrics().horizontalAdvance(widest)) {
      widest = key;
    }
  }
  return widest;
}

// Types the stage's answers (right ones, with a digit too many, or filled up to the most the
// field takes with its widest key) and presses its button.
void Check(TfrmBruchU2& window, int level, Answer answer) {
  const int stage = window.stage();
  for (int field : fractions::StageFields(Bruch[1], stage)) {
    AnswerField* edit = window.answerField(field);
    QString text = ToQString(fractions::TypedFieldText(Bruch[1], level, field));
    if (answer == Answer::Slip) text += QLatin1Char('7');
    if (answer == Answer::Longest) text = text.leftJustified(edit->maxLength(), WidestKey(*edit));
    edit->setText(edit->filtered(text));
  }
  window.checkButton(stage)->click();
  Settle();
}

void Work(TfrmBruchU2& window, int level, Way way) {
  switch (way) {
    case Way::Right: Check(window, level, Answer::Right); break;
    case Way::WrongTwice:
      Check(window, level, Answer::Slip);
      Check(window, level, Answer::Slip);
      break;
    case Way::RightSecond:
      Check(window, level, Answer::Slip);
      Check(window, level, Answer::Right);
      break;
    case Way::LongestWrongTwice:
      Check(window, level, Answer::Longest);
      Check(window, level, Answer::Longest);
      break;
  }
}

// A new item until it is of the variant (0: any) and, when asked, its result cancels; then
// the stages worked in the given ways.
std::function<void(QWidget&)> Stages(int level, std::vector<Way> ways, int variant = 0,
                                     bool cancels = false) {
  return [=](QWidget& shown) {
    auto& window = static_cast<TfrmBruchU2&>(shown);
    QApplication::setActiveWindow(&window);
    // Every activation starts from the fixed seed: other seeds give other items.
    for (std::uint32_t seed = 1; seed <= 500; ++seed) {
      const TBruchM& item = Bruch[1];
      if ((variant == 0 || item.Variante == variant) && (!cancels || item.Kenn[1])) break;
      SetRandomSeed(kScreenshotSeed + seed);
      window.FormActivate();
    }
    SetRandomSeed(kScreenshotSeed);
    Settle();
    for (Way way : ways) Work(window, level, way);
    Settle();
  };
}

}  // namespace

std::vector<Shot> UnlikeShots() {
  std::vector<Shot> shots;
  constexpr int kVariants[] = {0, 4, 3, 3};
  const std::vector<Way> all(5, Way::Right);
  const std::vector<Way> allWrong(5, Way::WrongTwice);
  for (int level = 1; level <= 3; ++level) {
    const QString menu = QStringLiteral("menAddSubUU%1").arg(level);
    const QString name = QStringLiteral("bruch-ungleichnamig-stufe%1").arg(level);
    shots.push_back({name + "-1-offen", menu, {}});
    shots.push_back({name + "-2-nach-richtig", menu, Stages(level, {Way::Right})});
    shots.push_back({name + "-3-nach-falsch", menu, Stages(level, {Way::Right, Way::WrongTwice})});
    shots.push_back({name + "-4-nach-zweitem-versuch", menu,
                     Stages(level, {Way::Right, Way::WrongTwice, Way::RightSecond})});
    shots.push_back({name + "-5-ergebnis", menu,
                     Stages(level, {Way::Right, Way::Right, Way::Right, Way::Right})});
    shots.push_back({name + "-fertig", menu, Stages(level, all)});
    shots.push_back({name + "-fertig-falsch", menu, Stages(level, allWrong)});
    for (int variant = 1; variant <= kVariants[level]; ++variant) {
      const QString v = QStringLiteral("-variante%1").arg(variant);
      shots.push_back({name + v + "-4-zaehler", menu,
                       Stages(level, {Way::Right, Way::Right, Way::Right}, variant)});
      shots.push_back({name + v + "-fertig-falsch", menu, Stages(level, allWrong, variant)});
      shots.push_back({name + v + "-laengste-falsch", menu,
                       Stages(level, std::vector<Way>(5, Way::LongestWrongTwice), variant)});
    }
    shots.push_back({name + "-kuerzbar-5-ergebnis", menu,
                     Stages(level, {Way::Right, Way::Right, Way::Right, Way::Right}, 0, true)});
    shots.push_back({name + "-kuerzbar-fertig", menu, Stages(level, all, 0, true)});
  }
  return shots;
}

}  // namespace kalkora::screenshot

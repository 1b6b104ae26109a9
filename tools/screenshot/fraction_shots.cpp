#include "fraction_shots.h"

#include <QPushButton>

#include "base/shared_functions.h"
#include "frame/text_conversion.h"
#include "learner_moves.h"
#include "topics/fractions/fraction_exercise_window.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::screenshot {
namespace {

// Types the texts into the fields of item i; a one-field row is judged by Enter, a fraction
// row by its "Prüfen".
void AnswerRow(TfrmBruchU& window, int i, const std::vector<Text>& texts) {
  if (texts.size() == 1) {
    Answer(window, i, texts.front());
    return;
  }
  for (std::size_t k = 0; k < texts.size(); ++k) {
    window.answerField(i, static_cast<int>(k) + 1)->setText(ToQString(texts[k]));
  }
  window.checkButton(i)->click();
  Settle();
}

// The expected texts with a slip: the first field with one digit too many.
std::vector<Text> Slip(std::vector<Text> texts, int digit) {
  texts.front() += IntText(digit);
  return texts;
}

}  // namespace

void AnswerFractionItems(QWidget& shown) {
  auto& window = static_cast<TfrmBruchU&>(Activated(shown));
  const auto expected = [&window](int i) {
    return fractions::ExpectedFieldTexts(window.exercise().kind,
                                         fractions::Bruch[static_cast<std::size_t>(i)]);
  };
  AnswerRow(window, 1, expected(1));
  AnswerRow(window, 2, Slip(expected(2), 1));
  AnswerRow(window, 2, Slip(expected(2), 2));
  AnswerRow(window, 3, Slip(expected(3), 1));
}

std::vector<Shot> FractionExerciseShots() {
  const struct {
    const char* file;
    const char* menu;
  } openings[] = {
      {"bruch-defmenge", "menDefmengeU"},
      {"bruch-kuerzen", "menKuerzenU"},
      {"bruch-kgv", "menKgvU"},
      {"bruch-gleichnamig", "menAddSubGU"},
      {"bruch-mult-stufe1", "menStufe1MultB"},
      {"bruch-mult-stufe2", "menStufe2MultB"},
      {"bruch-mult-stufe3", "menStufe3MultB"},
      {"bruch-div-stufe1", "menStufe1DivB"},
      {"bruch-div-stufe2", "menStufe2DivB"},
      {"bruch-div-stufe3", "menStufe3DivB"},
      {"bruch-termdiv-stufe1", "menStufe1DivTB"},
  };
  std::vector<Shot> shots;
  for (const auto& o : openings) {
    const QString file = QString::fromLatin1(o.file);
    const QString menu = QString::fromLatin1(o.menu);
    shots.push_back({file, menu, {}});
    shots.push_back({file + "-antworten", menu, AnswerFractionItems});
  }
  return shots;
}

}  // namespace kalkora::screenshot

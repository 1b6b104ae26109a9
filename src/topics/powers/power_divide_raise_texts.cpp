#include "topics/powers/power_divide_raise_texts.h"

#include <algorithm>

#include "base/selection.h"
#include "base/shared_functions.h"
#include "terms/term_exponents.h"

namespace kalkora::powers {

DivideRaiseExercise SelectedDivideRaiseExercise() {
  if (selection::selPowerDivLevel != 0) {
    return {DivideRaiseMode::Divide, std::clamp(selection::selPowerDivLevel, 1, 3)};
  }
  return {DivideRaiseMode::Raise, std::clamp(selection::selPowerRaiseLevel, 1, 3)};
}

Text DivideRaiseCaption(const DivideRaiseExercise& exercise) {
  Text caption = exercise.mode == DivideRaiseMode::Divide
                     ? Text(u"Übungsbeispiele Potenzen – Dividieren")
                     : Text(u"Übungsbeispiele Potenzen – Potenzieren");
  return caption.append(u" (Stufe ").append(IntText(exercise.level)).append(u")");
}

Text DivideRaiseInstruction(const DivideRaiseExercise& exercise) {
  if (CheckedByButton(exercise)) {
    return u"Gib den jeweiligen Term ohne Multiplikationszeichen ein und drücke die Prüfen–Taste";
  }
  return u"Gib den jeweiligen Term ohne Multiplikationszeichen und mit einem Bruchstrich ein.\n"
         u"Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!";
}

Text DivideRaiseHint(const DivideRaiseExercise& exercise) {
  if (exercise.mode == DivideRaiseMode::Divide) return {};
  return u"$Ermittle das Ergebnis in der Reihenfolge der Angabe. Zahlen zuerst.$";
}

PowerGenerator DivideRaiseGenerator(const DivideRaiseExercise& exercise) {
  return GeneratorFor(exercise.mode == DivideRaiseMode::Divide ? PowerKind::DivideExercise
                                                               : PowerKind::RaiseExercise,
                      exercise.level);
}

bool CheckedByButton(const DivideRaiseExercise& exercise) {
  return exercise.mode == DivideRaiseMode::Divide || exercise.level == 3;
}

int AnswerFieldCount(const TPotenz& item) { return item.Antwortart == 2 ? 2 : 1; }

std::vector<Text> ExpectedFieldTexts(const DivideRaiseExercise& exercise, const TPotenz& item) {
  if (!CheckedByButton(exercise)) return {item.Antwort()};
  if (AnswerFieldCount(item) == 2) return {item.Text[2], item.Text[3]};
  return {item.Text[2]};
}

Text QuotedSolution(const TPotenz& item) { return JoinExponentDigits(item.Loesung()); }

Text EmptyFieldsMessage(int fields) {
  if (fields == 1) return u"Es fehlt der Eintrag!";
  return u"Die Eingabefelder dürfen nicht leer sein!";
}

Text AcceptedKeys(const DivideRaiseExercise& exercise, const TPotenz& item) {
  // How many of the item's letters the fields take, and whether "/" passes.
  struct Keys {
    int letters;
    bool slash;
  };
  const bool divide = exercise.mode == DivideRaiseMode::Divide;
  Keys keys{};
  switch (exercise.level) {
    case 1: keys = divide ? Keys{1, false} : Keys{2, false}; break;
    case 2: keys = divide ? Keys{2, true} : Keys{3, false}; break;
    default: keys = divide ? Keys{3, true} : Keys{5, true}; break;
  }
  Text accepted = u"0123456789^";
  for (int k = 1; k <= keys.letters; ++k) {
    const char16_t letter = item.Buchst[static_cast<std::size_t>(k)];
    if (letter > u' ') accepted += letter;  // a blank where the item has no letter
  }
  if (keys.slash) accepted += u'/';
  return accepted;
}

}  // namespace kalkora::powers

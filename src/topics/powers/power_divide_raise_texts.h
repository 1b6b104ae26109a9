#pragma once
// What the exercise window of dividing and raising powers decides without drawing, per mode and
// level: caption, instruction, hint, the generator, how a row is answered and judged, the keys
// its fields accept and the messages of an empty row.

#include <vector>

#include "base/text.h"
#include "topics/powers/power_generators.h"
#include "topics/powers/power_record.h"

namespace kalkora::powers {

enum class DivideRaiseMode { Divide, Raise };

struct DivideRaiseExercise {
  DivideRaiseMode mode = DivideRaiseMode::Divide;
  int level = 1;  // 1 … 3
};

// The exercise the main window chose: division when selPowerDivLevel is non-zero, otherwise
// raising at selPowerRaiseLevel (a level outside 1 … 3 counts as the nearest one).
DivideRaiseExercise SelectedDivideRaiseExercise();

// "Übungsbeispiele Potenzen – Dividieren (Stufe 1)", …
Text DivideRaiseCaption(const DivideRaiseExercise& exercise);
// The instruction in the label (lines separated by "\n").
Text DivideRaiseInstruction(const DivideRaiseExercise& exercise);
// The purple hint under the rows, as markup ("$…$"); empty in the division mode.
Text DivideRaiseHint(const DivideRaiseExercise& exercise);
// GenDivideU1 … GenRaiseU3.
PowerGenerator DivideRaiseGenerator(const DivideRaiseExercise& exercise);

// Whether the rows are judged by their "Prüfen" button (division, raising at level 3) or when
// the learner leaves the one field (raising at levels 1 and 2).
bool CheckedByButton(const DivideRaiseExercise& exercise);
// The fields of an item's row: 2 (numerator over denominator) for a fraction answer, else 1.
int AnswerFieldCount(const TPotenz& item);
// The expected text of each field of the row: Text[2], or Text[2] and Text[3] for a fraction,
// in the rows checked by their button; Antwort in the rows judged on leaving.
std::vector<Text> ExpectedFieldTexts(const DivideRaiseExercise& exercise, const TPotenz& item);
// The solution quoted after the second wrong answer: Loesung with its exponent digits joined
// (‹b^16›, never ‹b^1^6›).
Text QuotedSolution(const TPotenz& item);
// The information box of "Prüfen" with an empty field: "Es fehlt der Eintrag!" in a row of
// one field, "Die Eingabefelder dürfen nicht leer sein!" in a row of two.
Text EmptyFieldsMessage(int fields);
// The characters the fields of an item accept besides Backspace: the digits, "^", the item's
// letters of the level (blanks left out) and "/" where the level allows it. Never "+" or "–".
Text AcceptedKeys(const DivideRaiseExercise& exercise, const TPotenz& item);

}  // namespace kalkora::powers

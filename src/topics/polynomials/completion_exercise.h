#pragma once
// What the completion exercise window shows and decides besides drawing: its caption and
// instructions, the check of a row (all gaps of an item at once, by its "Prüfen" button), the
// line shown after a second wrong check, and the characters its answer fields accept.
//
// The window keeps the learner's texts of a row in GapTexts, gap k at entry k; a row has
// AnzLuecken gaps, of which at most three get an answer field.

#include "base/one_based_array.h"
#include "base/text.h"

namespace kalkora {

struct TErgaenzen;

namespace completion_exercise {

// The learner's texts of the gaps of one row.
using GapTexts = OneBasedArray<Text, 3>;

// "Übungsbeispiele: Polynome ergänzen (Stufe n)"; without the level outside 1 … 3.
Text Caption(int level);

// The instruction at the start of a run.
Text InstructionAtStart();

// The instruction after a change in an answer field and after the evaluation (lines separated
// by "\n").
Text InstructionWhileTyping();

// The empty gaps of a row when it is checked: the message for the information box and the gap
// whose field gets the focus. An empty message (and `first` 0) means every gap is filled.
struct EmptyGaps {
  Text message;
  int first = 0;
};
EmptyGaps FindEmptyGaps(const TErgaenzen& item, const GapTexts& typed);

// Whether the typed text is the text of gap k: both are compared with every blank and "·"
// removed, otherwise exactly.
bool GapRight(const TErgaenzen& item, int gap, TextView typed);

// The text of gap k as the learner types it: without blanks and "·" (‹144t› for ‹144·t›).
Text TypedGap(const TErgaenzen& item, int gap);

// Whether the row is right: every gap of the item is (a row is judged as a whole).
bool RowRight(const TErgaenzen& item, const GapTexts& typed);

// The formula quoted after the second wrong check: Volltext without its marks, an exponent of
// two digits as the learner types it.
Text SolutionText(const TErgaenzen& item);

// The row as it stays after the second wrong check: the pieces with each gap filled, a right
// gap with its text in "~" marks (violet), a wrong one with the learner's text in "#" marks
// (rose), each of its exponent digits raised as the solutions write them. When every gap is
// wrong the window draws it alternating, so the learner's texts take turns in the first and
// the second marker colour.
struct ShownRow {
  Text markup;
  bool everyGapWrong = false;
};
ShownRow ShownRowOf(const TErgaenzen& item, const GapTexts& typed);

// The characters the answer fields of the item let through besides Backspace: its letters
// (Var1, and Var2 when it has one), the digits, "^", and "–" only when a gap holds a minus.
// Everything else ("+", blanks, "·", other letters) cannot be typed.
Text AcceptedKeys(const TErgaenzen& item);

}  // namespace completion_exercise
}  // namespace kalkora

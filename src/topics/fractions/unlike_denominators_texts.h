#pragma once
// The texts and key filters of the unlike-denominator stages (see unlike_denominators_stages.h
// for the stages and fields): the heading and hint under the table, the characters each
// answer field lets through, and the window's messages.

#include "base/text.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

// The heading (markup, colour 1) and the hint (markup; empty when the stage has none) drawn
// under the table. They depend on the level (1 … 3, other values count as 1), on the variant
// in stage 1 of Stufe 1 (power notation in variants 1 and 2), and on the stage (1 … 5; other
// stages have none).
struct StageTexts {
  Text heading;
  Text hint;
};
StageTexts StageHeadingAndHint(int level, int variante, int stage);

// The characters an answer field lets through besides Backspace (a typed "-" becomes "–"
// first): the digits, the item's letters and the characters its answer can hold, by field,
// level and variant. In stage 1 of Stufe 1 variants 1 and 2 the power notation takes "^" and
// a typed "*" becomes "·"; the extension factors of these variants take digits only. An
// extension factor at Stufe 2 and 3 takes "(" and ")" only when it has brackets.
struct FieldKeys {
  Text accepted;
  bool starAsDot = false;  // a typed "*" becomes "·"
};
FieldKeys KeysOfField(const TBruchM& item, int level, int field);

// "Das Eingabefeld darf nicht leer sein!" for a stage with one field, "Die Eingabefelder
// dürfen nicht leer sein!" for more.
Text EmptyFieldsMessage(int fields);

// The window's caption: ‹Übungsbeispiele: Bruchterme – Addieren/Subrahieren mit
// ungleichnamigem Nenner (Stufe 2)› (levels outside 1 … 3 count as 1).
Text UnlikeCaption(int level);

// "Es fehlen noch Einträge!": "Weiter" before the result stage is judged.
Text UnlikeNotFinishedMessage();

// The instruction when a run starts, and after the evaluation (lines separated by "\n").
Text UnlikeInstruction();
Text UnlikeInstructionAfterEvaluation();

}  // namespace kalkora::fractions

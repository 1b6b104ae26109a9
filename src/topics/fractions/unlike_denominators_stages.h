#pragma once
// The five stages of an unlike-denominator item as the exercise window works through them:
// 1 factorise the denominators, 2 the main denominator, 3 the extension factors, 4 the
// extended numerators, 5 the result. The engine says which answer fields a stage has and what
// each expects, judges a stage and moves the item on; the window draws, places the fields and
// applies the outcome. (The texts and key filters of the stages: unlike_denominators_texts.h.)
//
// Fields are numbered 1 … 12 like the window's edt01 … edt12: 1 … 3 the factorised
// denominators, 4 the main denominator, 5 … 7 the extension factors, 8 … 10 the extended
// numerators, 11 the result numerator, 12 the result denominator (only when the result is
// cancelled; otherwise the denominator is the main denominator and is not asked for).
//
// A field is right when the learner's text, without blanks and "·", equals the expected text
// without blanks and "·" (stage 1 of Stufe 1 variants 1 and 2 keeps the "·" of the power
// notation), or one of its tolerated forms:
// - a product (factorised denominator, main denominator, cancelled result denominator) with
//   its brackets in another order, or with its single letters in another order; the number
//   stays first and no sign may change: ‹(x + 1)·(x – 1)› for ‹(x – 1)·(x + 1)›,
//   ‹8·d·a·(d – a)› for ‹8·a·d·(d – a)›, never ‹3·(x – 2)› for ‹3·(x + 2)›;
// - an extension factor with the number 1 (‹1·(x – 3)›, ‹1·x›) written without it, and a
//   bracket standing alone written with or without its brackets (‹(x – 3)›, ‹x – 3›).
// When a right field used another order, the item takes the learner's order (the main
// denominator's order also passes to the cancelled result denominator), so that the later
// stages and the table show it.

#include <vector>

#include "base/text.h"
#include "practice/practice_run.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

inline constexpr int kStageFactorise = 1;
inline constexpr int kStageMainDenominator = 2;
inline constexpr int kStageFactors = 3;
inline constexpr int kStageNumerators = 4;
inline constexpr int kStageResult = 5;
inline constexpr int kItemFinished = 6;  // the result stage is judged; the item may be left

// Makes Bruch[1] afresh for a pass with the entry point of the level (1 … 3; any other level
// counts as 1) and marks it open; returns the first stage: 1, or 2 for an item that does not
// start with factorising (Kenn[3] clear).
int PrepareUnlikeItem(int level);

// The first stage of an item: 1 when it starts with factorising (Kenn[3]), else 2.
int FirstStage(const TBruchM& item);

// The stage a field (1 … 12) belongs to; 0 for any other number.
int FieldStage(int field);

// The fields of a stage in their order: stage 1 fields 1 … Anzahl, stage 2 field 4, stage 3
// fields 5 … 4 + Anzahl, stage 4 fields 8 … 7 + Anzahl, stage 5 field 11 and, when the
// result is cancelled (Kenn[1]), field 12. No field for any other stage.
std::vector<int> StageFields(const TBruchM& item, int stage);

// The expected text of a field in display form, as the table shows it: Zerlegung[i], HN,
// Faktor[i], NeuZaehler[i], then Ergebnis, or GekZaehler and GekNenner when the result is
// cancelled. Empty for a field the item does not have.
Text ExpectedFieldText(const TBruchM& item, int field);

// The expected text of a field as the learner types it: without blanks and, unless the power
// notation keeps it (stage 1 of Stufe 1 variants 1 and 2), without "·". The window makes each
// field wide enough for it.
Text TypedFieldText(const TBruchM& item, int level, int field);

// The most characters a field takes: its typed expected text and 8 more, room for any slip,
// so that a finished stage can show the learner's text beside the expected one in its cell.
int LongestFieldText(const TBruchM& item, int level, int field);

struct FieldCheck {
  int field = 0;
  bool right = false;
  // The expected text in display form: in the learner's order when a right answer used
  // another order (shown in the table, and, after a second wrong answer, beside the learner's
  // text).
  Text expected;
};

struct StageCheck {
  std::vector<FieldCheck> fields;  // in the order of StageFields
  bool right() const;              // every field right (and at least one field)
};

// Compares the learner's texts of a stage, one for each field of StageFields in that order;
// a missing text counts as empty, and an empty text is wrong. Changes nothing.
StageCheck CheckStage(const TBruchM& item, int level, int stage, const std::vector<Text>& typed);

// Takes the learner's order of every right field of the check into the item (Zerlegung, HN
// and with it GekNenner, or GekNenner).
void AdoptLearnerOrder(TBruchM& item, const StageCheck& check);

// Records a judged stage in the item (SchrittRichtig after a right answer, SchrittGezeigt
// after the second wrong one) and returns the stage open next: the same stage after a first
// wrong answer, else the next one (kItemFinished after the result).
int AfterStageVerdict(TBruchM& item, int stage, practice::Verdict verdict);

// What pressing a stage's check button does.
struct StageOutcome {
  // False when a field was empty: nothing is judged, the counters stay, `message` asks for the
  // entries (an information box) and the focus goes to `emptyField`.
  bool judged = false;
  int emptyField = 0;
  StageCheck check;  // the fields, for FeldRichtig and the table
  practice::Verdict verdict = practice::Verdict::WrongFirst;
  practice::Message message;  // the feedback, or the request for the empty fields
  int nextStage = 0;          // the stage open now
};

// Judges a stage of the item as one answer of the practice run (counters, points, Versuch),
// adopts the learner's order, records the stage and gives the feedback (the window shows the
// expected texts itself, so the feedback quotes none).
StageOutcome JudgeStage(TBruchM& item, int level, int stage, const std::vector<Text>& typed);

}  // namespace kalkora::fractions

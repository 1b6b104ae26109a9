#pragma once
// What the fraction exercise window shows and decides besides drawing, by exercise kind
// (selFractionExercise) and level: its caption and instructions, how a row is answered (one
// field, or a numerator and a denominator checked by "Prüfen"), the keys its fields let
// through, the texts the fields expect, the verdict on the learner's texts and the solution
// quoted after a second wrong answer.
//
// Kinds: 1 domain, 2 cancelling, 3 kgV, 4 adding/subtracting with like denominators,
// 5 multiplying, 6 dividing, 7 dividing by a monomial. Kinds 4, 5 and 6 show the level in
// the caption; only 5 and 6 draw their items by it.

#include <vector>

#include "base/text.h"

namespace kalkora {

struct TBruchM;

namespace fractions {

enum class ExerciseKind {
  Domain = 1,
  Cancelling,
  Lcm,
  LikeDenominators,
  Multiply,
  Divide,
  DivideByMonomial,
};

struct FractionExercise {
  ExerciseKind kind = ExerciseKind::Domain;
  int level = 1;  // 1 … 3
};

// The exercise the main window chose: kind selFractionExercise (the domain outside 1 … 7),
// level selLevel (1 outside 1 … 3).
FractionExercise SelectedFractionExercise();

// The kind's number as selFractionExercise holds it (1 … 7).
int KindNumber(ExerciseKind kind);

// "Übungsbeispiele: Bruchterme – Kürzen", … with " (Stufe n)" for kinds 4, 5, 6 and 7.
Text Caption(const FractionExercise& exercise);

// The instruction when a pass starts (lines separated by "\n").
Text Instruction(ExerciseKind kind);

// The instruction shown again when the learner changes a field: the kind's instruction, in
// slightly other words for cancelling and multiplying.
Text ChangeInstruction(ExerciseKind kind);

// Cancelling, multiplying and dividing are answered as a fraction: a numerator and a
// denominator field checked by the row's "Prüfen". The other kinds have one field, judged
// when the learner leaves it.
bool HasFractionAnswer(ExerciseKind kind);
// 2 for a fraction answer, else 1.
int AnswerFieldCount(ExerciseKind kind);

// The characters the answer fields of the item let through besides Backspace, by kind,
// level and the item's variant and letters. A "–" among them lets a typed "-" through as "–".
Text AcceptedKeys(const FractionExercise& exercise, const TBruchM& item);

// The text each field of the item's row expects, in input form: the numerator and the
// denominator of Antwort for a fraction answer, else Loesung without "·" and blanks.
std::vector<Text> ExpectedFieldTexts(ExerciseKind kind, const TBruchM& item);

// Whether the learner's texts (one per field of the row) are right: the domain's values in
// either order, a fraction as numerator "/" denominator against Antwort, every other answer
// against Loesung without "·" and blanks. Too few texts are never right.
bool IsRightAnswer(ExerciseKind kind, const TBruchM& item, const std::vector<Text>& typed);

// The task of dividing by a monomial as its row shows it: ‹(dividend) : divisor = ›.
Text MonomialDivisionTask(const TBruchM& item);

// The operator and the second fraction of a product row: multiplying shows Op1 and Text[2]
// over Text[6]; dividing shows ":" and the second fraction upside down, Text[6] over Text[2]
// (the solution is the product's).
struct SecondFraction {
  Text op;
  Text numerator;
  Text denominator;
};
SecondFraction SecondFactor(ExerciseKind kind, const TBruchM& item);

// The solution quoted after the second wrong answer: Loesung with two-digit exponents as the
// learner types them (JoinExponentDigits).
Text SolutionText(const TBruchM& item);

}  // namespace fractions
}  // namespace kalkora

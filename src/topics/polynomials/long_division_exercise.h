#pragma once
// What the long-division exercise shows and decides besides drawing: its caption and
// instructions, the message for an empty field, the keys and lengths of its fields, and the
// division as the learner carries it out, one answer after the other, each judged by the
// rules of the practice run (two attempts, half a point for a right second answer).
//
// A run has three divisions, one per pass. A division ends with its last answer; only a
// finished division moves the run on to the next pass, while "Weiter" may replace an
// unfinished one at any moment without cost.

#include <optional>
#include <vector>

#include "base/text.h"
#include "practice/practice_run.h"
#include "topics/fractions/long_division_steps.h"

namespace kalkora::long_division_exercise {

// "Übungsbeispiele: Bruchterme – Dividieren durch mehrgliedrige Terme ohne Rest (Stufe 2)",
// "… mit Rest (Stufe 3)": level 3 with a remainder, every other level without.
Text Caption(int level);

// The instruction when a division is shown.
Text Instruction();
// The instruction while the learner types (lines separated by "\n").
Text InstructionWhileTyping();

// The information box for a field left empty.
Text EmptyFieldMessage();

// The characters the fields accept besides Backspace: the division's letter (exactly, in its
// case), the digits, "+", "–" and "^".
Text AcceptedKeys(char16_t letter);

// How many characters a field holds: a quotient term 5, a line 20.
int FieldLength(const fractions::DivisionStep& step);

// The division as the learner works through it: the answer asked now (DivSchritt) and, for
// every answer, whether it was answered right or shown after two wrong answers, with the
// learner's last text.
class DivisionProgress {
 public:
  enum class State { Open, Right, Shown };

  DivisionProgress() = default;
  explicit DivisionProgress(fractions::WrittenDivision division);

  const fractions::WrittenDivision& division() const { return division_; }
  int stepCount() const { return static_cast<int>(division_.steps.size()); }
  // The step numbered 1 … stepCount(), in the order asked.
  const fractions::DivisionStep& step(int number) const;

  // DivSchritt: the number of the answer asked now; stepCount() + 1 once the division is done.
  int current() const { return current_; }
  bool finished() const { return current_ > stepCount(); }
  // The step asked now; null once the division is finished.
  const fractions::DivisionStep* currentStep() const;

  State state(int number) const;
  bool done(int number) const { return state(number) != State::Open; }
  // The learner's text of a done step.
  const Text& typed(int number) const;

  // Judges the learner's text for the step asked now (as the practice run counts: attempts,
  // points, Versuch) and, when the verdict is final, records it and asks the next step.
  // An empty text, or a finished division, judges and counts nothing.
  std::optional<practice::Verdict> answer(TextView typed);

 private:
  struct Answered {
    State state = State::Open;
    Text typed;
  };

  fractions::WrittenDivision division_;
  std::vector<Answered> answered_;
  int current_ = 1;
};

// After the last answer of a division: when the run has another pass, Durchgang moves on to
// it and the result is true ("Weiter" shows the next division); after the run's last pass it
// is false ("Auswertung").
bool NextDivisionFollows();

// "Weiter" in the middle of a division replaces it without cost: a first wrong answer of the
// replaced division does not make the new division's first answer a second attempt.
void ReplaceDivision();

}  // namespace kalkora::long_division_exercise

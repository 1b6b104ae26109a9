#pragma once
// The rules of a practice run, shared by every exercise window: the counters, what a judged
// answer does to them and to its item, and the texts shown to the learner. The windows apply
// these rules; they never count on their own.

#include "base/text.h"

namespace kalkora::practice {

// One set of counters serves all exercise windows; each window resets it when a run starts.
inline int Versuch = 1;      // the attempt the next judged answer is: 1 or 2, for the window
inline int AktVersuche = 0;  // answers judged in this pass
inline float AktPunkte = 0;  // points of this pass
inline int Versuche = 0;     // answers judged in the whole run
inline float Punkte = 0;     // points of the whole run
inline int Durchgang = 1;    // the current pass
inline int Durchgaenge = 3;  // passes per run

// Counters as at the start of a practice run (pass 1 of 3, nothing judged).
void StartPracticeRun();
// Counters for the next pass: Durchgang + 1, the pass counters back to 0.
void StartNextPass();

enum class Verdict {
  RightFirst,   // 1 point; the item is right
  RightSecond,  // 0.5 points; the item is right
  WrongFirst,   // no point; the learner may correct the answer once
  WrongSecond,  // no point; the solution is shown
};

// Judges one answer and updates the counters: every judged answer counts as an attempt, a
// right first answer earns 1 point, a right second answer 0.5, and `Versuch` moves between
// 1 and 2 for the whole window.
Verdict JudgeAnswer(bool right);

// True when the answer is final for its item (the field closes): all but a first wrong answer.
inline bool IsFinal(Verdict verdict) { return verdict != Verdict::WrongFirst; }

// Sets the item flags for a verdict: Richtig after a right answer, Gezeigt after the second
// wrong one. Works for every item record with the fields Richtig and Gezeigt.
template <typename Item>
void ApplyVerdict(Item& item, Verdict verdict) {
  switch (verdict) {
    case Verdict::RightFirst:
    case Verdict::RightSecond: item.Richtig = true; break;
    case Verdict::WrongSecond:
      item.Richtig = false;
      item.Gezeigt = true;
      break;
    case Verdict::WrongFirst: break;
  }
}

// The colour the instruction label takes for a message.
enum class MessageColour { Brown, Violet, Rose };

struct Message {
  Text text;  // lines separated by "\n"
  MessageColour colour;
};

// The feedback after a verdict. After the second wrong answer it quotes `solution` when one is
// given; without one (the window shows the expected text itself) it only asks to compare.
Message FeedbackMessage(Verdict verdict, TextView solution = {});

// "Es fehlt noch 1 Eintrag!" / "Es fehlen noch n Einträge!"
Text MissingEntriesMessage(int missing);

// The instructions of the windows that ask for numbers or for terms.
Text InstructionNumbers();
Text InstructionTerms();

// "1 / 3": Durchgang / Durchgaenge.
Text PassLabel();

}  // namespace kalkora::practice

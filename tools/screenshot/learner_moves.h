#pragma once
// The learner's basic moves at an exercise window, shared by the screenshot scenes.

#include <QWidget>
#include <functional>
#include <vector>

#include "base/text.h"
#include "practice/exercise_window.h"

namespace kalkora::screenshot {

// Lets the posted events (focus changes, repaints) run.
void Settle();

// Types into the field of item i and presses Enter, which moves on and so judges the field.
void Answer(ExerciseWindow& window, int i, const Text& text);

// Types the texts into the fields of item i, one per field, and presses the row's "Prüfen".
void CheckRow(ExerciseWindow& window, int i, const std::vector<Text>& texts);

// Makes the shown exercise window the active one and returns it.
ExerciseWindow& Activated(QWidget& shown);

// The moves of every state: item 1 right, item 2 right at the second attempt, item 3 wrong
// twice (solution shown, wrong text in rose), item 4 wrong once (waiting for the correction),
// item 5 open. `wrongAnswer(i, k)` is the k-th wrong answer (k = 1, 2) to item i.
void AnswerInEveryState(QWidget& shown, const std::function<Text(int)>& rightAnswer,
                        const std::function<Text(int, int)>& wrongAnswer);

}  // namespace kalkora::screenshot

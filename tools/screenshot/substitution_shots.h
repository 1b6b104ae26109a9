#pragma once
// Learner's moves in the substitution exercise, for the screenshots.

#include <QWidget>

namespace kalkora::screenshot {

// Brings the five items of an open substitution window into every state: item 1 right,
// item 2 right at the second attempt, item 3 wrong twice (solution shown, wrong text in rose),
// item 4 wrong once (waiting for the correction), item 5 open.
void AnswerSubstitutionItemsInEveryState(QWidget& window);

// Plays three passes (12 right first answers, 3 items wrong twice), presses "Auswertung" and
// lets the count-up run to its end. Returns the evaluation window.
QWidget* PlaySubstitutionRunToEvaluation(QWidget& window);

}  // namespace kalkora::screenshot

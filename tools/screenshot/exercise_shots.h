#pragma once
// Learner's moves in the exercise and worked-example windows, for the screenshots.

#include <QWidget>
#include <functional>

namespace kalkora::screenshot {

// Brings the five items of an open polynomial (or power) exercise window into every state:
// item 1 right, item 2 right at the second attempt, item 3 wrong twice (solution shown, wrong
// text in rose), item 4 wrong once (waiting for the correction), item 5 open.
void AnswerPolynomialItemsInEveryState(QWidget& window);
void AnswerPowerItemsInEveryState(QWidget& window);
void AnswerLikeTermItemsInEveryState(QWidget& window);

// The completion exercise: item 1 right, item 2 right at the second check, item 3 wrong twice
// in its last gap (the right gaps in violet), item 4 wrong twice in every gap (the learner's
// texts alternating in rose and olive), item 5 wrong once.
void AnswerCompletionItemsInEveryState(QWidget& window);
// Starts a new run of the open completion window with the widest formulas of the level (the
// largest numbers and exponents, the letters m and w), optionally answered as above.
std::function<void(QWidget& window)> WidestCompletionRows(int level, bool answered);

// Picks a level in the radio group of an open worked-example window.
std::function<void(QWidget& window)> ChooseExampleLevel(int level);
// Picks the level, then presses "Weitere Beispiele" until `shown` holds (at most 2000 times).
std::function<void(QWidget& window)> LevelAndMoreUntilShown(int level, std::function<bool()> shown);

}  // namespace kalkora::screenshot

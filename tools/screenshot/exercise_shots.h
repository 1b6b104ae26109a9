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

// Picks a level in the radio group of an open worked-example window.
std::function<void(QWidget& window)> ChooseExampleLevel(int level);

}  // namespace kalkora::screenshot

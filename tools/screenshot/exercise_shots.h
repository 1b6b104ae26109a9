#pragma once
// Learner's moves in the polynomial and power exercises, for the screenshots.

#include <QWidget>

namespace kalkora::screenshot {

// Brings the five items of an open polynomial (or power) exercise window into every state:
// item 1 right, item 2 right at the second attempt, item 3 wrong twice (solution shown, wrong
// text in rose), item 4 wrong once (waiting for the correction), item 5 open.
void AnswerPolynomialItemsInEveryState(QWidget& window);
void AnswerPowerItemsInEveryState(QWidget& window);

}  // namespace kalkora::screenshot

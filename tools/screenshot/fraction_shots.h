#pragma once
// The fraction exercise window in the screenshots: each kind and level opened, and answered.

#include <vector>

#include "shots.h"

namespace kalkora::screenshot {

// Brings the three items of an open fraction exercise window into the answered states:
// item 1 right, item 2 wrong twice (solution shown, the learner's text in rose), item 3 wrong
// once (waiting for the correction).
void AnswerFractionItems(QWidget& window);

// Every kind and level of the fraction exercise, open and answered.
std::vector<Shot> FractionExerciseShots();

}  // namespace kalkora::screenshot

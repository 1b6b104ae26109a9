#pragma once
// The pictures of the polynomial worked examples: the generated examples of every kind at every
// level, and the first, a middle and the last step of each step-by-step display (kinds 3 and 5
// at every level, as their steps differ by level).

#include <vector>

#include "shots.h"

namespace kalkora::screenshot {

std::vector<Shot> PolynomialExampleShots();

}  // namespace kalkora::screenshot

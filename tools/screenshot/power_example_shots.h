#pragma once
// The pictures of the worked examples of the power rules: every rule at every level, and the
// forms that only some items have (each division presentation, a quotient whose denominator
// cancels, sums whose leading or all terms cancel).

#include <vector>

#include "shots.h"

namespace kalkora::screenshot {

std::vector<Shot> PowerExampleShots();

}  // namespace kalkora::screenshot

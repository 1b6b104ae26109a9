#pragma once
// The exercise of dividing and raising powers in each mode and level: open, every row answered
// right, and the rows in every state.

#include <vector>

#include "shots.h"

namespace kalkora::screenshot {

std::vector<Shot> DivideRaiseShots();

}  // namespace kalkora::screenshot

#pragma once
// The long-division exercise at both levels, for the screenshots: at the start, in the middle,
// finished, and with lines answered wrong twice.

#include <vector>

#include "shots.h"

namespace kalkora::screenshot {

std::vector<Shot> DivisionShots();

}  // namespace kalkora::screenshot

#pragma once
// The pictures of the unlike-denominator exercise: every level at every stage (answered right,
// a stage wrong twice, a stage right at the second attempt), the finished item answered right
// and answered wrong twice everywhere, every variant finished wrong, also with the longest
// texts the fields take (the widest drawing), and a result that cancels (two result fields).

#include <vector>

#include "shots.h"

namespace kalkora::screenshot {

std::vector<Shot> UnlikeShots();

}  // namespace kalkora::screenshot

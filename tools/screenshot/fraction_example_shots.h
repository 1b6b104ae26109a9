#pragma once
// The pictures of the fraction worked examples: every topic at every level (the stepwise pages
// show only their heading so far), and forms that only some examples have.

#include <vector>

#include "shots.h"

namespace kalkora::screenshot {

std::vector<Shot> FractionExampleShots();

}  // namespace kalkora::screenshot

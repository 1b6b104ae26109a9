#pragma once
// The dialog "Arbeitsblatt erstellen" and printed worksheet pages, for the screenshots: the
// dialog with a choice made, and the first page of the tasks and of the key of the kinds whose
// tasks are drawn in the most different ways (stacked fractions, the domain line, gaps,
// powers of fractions, the written division), as the PDF has them.

#include <vector>

#include "shots.h"

namespace kalkora::screenshot {

std::vector<Shot> WorksheetShots();

}  // namespace kalkora::screenshot

#pragma once
// What the power generators share: a fresh record, the letters of an item, and the display
// form and answer written from the markup.

#include <vector>

#include "base/text.h"
#include "topics/powers/power_record.h"

namespace kalkora::powers {

// Item `item` of Potenzen with every field cleared except the practice-run flags; the letters
// are blanks.
TPotenz& FreshItem(int item);

// Buchst[1 …] := letters; the rest stay blanks.
void SetLetters(TPotenz& record, const std::vector<char16_t>& letters);

// `count` random letters, all redrawn until they are pairwise different.
std::vector<char16_t> DistinctLetters(int count);

// The task's display form (Text[4]), Loesung and Antwort from the task and solution markup.
void WriteDisplayAndAnswer(TPotenz& record, TextView taskMarkup, TextView solutionMarkup);

}  // namespace kalkora::powers

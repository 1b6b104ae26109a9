#pragma once
// A worksheet: tasks of one exercise kind and level, made by the exercise's own generators
// from a seed, so that the same seed makes the same sheet again. The tasks on one sheet are
// different from each other wherever the kind has enough of them.

#include <cstdint>
#include <vector>

#include "base/text.h"
#include "worksheet/formula.h"
#include "worksheet/worksheet_kinds.h"

namespace kalkora::worksheet {

inline constexpr int kFewestTasks = 5;
inline constexpr int kMostTasks = 40;

struct WorksheetRequest {
  const WorksheetKind* kind = nullptr;  // never null when a sheet is made
  int level = 1;                        // 1 … kind->levels
  int count = 10;                       // kFewestTasks … kMostTasks
  std::uint32_t seed = 1;
  Text title;  // the title line; empty: the kind's caption
  bool withKey = true;
};

struct Worksheet {
  Text title;
  Text instruction;
  std::uint32_t seed = 0;
  bool withKey = true;
  double workingLines = 1;     // room under each task, in lines of handwriting
  std::vector<Formula> tasks;  // in the order of their numbers
};

// Makes the sheet. The random source of the program is left where it was: the windows go on
// drawing as if no sheet had been made.
Worksheet MakeWorksheet(const WorksheetRequest& request);

// A seed for a new sheet when none is given: from the clock, at most six digits, so that a
// teacher can note it down.
std::uint32_t NewSeed();

// The task as it stands on the sheet, its solution left out: two tasks with the same text are
// the same task.
Text TaskText(const Formula& task);

}  // namespace kalkora::worksheet

#pragma once
// The exercise kinds a worksheet can be made of: every kind of the exercise menus, with the
// name the command line knows it by, its place in the menus, its levels, the instruction
// printed over the tasks and the room a student needs to work one task out.

#include <span>
#include <string_view>

#include "base/text.h"
#include "worksheet/formula.h"

namespace kalkora::worksheet {

struct WorksheetKind {
  std::string_view id;  // "terme-einsetzen": the name on the command line
  TextView topic;       // "Terme", "Potenzen", "Bruchterme"
  TextView name;        // the menu item: "Einsetzen", "Formeln für Binome", …
  int levels = 3;       // 3, or 1 for the kinds the menu opens without a level
  // The instruction over the tasks at a level (1 … levels).
  Text (*instruction)(int level) = nullptr;
  // The room under a task for the student's working, in lines of handwriting.
  double (*workingLines)(int level) = nullptr;
  // Makes one task at a level (1 … levels) with the kind's generator.
  Formula (*makeTask)(int level) = nullptr;
};

// Every kind, in the order of the menus: Terme, Potenzen, Bruchterme.
std::span<const WorksheetKind> WorksheetKinds();

// The kind of this command-line name, or null.
const WorksheetKind* FindWorksheetKind(std::string_view id);

// "Terme – Einsetzen (Stufe 2)"; kinds of one level without the level.
Text WorksheetCaption(const WorksheetKind& kind, int level);

}  // namespace kalkora::worksheet

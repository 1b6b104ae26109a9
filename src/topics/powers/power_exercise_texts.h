#pragma once
// What the exercise window of multiplying and adding/subtracting powers shows per mode and
// level: caption, instruction, hint, where the rows start, and which generator makes the items.

#include "base/text.h"
#include "topics/powers/power_generators.h"

namespace kalkora::powers {

enum class PowerExerciseMode { Multiply, AddSub };

struct PowerExercise {
  PowerExerciseMode mode = PowerExerciseMode::Multiply;
  int level = 1;  // 1 … 3
};

// The exercise the main window chose: multiplication when selPowerMultLevel is non-zero,
// otherwise addition/subtraction at selPowerAddSubLevel (a level outside 1 … 3 counts as the
// nearest one).
PowerExercise SelectedPowerExercise();

// "Übungsbeispiele Potenzen – Multiplizieren (Stufe 1)", …
Text PowerExerciseCaption(const PowerExercise& exercise);
// The instruction in the label (lines separated by "\n").
Text PowerExerciseInstruction(const PowerExercise& exercise);
// The purple hint under the items, as markup ("$…$").
Text PowerExerciseHint(const PowerExercise& exercise);
// The page x where every row starts.
double PowerExerciseRowX(const PowerExercise& exercise);
// GenMultiply1 … GenAddSub3.
PowerGenerator PowerExerciseGenerator(const PowerExercise& exercise);

}  // namespace kalkora::powers

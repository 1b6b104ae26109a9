#include "topics/powers/power_exercise_texts.h"

#include <algorithm>

#include "base/selection.h"
#include "base/shared_functions.h"

namespace kalkora::powers {

PowerExercise SelectedPowerExercise() {
  if (selection::selPowerMultLevel != 0) {
    return {PowerExerciseMode::Multiply, std::clamp(selection::selPowerMultLevel, 1, 3)};
  }
  return {PowerExerciseMode::AddSub, std::clamp(selection::selPowerAddSubLevel, 1, 3)};
}

Text PowerExerciseCaption(const PowerExercise& exercise) {
  Text caption = exercise.mode == PowerExerciseMode::Multiply
                     ? Text(u"Übungsbeispiele Potenzen – Multiplizieren")
                     : Text(u"Übungsbeispiele Potenzen – Addieren und Subtrahieren");
  return caption.append(u" (Stufe ").append(IntText(exercise.level)).append(u")");
}

Text PowerExerciseInstruction(const PowerExercise& exercise) {
  const Text first = exercise.mode == PowerExerciseMode::Multiply
                         ? Text(u"Gib die jeweiligen Potenzen ohne Multiplikationszeichen ein")
                         : Text(u"Gib den jeweiligen Term ohne Multiplikationszeichen ein");
  return Text(first).append(u"\nDrücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!");
}

Text PowerExerciseHint(const PowerExercise& exercise) {
  if (exercise.mode == PowerExerciseMode::Multiply) {
    switch (exercise.level) {
      case 1: return u"$Gib das Ergebnis alphabetisch aufsteigend sortiert ein.$";
      case 2: return u"$Gib das Ergebnis ein (Zahlen zuerst).$";
      default: return u"$Gib das Ergebnis alphabetisch aufsteigend sortiert ein (Zahlen zuerst).$";
    }
  }
  if (exercise.level == 1) return u"$Ermittle das Ergebnis (Zahlen zuerst).$";
  return u"$Ordne das Ergebnis nach fallenden Potenzen.$";
}

double PowerExerciseRowX(const PowerExercise& exercise) {
  if (exercise.mode == PowerExerciseMode::Multiply || exercise.level == 1) return -10;
  return exercise.level == 2 ? -35 : -37;
}

PowerGenerator PowerExerciseGenerator(const PowerExercise& exercise) {
  return GeneratorFor(
      exercise.mode == PowerExerciseMode::Multiply ? PowerKind::Multiply : PowerKind::AddSub,
      exercise.level);
}

}  // namespace kalkora::powers

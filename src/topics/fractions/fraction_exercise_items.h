#pragma once
// The items of one pass of the fraction exercise window: the entry point of the exercise
// kind (selFractionExercise) and level fills the item, which then starts open.

namespace kalkora::fractions {

// Number of items the fraction exercise window shows per pass.
inline constexpr int kExerciseItems = 3;

// Fills Bruch[index] by the entry point of the kind (1 DefmengeU, 2 KuerzenU, 3 KgvU,
// 4 AddSubGleichU, 5 and 6 MultDivU1/2/3 by level, 7 TermDivU1), then sets Aktiv and clears
// Richtig and Gezeigt. A kind outside 1 … 7 leaves the item as it is; a level outside 1 … 3
// counts as 1.
void PrepareExerciseItem(int kind, int level, int index);

}  // namespace kalkora::fractions

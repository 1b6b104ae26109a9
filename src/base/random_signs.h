#pragma once
// Vz: the random signs shared by the power, polynomial and fraction generators, indexed 1 … 9.

#include "base/one_based_array.h"

namespace kalkora {

inline OneBasedArray<char16_t, 9> Vz;

// Redraws Vz[1 … count] (count clamped to 0 … 9): each "+" or `minus` with equal chance.
// The generators say whether their minus is "-" or "–".
void DrawRandomSigns(int count, char16_t minus);

}  // namespace kalkora

#pragma once
// The tasks of the unlike-denominator exercise's variants at each level, shared with the
// worked examples, which offer them among their own. Each draws its numbers (and signs from
// Vz) for the letters x and y and gives a task that is not degenerate.

#include "topics/fractions/unlike_denominators_task.h"

namespace kalkora::fractions {

UnlikeTask Level1Task(int variante, char16_t x, char16_t y);  // variants 1 … 4
UnlikeTask Level2Task(int variante, char16_t x, char16_t y);  // variants 1 … 3
UnlikeTask Level3Task(int variante, char16_t x, char16_t y);  // variants 1 … 3

// Which letters an item may have: any at Stufe 1 and 2; at Stufe 3 never "m" or "w" (the
// widest letters would crowd its lines).
bool AnyLetters(char16_t x, char16_t y);
bool NeitherMNorW(char16_t x, char16_t y);

}  // namespace kalkora::fractions

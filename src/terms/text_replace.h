#pragma once
// Pattern replacement shared by the notation operations.

#include "base/text.h"

namespace kalkora {

// Replaces the leftmost occurrence of pattern by replacement, again and again, until the
// pattern no longer occurs (a replacement can form a new occurrence with the characters
// before it). The replacement must be shorter than the pattern, so that the text shrinks
// with every step and the loop ends; otherwise the text is left as it is.
void ReplaceLeftmostUntilGone(Text& text, TextView pattern, TextView replacement);

// Every occurrence of ch replaced by replacement, in one pass from left to right.
Text ReplaceEachChar(TextView text, char16_t ch, TextView replacement);

}  // namespace kalkora

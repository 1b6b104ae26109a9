#pragma once
// The texts of a like-term item as the windows write them.

#include <vector>

#include "base/text.h"
#include "topics/terms/term_record.h"

namespace kalkora::terms_topic {

// The task followed by " = ": what stands before the answer field, ‹4·a – 7·b + 2·a – 3·b = ›.
Text LikeTermAnswerPrefix(const TTerm& item);

// The lines of a worked example, with the letters (or at Stufe 1 the result's digits) marked:
// at Stufe 1 the sum with digits, ‹5 + 3 – 3 + 5 – 5 = 1·#5#›, over the same with letters,
// ‹a + b – b + a – a = 1·#a#›; at Stufe 2 and 3 only the line with letters.
std::vector<Text> LikeTermExampleLines(const TTerm& item, int level);

}  // namespace kalkora::terms_topic

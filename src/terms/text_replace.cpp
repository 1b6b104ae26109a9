#include "terms/text_replace.h"

namespace kalkora {

void ReplaceLeftmostUntilGone(Text& text, TextView pattern, TextView replacement) {
  if (pattern.empty() || replacement.size() >= pattern.size()) return;
  // Before the place of the last replacement there was no occurrence, and the characters
  // there did not change, so the next leftmost occurrence starts at most pattern.size() − 1
  // characters before that place: the search restarts there, not at the beginning.
  std::size_t from = 0;
  for (;;) {
    const auto at = text.find(pattern, from);
    if (at == Text::npos) return;
    text.replace(at, pattern.size(), replacement);
    from = at >= pattern.size() - 1 ? at - (pattern.size() - 1) : 0;
  }
}

Text ReplaceEachChar(TextView text, char16_t ch, TextView replacement) {
  Text result;
  result.reserve(text.size());
  for (char16_t c : text) {
    if (c == ch) {
      result.append(replacement);
    } else {
      result.push_back(c);
    }
  }
  return result;
}

}  // namespace kalkora

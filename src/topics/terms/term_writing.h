#pragma once
// Writing a term from its pieces: numbers in decimal with "-" before negative ones, single
// characters (letters, signs) and fixed texts, e.g. Write(3, u'*', u'a', u" - (", -2, u"*b)")
// gives ‹3*a - (-2*b)›.

#include "base/shared_functions.h"
#include "base/text.h"

namespace kalkora::term_writing {

inline void AppendPiece(Text& text, int number) { text += IntText(number); }
inline void AppendPiece(Text& text, char16_t character) { text += character; }
inline void AppendPiece(Text& text, TextView piece) { text += piece; }
inline void AppendPiece(Text& text, const char16_t* piece) { text += piece; }

template <typename... Pieces>
Text Write(const Pieces&... pieces) {
  Text text;
  (AppendPiece(text, pieces), ...);
  return text;
}

}  // namespace kalkora::term_writing

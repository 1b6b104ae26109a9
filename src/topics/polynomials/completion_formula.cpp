#include "topics/polynomials/completion_formula.h"

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/term_letters.h"
#include "topics/polynomials/polynomial_writing.h"

namespace kalkora {

namespace {

bool IsGapMarker(char16_t c) {
  return c == polynomials::kMark1 || c == polynomials::kMark2 || c == polynomials::kMark3;
}

// Two different numbers 2 … highest, both drawn again until they differ.
void DrawDifferentNumbers(CompletionValues& values, int highest) {
  RedrawUntil([&] {
    values.a = 2 + Random(highest - 1);
    values.b = 2 + Random(highest - 1);
    return values.a != values.b;
  });
}

// The gap that starts with the marker at `open`, written as "?" in its markers; `close` is the
// place of the closing marker (the end of the template when there is none).
Text QuestionMarkGap(TextView formula, std::size_t open, std::size_t close) {
  const bool wholeBracket = open > 0 && formula[open - 1] == u'(' && close + 1 < formula.size() &&
                            formula[close + 1] == u')';
  const Text padding = wholeBracket ? Text(4, u' ') : Text{};
  return padding + Marked(formula[open], u"?") + padding;
}

}  // namespace

CompletionValues DrawCompletionValues(int level) {
  CompletionValues values;
  if (level == 2 || level == 3) {
    const auto letters = DrawLetters(2);
    values.x = letters[1];
    values.y = letters[2];
  } else {
    values.x = RandomLetter();
    values.y = 0;
  }
  DrawDifferentNumbers(values, level == 3 ? 11 : 13);
  if (level == 3) {
    values.m = 1 + Random(3);
    values.n = 1 + Random(3);
  }
  return values;
}

Text FillCompletionFormula(TextView formula, const CompletionValues& values, GapContent gaps) {
  Text text;
  for (std::size_t k = 0; k < formula.size(); ++k) {
    const char16_t c = formula[k];
    if (gaps == GapContent::QuestionMark && IsGapMarker(c)) {
      std::size_t close = formula.find(c, k + 1);
      if (close == TextView::npos) close = formula.size();
      text += QuestionMarkGap(formula, k, close);
      k = close;
      continue;
    }
    switch (c) {
      case u'a': text += IntText(values.a); break;
      case u'b': text += IntText(values.b); break;
      case u'P': text += IntText(values.a * values.a); break;
      case u'Q': text += IntText(values.b * values.b); break;
      case u'M': text += IntText(2 * values.a * values.b); break;
      case u'x':
      case u'y': {
        int exponent = c == u'x' ? values.m : values.n;
        if (formula.substr(k + 1, 2) == u"^2") {
          exponent *= 2;
          k += 2;
        }
        text += Power(c == u'x' ? values.x : values.y, exponent);
        break;
      }
      default: text += c; break;
    }
  }
  return text;
}

}  // namespace kalkora

#include "terms/like_terms.h"

#include <cstdint>
#include <optional>
#include <string>

#include "base/shared_functions.h"
#include "terms/evaluate_term_text.h"
#include "terms/term_forms.h"
#include "terms/term_letters.h"
#include "terms/text_replace.h"

namespace kalkora {
namespace {

Text differenceText(const std::optional<int>& value, const std::optional<int>& base) {
  if (!value || !base) return Text{};
  const std::string digits = std::to_string(static_cast<std::int64_t>(*value) - *base);
  return Text(digits.begin(), digits.end());
}

}  // namespace

Coefficients ReadCoefficients(TextView term, char16_t letter1, char16_t letter2) {
  const Text t = RemoveChar(term, u' ');
  const auto valueAt = [&](int value1, int value2) {
    return EvaluateTermText(SubstituteLetters(t, letter1, letter2, value1, value2), letter1, 0);
  };
  Coefficients result;
  result.constant = valueAt(0, 0);
  const Text value1 = valueAt(1, 0);
  const Text value2 = valueAt(0, 1);
  const std::optional<int> constant = TextInt(result.constant);
  result.coef1 = differenceText(TextInt(value1), constant);
  result.coef2 = differenceText(TextInt(value2), constant);
  return result;
}

Text LikeTermSolution(int coef1, int coef2, char16_t letter1, char16_t letter2, bool oneLetter) {
  const Text first = Text{u'#', letter1, u'#'};
  const Text second = Text{u'_', letter2, u'_'};
  Text solution;
  if (oneLetter) {
    if (coef1 == 0) {
      solution = u"0";
    } else if (coef1 == 1) {
      solution = first;
    } else if (coef1 == -1) {
      solution = u"–" + first;
    } else {
      solution = IntText(coef1) + u"·" + first;
    }
  } else if (coef1 == 0 && coef2 == 0) {
    solution = u"0";
  } else if (coef1 == 0) {
    solution = IntText(coef2) + u"·" + second;
  } else if (coef2 == 0) {
    solution = IntText(coef1) + u"·" + first;
  } else {
    solution = IntText(coef1) + u"·" + first + u" + " + IntText(coef2) + u"·" + second;
  }
  return ToDisplayForm(MergeSignPairs(solution));
}

CleanedSolution CleanSolution(TextView marked) {
  CleanedSolution result;
  result.shown = RemoveChar(RemoveChar(marked, u'#'), u'_');
  ReplaceLeftmostUntilGone(result.shown, u" 1·", u" ");
  if (result.shown.starts_with(u"1·")) {
    result.shown.erase(0, 2);
  } else if (result.shown.starts_with(u"–1·")) {
    result.shown.erase(1, 2);
  }
  result.answer = RemoveChar(RemoveChar(result.shown, u' '), u'·');
  return result;
}

}  // namespace kalkora

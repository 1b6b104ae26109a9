#include "topics/powers/power_text.h"

#include <cstdlib>

#include "base/shared_functions.h"
#include "terms/term_exponents.h"

namespace kalkora::powers {

Text ExponentMarkup(int exponent) {
  const Text digits = IntText(exponent);
  Text markup;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0) markup.push_back(u'^');
    markup.push_back(digits[i]);
  }
  return markup;
}

Text PowerMarkup(char16_t letter, int exponent) {
  Text power(1, letter);
  if (exponent != 1) power.append(u"^").append(ExponentMarkup(exponent));
  return power;
}

Text Marked(TextView text, char16_t marker) {
  Text marked(1, marker);
  marked.append(text);
  marked.push_back(marker);
  return marked;
}

Text WithoutChars(TextView text, TextView chars) {
  Text result;
  result.reserve(text.size());
  for (const char16_t ch : text) {
    if (chars.find(ch) == TextView::npos) result.push_back(ch);
  }
  return result;
}

Text DisplayForm(TextView markup) { return WithoutChars(markup, TextView(kMarkers, 5)); }

Text AnswerForm(TextView display) { return JoinExponentDigits(WithoutChars(display, u" ·")); }

Text CoefficientTimes(int coefficient, TextView term) {
  if (coefficient == 1) return Text(term);
  return IntText(coefficient).append(u"·").append(term);
}

Text SignJoint(char16_t sign) { return sign == u'+' ? Text(u" + ") : Text(u" – "); }

Text JoinFactors(const std::vector<Text>& factors) {
  Text joined;
  for (std::size_t i = 0; i < factors.size(); ++i) {
    if (i > 0) joined.push_back(u'·');
    joined.append(factors[i]);
  }
  return joined;
}

Text CollectedSum(const std::vector<Summand>& summands) {
  Text sum;
  for (const Summand& summand : summands) {
    if (summand.coefficient == 0) continue;
    const bool negative = summand.coefficient < 0;
    if (sum.empty()) {
      if (negative) sum.push_back(u'–');
    } else {
      sum.append(SignJoint(negative ? u'–' : u'+'));
    }
    const int size = std::abs(summand.coefficient);
    sum.append(summand.power.empty() ? IntText(size) : CoefficientTimes(size, summand.power));
  }
  return sum.empty() ? Text(u"0") : sum;
}

}  // namespace kalkora::powers

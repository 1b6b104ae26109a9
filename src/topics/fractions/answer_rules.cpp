#include "topics/fractions/answer_rules.h"

#include "base/shared_functions.h"

namespace kalkora::fractions {

Text ExpectedOneFieldText(TextView loesung) { return RemoveChar(RemoveChar(loesung, u'·'), u' '); }

bool IsRightOneFieldAnswer(TextView typed, TextView loesung) {
  return typed == ExpectedOneFieldText(loesung);
}

bool IsRightDomainAnswer(TextView typed, TextView loesung) {
  const Text answer = RemoveChar(typed, u'·');
  const Text expected = ExpectedOneFieldText(loesung);
  if (answer == expected) return true;
  const auto comma = expected.find(u',');
  if (comma == Text::npos) return false;
  Text exchanged = expected.substr(comma + 1);
  exchanged += u',';
  exchanged += expected.substr(0, comma);
  return answer == exchanged;
}

bool IsRightFractionAnswer(TextView numerator, TextView denominator, TextView antwort) {
  Text answer{numerator};
  answer += u'/';
  answer += denominator;
  return answer == antwort;
}

}  // namespace kalkora::fractions

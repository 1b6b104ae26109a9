#include "practice/evaluation.h"

#include <cmath>

namespace kalkora::practice {

int Prozent(float points, int attempts) {
  if (attempts <= 0 || !std::isfinite(points) || points <= 0) return 0;
  // Points are whole and half points: the percentage is the exact fraction
  // halfPoints · 100 / (2 · attempts), rounded with halves to the even neighbour, so that
  // 0.5 points in 20 attempts (exactly 2.5 %) give 2 whatever the float rounding.
  const long long halfPoints = std::llround(static_cast<double>(points) * 2.0);
  const long long numerator = halfPoints * 100;
  const long long denominator = 2LL * attempts;
  long long quotient = numerator / denominator;
  const long long twiceRemainder = 2 * (numerator % denominator);
  if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0)) {
    ++quotient;
  }
  return static_cast<int>(quotient);
}

float ShareAtStep(int step, int prozent, float points, int attempts) {
  if (prozent <= 0 || attempts <= 0) return 0.0f;
  return static_cast<float>(step) / static_cast<float>(prozent) *
         (points / static_cast<float>(attempts));
}

Text RatingSentence(int prozent) {
  if (prozent <= 30) return u"Du musst noch sehr viel üben!";
  if (prozent <= 50) return u"Du solltest noch viel üben!";
  if (prozent <= 65) return u"Nicht schlecht, aber du solltest noch etwas üben!";
  if (prozent <= 75) return u"Du bist schon recht gut. Ein wenig Übung wäre aber günstig.";
  if (prozent <= 90)
    return u"Du bist schon sehr gut, aber noch nicht Spitze!\nÜbe noch etwas weiter.";
  if (prozent <= 99) return u"Du bist schon fast perfekt!\nDu gehörst schon zu den Profis.";
  return u"Sehr gut! Du bist ein Termprofi.";
}

}  // namespace kalkora::practice

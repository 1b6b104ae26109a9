#pragma once
// The page of the fraction worked examples apart from the examples themselves: caption,
// heading and instruction of each topic, the example labels, the note of the cancelling page,
// and what PrepareExamples sets up for a topic and level (how many examples, which buttons,
// which builder).

#include <vector>

#include "base/text.h"

namespace kalkora::fractions {

// Topics 1 … 8 as selFractionExample numbers them: 1 domain, 2 cancelling, 3 least common
// multiple, 4 like and 5 unlike denominators, 6 multiplying, 7 dividing, 8 dividing by terms.
inline constexpr int kFractionExampleTopics = 8;

Text FractionExamplesCaption();

// The heading at the top of the page.
Text FractionExampleHeading(int topic, int level);

// The instruction label's text (parts separated by "\n"); empty for topics 1 and 2, which
// explain nothing in the label. `step` is the step of a stepwise example (topic 5).
Text FractionExampleInstruction(int topic, int level, int step);

// The line the cancelling page writes under its examples (purple, 16 points, at y −25);
// empty for every other topic.
Text FractionExampleNote(int topic);

// "~Beispiel 1~" … at x −49 and these page y: three examples at 26, 6, −14 (topic 8: 31, 11,
// −9), one example "~Beispiel~" at 32 (topic 8: 28).
struct ExampleLabel {
  Text text;
  double y = 0;
};
std::vector<ExampleLabel> FractionExampleLabels(int topic, int count);

// What PrepareExamples sets up.
struct ExamplePlan {
  int count = 3;              // ExampleCount
  bool stepButton = false;    // "Weiter" shown
  bool moreExamples = true;   // "Weitere Beispiele" enabled
  bool stepMenuItem = false;  // "Schrittweise Erklärung" shown
  int stepCount = 0;          // StepCount of topic 5 (the long division's depends on it)
};
ExamplePlan PrepareExamplesPlan(int topic, int level);

// The builder that fills Bruch[i] for the topic and level (null outside topics 1 … 8 and
// levels 1 … 3).
using ExampleBuilder = void (*)(int index);
ExampleBuilder FractionExampleBuilder(int topic, int level);

}  // namespace kalkora::fractions

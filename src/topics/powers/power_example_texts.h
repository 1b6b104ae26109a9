#pragma once
// What the worked-example window of the power rules shows per rule: caption, rule text, title,
// and which generators make its examples.

#include "base/text.h"
#include "topics/powers/power_generators.h"

namespace kalkora::powers {

// The rules the window shows, numbered as selPowerExample numbers them.
enum class PowerRule { Multiply = 1, Divide = 2, Raise = 3, AddSub = 4 };

// The rule the main window chose in selPowerExample (a value outside 1 … 4 counts as the
// nearest one).
PowerRule SelectedPowerRule();

// "Musterbeispiele: Multiplizieren von Potenzen", …
Text PowerExampleCaption(PowerRule rule);
// The sentence of the rule in the instruction label.
Text PowerExampleRuleText(PowerRule rule);
// The title above the examples: "Multiplizieren von Potenzen", …
Text PowerExampleTitle(PowerRule rule);
// The generator of the rule's examples at a level (1 … 3): GenMultiply1 …, GenDivideM1 …,
// GenRaiseM1 …, GenAddSub1 ….
PowerGenerator PowerExampleGenerator(PowerRule rule, int level);

}  // namespace kalkora::powers

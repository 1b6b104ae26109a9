#pragma once
// The lines a worked example of a power rule shows, made from its item. Every line is one
// equation ‹task = result› in markup; the division and quotient examples stack their task and
// result as fractions, so a line says in which form it is drawn and holds its parts.

#include <vector>

#include "base/text.h"
#include "topics/powers/power_example_texts.h"
#include "topics/powers/power_record.h"

namespace kalkora::powers {

enum class PowerExampleForm {
  Equation,              // one line of markup ‹task = result›: `equation`
  FractionThenResult,    // the task fraction, then ‹= result›: `result` (‹g^#4#›)
  FractionEquals,        // the task fraction = the result fraction
  FractionEqualsFactor,  // the task fraction = the result fraction followed by ‹·factor›
  PowerOfFraction,       // the bracketed task fraction to the power `exponent` = the result
                         // fraction
};

struct PowerExampleLine {
  PowerExampleForm form = PowerExampleForm::Equation;
  Text equation;   // Equation: ‹#2#·_6_·#2# = #2#^2·_6_›, ‹f^#9# : f^#4# = f^#5#›
  Text numerator;  // the task fraction
  Text denominator;
  Text resultNumerator;  // the result fraction
  Text resultDenominator;
  Text result;    // FractionThenResult: what follows "= "
  Text factor;    // FractionEqualsFactor: what follows the "·" after the result fraction
  Text exponent;  // PowerOfFraction: the exponent outside the brackets
};

// The lines of one example of the rule at the level (1 … 3), top to bottom:
// - multiply, level 1: the product with numbers over the same product with letters; levels
//   2 and 3: the product with letters. The generators have marked the letters already.
// - add/subtract, raise levels 1 and 2: task = solution.
// - raise level 3: the power of the task fraction = the solution fraction.
// - divide level 1, by the presentation the generator drew (Stufe): 1 the one-line form
//   ‹f^#9# : f^#4# = f^#5#›; 2 the fraction = the power; 3 and 4 the fraction = the reduced
//   fraction (1 over ‹c^#5#›, 3 over ‹7·c^#4#›); 5 the fraction = the reduced coefficients as a
//   fraction followed by ‹·q^#5#›.
// - divide levels 2 and 3: the fraction = the reduced fraction, or = the numerator alone when
//   nothing is left below the bar.
std::vector<PowerExampleLine> PowerExampleLines(const TPotenz& item, PowerRule rule, int level);

}  // namespace kalkora::powers

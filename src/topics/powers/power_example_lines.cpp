#include "topics/powers/power_example_lines.h"

#include "base/shared_functions.h"

namespace kalkora::powers {
namespace {

PowerExampleLine Equation(TextView task, TextView solution) {
  PowerExampleLine line;
  line.equation = Text(task).append(u" = ").append(solution);
  return line;
}

// The task fraction of a division or quotient item (Text[8] over Text[9]).
PowerExampleLine FractionLine(const TPotenz& item, PowerExampleForm form) {
  PowerExampleLine line;
  line.form = form;
  line.numerator = item.Text[8];
  line.denominator = item.Text[9];
  return line;
}

PowerExampleLine FractionThenResult(const TPotenz& item, TextView result) {
  PowerExampleLine line = FractionLine(item, PowerExampleForm::FractionThenResult);
  line.result = result;
  return line;
}

PowerExampleLine FractionEquals(const TPotenz& item, TextView numerator, TextView denominator) {
  PowerExampleLine line = FractionLine(item, PowerExampleForm::FractionEquals);
  line.resultNumerator = numerator;
  line.resultDenominator = denominator;
  return line;
}

PowerExampleLine DivisionLine(const TPotenz& item, int level) {
  if (level == 1) {
    switch (item.Stufe) {
      case 1: {
        PowerExampleLine line;
        line.equation = item.Text[0];
        return line;
      }
      case 2: return FractionThenResult(item, item.Text[10]);
      case 5: {
        PowerExampleLine line = FractionLine(item, PowerExampleForm::FractionEqualsFactor);
        line.resultNumerator = IntText(item.Zahl1);
        line.resultDenominator = IntText(item.Zahl2);
        line.factor = item.Text[10];
        return line;
      }
      default: return FractionEquals(item, item.Text[11], item.Text[12]);
    }
  }
  if (item.Text[12].empty()) return FractionThenResult(item, item.Text[11]);
  return FractionEquals(item, item.Text[11], item.Text[12]);
}

PowerExampleLine PowerOfFractionLine(const TPotenz& item) {
  PowerExampleLine line = FractionLine(item, PowerExampleForm::PowerOfFraction);
  line.exponent = item.Text[13];
  line.resultNumerator = item.Text[11];
  line.resultDenominator = item.Text[12];
  return line;
}

}  // namespace

std::vector<PowerExampleLine> PowerExampleLines(const TPotenz& item, PowerRule rule, int level) {
  switch (rule) {
    case PowerRule::Multiply:
      if (level == 1) {
        return {Equation(item.Text[1], item.Text[2]), Equation(item.Text[0], item.Text[3])};
      }
      return {Equation(item.Text[0], item.Text[2])};
    case PowerRule::Divide: return {DivisionLine(item, level)};
    case PowerRule::Raise:
      if (level == 3) return {PowerOfFractionLine(item)};
      return {Equation(item.Text[8], item.Text[11])};
    case PowerRule::AddSub: break;
  }
  return {Equation(item.Text[0], item.Text[2])};
}

}  // namespace kalkora::powers

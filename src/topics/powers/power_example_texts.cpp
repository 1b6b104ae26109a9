#include "topics/powers/power_example_texts.h"

#include <algorithm>

#include "base/selection.h"

namespace kalkora::powers {

PowerRule SelectedPowerRule() {
  return static_cast<PowerRule>(std::clamp(selection::selPowerExample, 1, 4));
}

Text PowerExampleCaption(PowerRule rule) {
  switch (rule) {
    case PowerRule::Multiply: return u"Musterbeispiele: Multiplizieren von Potenzen";
    case PowerRule::Divide: return u"Musterbeispiele: Dividieren von Potenzen";
    case PowerRule::Raise: return u"Musterbeispiele: Potenzieren von Potenzen";
    case PowerRule::AddSub: break;
  }
  return u"Musterbeispiele: Addieren und Subtrahieren von Potenzen";
}

Text PowerExampleRuleText(PowerRule rule) {
  switch (rule) {
    case PowerRule::Multiply:
      return u"Potenzen gleicher Basis werden multipliziert, indem man die Hochzahlen addiert "
             u"und die Basis unverändert lässt.";
    case PowerRule::Divide:
      return u"Potenzen gleicher Basis werden dividiert, indem man die Hochzahlen subtrahiert "
             u"und die Basis unverändert lässt.";
    case PowerRule::Raise:
      return u"Potenzen werden potenziert, indem man die Hochzahlen multipliziert";
    case PowerRule::AddSub: break;
  }
  return u"Reihenfolge der Berechnung: Klammern zuerst – Potenzieren – Punktrechnung – "
         u"Strichrechnung";
}

Text PowerExampleTitle(PowerRule rule) {
  switch (rule) {
    case PowerRule::Multiply: return u"Multiplizieren von Potenzen";
    case PowerRule::Divide: return u"Dividieren von Potenzen";
    case PowerRule::Raise: return u"Potenzieren von Potenzen";
    case PowerRule::AddSub: break;
  }
  return u"Addieren bzw. Subtrahieren von Potenzen";
}

PowerGenerator PowerExampleGenerator(PowerRule rule, int level) {
  switch (rule) {
    case PowerRule::Multiply: return GeneratorFor(PowerKind::Multiply, level);
    case PowerRule::Divide: return GeneratorFor(PowerKind::DivideExample, level);
    case PowerRule::Raise: return GeneratorFor(PowerKind::RaiseExample, level);
    case PowerRule::AddSub: break;
  }
  return GeneratorFor(PowerKind::AddSub, level);
}

}  // namespace kalkora::powers

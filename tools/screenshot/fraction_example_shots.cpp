#include "fraction_example_shots.h"

#include <QPushButton>

#include "exercise_shots.h"
#include "learner_moves.h"
#include "practice/example_window.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::screenshot {
namespace {

const TBruchM& Item(int i) { return fractions::Bruch[static_cast<std::size_t>(i)]; }

// Picks the level, then asks for more examples until one of the three shows what is wanted.
std::function<void(QWidget& window)> LevelAndMoreUntil(int level,
                                                       std::function<bool(const TBruchM&)> wanted) {
  return LevelAndMoreUntilShown(
      level, [wanted] { return wanted(Item(1)) || wanted(Item(2)) || wanted(Item(3)); });
}

// Picks the level, renews the example until `wanted` holds for it (at most 2000 times), then
// presses "Weiter" `presses` times.
std::function<void(QWidget& window)> StepsOf(int level, int presses,
                                             std::function<bool(const TBruchM&)> wanted = {}) {
  return [level, presses, wanted](QWidget& window) {
    auto* examples = qobject_cast<ExampleWindow*>(&window);
    if (examples == nullptr) return;
    ChooseExampleLevel(level)(window);
    for (int draw = 0; draw < 2000 && wanted && !wanted(Item(1)); ++draw) {
      examples->levelButton(level)->click();
    }
    for (int press = 0; press < presses && examples->stepButton()->isVisible(); ++press) {
      examples->stepButton()->click();
    }
    Settle();
  };
}

// The long division at the level, then "Schrittweise Erklärung" and `presses` times "Weiter".
std::function<void(QWidget& window)> ComparisonSteps(int level, int presses) {
  return [level, presses](QWidget& window) {
    auto* examples = qobject_cast<ExampleWindow*>(&window);
    if (examples == nullptr) return;
    ChooseExampleLevel(level)(window);
    examples->stepMenuItem()->trigger();
    for (int press = 0; press < presses && examples->stepButton()->isVisible(); ++press) {
      examples->stepButton()->click();
    }
    Settle();
  };
}

}  // namespace

std::vector<Shot> FractionExampleShots() {
  struct Topic {
    const char* name;
    const char* menuItem;
    int levels;
  };
  static constexpr Topic kTopics[] = {
      {"defmenge", "menDefmengeM", 3},   {"kuerzen", "menKuerzenM", 3}, {"kgv", "menKgvM", 3},
      {"gleichnamig", "menAddSubM1", 3}, {"mult", "menMultM", 3},       {"div", "menDivM", 3},
      {"termdiv", "menTermDivM", 1},  // Stufe 2 and 3 step by step below
  };
  std::vector<Shot> shots;
  for (const Topic& topic : kTopics) {
    for (int level = 1; level <= topic.levels; ++level) {
      shots.push_back({QStringLiteral("bruch-muster-%1-stufe%2").arg(topic.name).arg(level),
                       topic.menuItem,
                       level == 1 ? std::function<void(QWidget&)>() : ChooseExampleLevel(level)});
    }
  }
  // ‹8/h›: only ‹h ≠ 0›, without an arrow.
  shots.push_back({"bruch-muster-defmenge-stufe1-nur-buchstabe", "menDefmengeM",
                   LevelAndMoreUntil(1, [](const TBruchM& item) { return item.Variante == 1; })});
  // Stufe 3 with a sum and with a quotient as the second value.
  shots.push_back({"bruch-muster-defmenge-stufe3-bruch", "menDefmengeM",
                   LevelAndMoreUntil(3, [](const TBruchM& item) { return item.Variante == 2; })});
  // Every cancelling form of Stufe 3 that leaves a single term or sum.
  shots.push_back({"bruch-muster-kuerzen-stufe3-ohne-nenner", "menKuerzenM",
                   LevelAndMoreUntil(3, [](const TBruchM& item) { return !item.Schalter; })});
  // A like-denominator result whose denominator cancels: ‹= 6›.
  shots.push_back({"bruch-muster-gleichnamig-stufe3-ganze-zahl", "menAddSubM1",
                   LevelAndMoreUntil(3, [](const TBruchM& item) { return item.Variante == 3; })});
  // A negative result at Stufe 2: the sign before the fraction.
  shots.push_back(
      {"bruch-muster-gleichnamig-stufe2-negativ", "menAddSubM1",
       LevelAndMoreUntil(2, [](const TBruchM& item) { return item.Daten[8] == u"–"; })});
  // A product whose denominator is 1, and the division of Stufe 1 with letter powers.
  shots.push_back(
      {"bruch-muster-mult-stufe1-nenner-eins", "menMultM",
       LevelAndMoreUntil(1, [](const TBruchM& item) { return item.Text[10] == u"1"; })});
  shots.push_back({"bruch-muster-div-stufe1-potenzen", "menDivM",
                   LevelAndMoreUntil(1, [](const TBruchM& item) { return item.Variante == 3; })});
  // Dividing by a monomial with three terms, split and factored.
  for (const int variante : {3, 4}) {
    shots.push_back({QStringLiteral("bruch-muster-termdiv-stufe1-variante%1").arg(variante),
                     "menTermDivM", LevelAndMoreUntil(1, [variante](const TBruchM& item) {
                       return item.Variante == variante;
                     })});
  }
  // Unlike denominators at every level and step, and with three fractions and a cancelled
  // result.
  for (int level = 1; level <= 3; ++level) {
    for (int step = 1; step <= 4; ++step) {
      shots.push_back(
          {QStringLiteral("bruch-muster-ungleichnamig-stufe%1-schritt%2").arg(level).arg(step),
           "menAddSubM2", StepsOf(level, step - 1)});
    }
  }
  shots.push_back(
      {"bruch-muster-ungleichnamig-stufe1-drei-brueche-gekuerzt", "menAddSubM2",
       StepsOf(1, 3, [](const TBruchM& item) { return item.Anzahl == 3 && item.Kenn[1]; })});
  shots.push_back({"bruch-muster-ungleichnamig-stufe3-zwei-buchstaben", "menAddSubM2",
                   StepsOf(3, 3, [](const TBruchM& item) { return item.Variante == 3; })});
  shots.push_back(
      {"bruch-muster-ungleichnamig-stufe2-negativ", "menAddSubM2",
       StepsOf(2, 3, [](const TBruchM& item) { return item.Ungleich.Ergebnis.front() == u'–'; })});
  // The long division: first, a middle and the last step; the widest (four quotient terms over
  // three divisor terms); the comparison's middle and last step.
  for (int level = 2; level <= 3; ++level) {
    for (const int presses : {0, 3, 9}) {
      shots.push_back(
          {QStringLiteral("bruch-muster-termdiv-stufe%1-schritt%2")
               .arg(level)
               .arg(presses == 9 ? QStringLiteral("ende") : QString::number(presses + 1)),
           "menTermDivM", StepsOf(level, presses)});
    }
    shots.push_back({QStringLiteral("bruch-muster-termdiv-stufe%1-breiteste").arg(level),
                     "menTermDivM",
                     StepsOf(level, 9, [](const TBruchM& item) { return item.Variante == 4; })});
    shots.push_back({QStringLiteral("bruch-muster-termdiv-stufe%1-vergleich-schritt5").arg(level),
                     "menTermDivM", ComparisonSteps(level, 4)});
    shots.push_back({QStringLiteral("bruch-muster-termdiv-stufe%1-vergleich-ende").arg(level),
                     "menTermDivM", ComparisonSteps(level, 8)});
  }
  return shots;
}

}  // namespace kalkora::screenshot

#include "fraction_example_shots.h"

#include <QPushButton>

#include "exercise_shots.h"
#include "learner_moves.h"
#include "practice/example_window.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::screenshot {
namespace {

const TBruchM& Item(int i) { return fractions::Bruch[static_cast<std::size_t>(i)]; }

// Picks the level, then presses "Weitere Beispiele" until one of the three examples shows
// what is wanted (at most 2000 times).
std::function<void(QWidget& window)> LevelAndMoreUntil(int level,
                                                       std::function<bool(const TBruchM&)> wanted) {
  return [level, wanted](QWidget& window) {
    ChooseExampleLevel(level)(window);
    auto* examples = qobject_cast<ExampleWindow*>(&window);
    if (examples == nullptr) return;
    for (int press = 0; press < 2000 && !(wanted(Item(1)) || wanted(Item(2)) || wanted(Item(3)));
         ++press) {
      examples->moreExamplesButton()->click();
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
      {"defmenge", "menDefmengeM", 3},
      {"kuerzen", "menKuerzenM", 3},
      {"kgv", "menKgvM", 3},
      {"gleichnamig", "menAddSubM1", 3},
      {"ungleichnamig", "menAddSubM2", 3},
      {"mult", "menMultM", 3},
      {"div", "menDivM", 3},
      {"termdiv", "menTermDivM", 3},
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
  return shots;
}

}  // namespace kalkora::screenshot

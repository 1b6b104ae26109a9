#include "power_example_shots.h"

#include <QPushButton>

#include "exercise_shots.h"
#include "learner_moves.h"
#include "practice/example_window.h"
#include "topics/powers/power_record.h"

namespace kalkora::screenshot {
namespace {

const TPotenz& Item(int i) { return powers::Potenzen[static_cast<std::size_t>(i)]; }

bool AnyExample(const std::function<bool(const TPotenz&)>& holds) {
  return holds(Item(1)) || holds(Item(2)) || holds(Item(3));
}

// Picks the level, then asks for more examples until one of the three shows what is wanted.
std::function<void(QWidget& window)> LevelAndMoreUntil(int level,
                                                       std::function<bool(const TPotenz&)> wanted) {
  return LevelAndMoreUntilShown(level, [wanted] { return AnyExample(wanted); });
}

}  // namespace

std::vector<Shot> PowerExampleShots() {
  struct Rule {
    const char* name;
    const char* menuItem;
  };
  static constexpr Rule kRules[] = {{"mult", "menPotMultM"},
                                    {"div", "menPotDivM"},
                                    {"pot", "menPotPotM"},
                                    {"addsub", "menAddSubPotM"}};
  std::vector<Shot> shots;
  for (const Rule& rule : kRules) {
    for (int level = 1; level <= 3; ++level) {
      const QString file = QStringLiteral("potenzen-muster-%1-stufe%2").arg(rule.name).arg(level);
      shots.push_back({file, rule.menuItem,
                       level == 1 ? std::function<void(QWidget&)>() : ChooseExampleLevel(level)});
    }
  }
  // Division at Stufe 1 draws one of five presentations per example.
  for (int presentation = 1; presentation <= 5; ++presentation) {
    shots.push_back({QStringLiteral("potenzen-muster-div-stufe1-darstellung%1").arg(presentation),
                     "menPotDivM", LevelAndMoreUntil(1, [presentation](const TPotenz& item) {
                       return item.Stufe == presentation;
                     })});
  }
  for (int level = 2; level <= 3; ++level) {
    shots.push_back(
        {QStringLiteral("potenzen-muster-div-stufe%1-ohne-nenner").arg(level), "menPotDivM",
         LevelAndMoreUntil(level, [](const TPotenz& item) { return item.Text[12].empty(); })});
  }
  // A sum at Stufe 2 whose cubic terms cancel, one at Stufe 3 whose terms all cancel.
  shots.push_back({"potenzen-muster-addsub-stufe2-ohne-kubik", "menAddSubPotM",
                   LevelAndMoreUntil(2, [](const TPotenz& item) {
                     return item.Text[0].find(u'#') != Text::npos &&
                            item.Text[2].find(u'#') == Text::npos;
                   })});
  shots.push_back({"potenzen-muster-addsub-stufe3-null", "menAddSubPotM",
                   LevelAndMoreUntil(3, [](const TPotenz& item) { return item.Text[2] == u"0"; })});
  return shots;
}

}  // namespace kalkora::screenshot

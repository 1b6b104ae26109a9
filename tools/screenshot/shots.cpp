#include "shots.h"

#include "substitution_shots.h"

namespace kalkora::screenshot {

std::vector<Shot> AllShots() {
  return {
      {"main", "", {}},
      {"begriffe-terme", "menBegriffeT", {}},
      {"formeln-terme", "menFormelnT", {}},
      {"formeln-potenzen", "menFormelnP", {}},
      {"einsetzen-muster", "menEinsetzenM", {}},
      {"addsub-muster", "menAddSubbM", {}},
      {"polynome-muster-1", "menPolyMonM", {}},
      {"einsetzen-stufe1", "menStufe1E", {}},
      {"einsetzen-stufe1-antworten", "menStufe1E", AnswerSubstitutionItemsInEveryState},
      {"einsetzen-stufe2", "menStufe2E", {}},
      {"einsetzen-stufe2-antworten", "menStufe2E", AnswerSubstitutionItemsInEveryState},
      {"einsetzen-stufe3", "menStufe3E", {}},
      {"einsetzen-stufe3-antworten", "menStufe3E", AnswerSubstitutionItemsInEveryState},
      {"einsetzen-auswertung", "menStufe1E", {}, PlaySubstitutionRunToEvaluation},
      {"addsub-stufe1", "menStufe1AS", {}},
      {"polynome-stufe1", "menStufe1Mon", {}},
      {"ergaenzen-stufe1", "menStufe1Erg", {}},
      {"potenzen-muster-1", "menPotMultM", {}},
      {"potenzen-mult-stufe1", "menStufe1Mult", {}},
      {"potenzen-div-stufe1", "menStufe1Div", {}},
      {"bruch-muster-1", "menDefmengeM", {}},
      {"bruch-defmenge", "menDefmengeU", {}},
      {"bruch-ungleichnamig-stufe1", "menAddSubUU1", {}},
      {"bruch-division-stufe2", "menStufe2DivTB", {}},
  };
}

}  // namespace kalkora::screenshot

#include "shots.h"

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

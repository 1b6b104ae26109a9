#include "topics/fractions/fraction_exercise_items.h"

#include "topics/fractions/cancelling_generator.h"
#include "topics/fractions/domain_generator.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/lcm_generator.h"
#include "topics/fractions/like_denominators_generator.h"
#include "topics/fractions/multiply_divide_generators.h"
#include "topics/fractions/term_division_generator.h"

namespace kalkora::fractions {

void PrepareExerciseItem(int kind, int level, int index) {
  switch (kind) {
    case 1: DefmengeU(index); break;
    case 2: KuerzenU(index); break;
    case 3: KgvU(index); break;
    case 4: AddSubGleichU(index); break;
    case 5:
    case 6:
      if (level == 2) {
        MultDivU2(index);
      } else if (level == 3) {
        MultDivU3(index);
      } else {
        MultDivU1(index);
      }
      break;
    case 7: TermDivU1(index); break;
    default: return;
  }
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  item.Aktiv = true;
  item.Richtig = false;
  item.Gezeigt = false;
}

}  // namespace kalkora::fractions

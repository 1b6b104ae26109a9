#include "base/selection.h"

namespace kalkora::selection {

void ResetSelection() {
  FullScreen = false;
  selFormulaTopic = selConceptTopic = selSubstLevel = selLikeTermsLevel = 0;
  selPowerExample = selPowerMultLevel = selPowerAddSubLevel = 0;
  selPowerDivLevel = selPowerRaiseLevel = 0;
  selPolyExample = selPolyExercise = selLevel = 0;
  selFractionExample = selFractionExercise = 0;
  DivisionItemReady = false;
}

}  // namespace kalkora::selection

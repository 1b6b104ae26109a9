#include "topics/terms/substitution_exercise_window.h"

#include "shell/captions.h"
#include "shell/palette.h"
#include "shell/selection.h"

namespace kalkora {

TfrmEinsetzenU::TfrmEinsetzenU()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmEinsetzenU"), QStringLiteral(""), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmEinsetzenU::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(palette::palCream);
  setWindowTitle(QStringLiteral("Übungsbeispiele: Werte einsetzen") +
                 LevelSuffix(selection::selSubstLevel));
}

}  // namespace kalkora

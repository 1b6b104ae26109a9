#include "topics/polynomials/completion_exercise_window.h"

#include "shell/captions.h"
#include "shell/palette.h"
#include "shell/selection.h"

namespace kalkora {

TfrmErgaenzen::TfrmErgaenzen()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmErgaenzen"), QStringLiteral(""), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmErgaenzen::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(palette::palCream);
  setWindowTitle(QStringLiteral("Übungsbeispiele: Polynome ergänzen") +
                 LevelSuffix(selection::selLevel));
}

}  // namespace kalkora

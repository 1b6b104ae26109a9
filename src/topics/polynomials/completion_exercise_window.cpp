#include "topics/polynomials/completion_exercise_window.h"

#include "base/selection.h"
#include "frame/captions.h"
#include "frame/palette.h"

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

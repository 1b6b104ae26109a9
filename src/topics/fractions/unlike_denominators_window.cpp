#include "topics/fractions/unlike_denominators_window.h"

#include "base/selection.h"
#include "frame/captions.h"
#include "frame/palette.h"

namespace kalkora {

TfrmBruchU2::TfrmBruchU2()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmBruchU2"), QStringLiteral(""), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmBruchU2::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(palette::palCream);
  setWindowTitle(
      QStringLiteral(
          "Übungsbeispiele: Bruchterme – Addieren/Subrahieren mit ungleichnamigem Nenner") +
      LevelSuffix(selection::selLevel));
}

}  // namespace kalkora

#include "topics/polynomials/long_division_window.h"

#include "base/selection.h"
#include "frame/palette.h"

namespace kalkora {

TfrmBruchU3::TfrmBruchU3()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmBruchU3"), QStringLiteral(""), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmBruchU3::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(palette::palCream);
  if (selection::selLevel == 3) {
    setWindowTitle(QStringLiteral(
        "Übungsbeispiele: Bruchterme – Dividieren durch mehrgliedrige Terme mit Rest (Stufe 3)"));
  } else {
    setWindowTitle(QStringLiteral(
        "Übungsbeispiele: Bruchterme – Dividieren durch mehrgliedrige Terme ohne Rest (Stufe 2)"));
  }
}

}  // namespace kalkora

#include "reference/formula_sheet_window.h"

namespace kalkora {

TfrmFormeln::TfrmFormeln()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmFormeln"), QStringLiteral("Formeln"),
                                 QSize(612, 559), TitleBarButtons::CloseOnly, /*hasMenu=*/true,
                                 /*setsPalette=*/true, /*maximises=*/false}) {
  addCloseMenuItem();
  setWindowFlag(Qt::WindowStaysOnTopHint);
}

void TfrmFormeln::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(Qt::white);
}

}  // namespace kalkora

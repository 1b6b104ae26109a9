#include "reference/concept_window.h"

namespace kalkora {

TfrmBegriffe::TfrmBegriffe()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmBegriffe"),
                                 QStringLiteral("Begriffe zur Kalkora"), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmBegriffe::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(Qt::white);
}

}  // namespace kalkora

#include "topics/terms/substitution_examples_window.h"

namespace kalkora {

TfrmEinsetzenM::TfrmEinsetzenM()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmEinsetzenM"),
                                 QStringLiteral("Musterbeispiele: Werte einsetzen"),
                                 QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmEinsetzenM::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(Qt::white);
}

}  // namespace kalkora

#include "topics/terms/like_terms_examples_window.h"

namespace kalkora {

TfrmAddSubM::TfrmAddSubM()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmAddSubM"),
                                 QStringLiteral("Musterbeispiele: Addieren und Subtrahieren"),
                                 QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmAddSubM::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(Qt::white);
}

}  // namespace kalkora

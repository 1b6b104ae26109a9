#include "topics/fractions/fraction_examples_window.h"

namespace kalkora {

TfrmBruchM::TfrmBruchM()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmBruchM"),
                                 QStringLiteral("Musterbeispiele: Bruchterme"), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmBruchM::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(Qt::white);
}

}  // namespace kalkora

#include "practice/evaluation_window.h"

namespace kalkora {

TfrmAuswertung::TfrmAuswertung()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmAuswertung"), QStringLiteral("Auswertung"),
                                 QSize(392, 433), TitleBarButtons::None, /*hasMenu=*/false,
                                 /*setsPalette=*/false, /*maximises=*/false}) {}

void TfrmAuswertung::FormActivate() { KalkoraWindow::FormActivate(); }

}  // namespace kalkora

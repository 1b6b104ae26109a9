#include "topics/powers/power_divide_raise_window.h"

#include "base/selection.h"
#include "frame/captions.h"
#include "frame/palette.h"

namespace kalkora {

TfrmDivPotU::TfrmDivPotU()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmDivPotU"), QStringLiteral(""), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmDivPotU::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(palette::palCream);
  if (selection::selPowerDivLevel != 0) {
    setWindowTitle(QStringLiteral("Übungsbeispiele Potenzen – Dividieren") +
                   LevelSuffix(selection::selPowerDivLevel));
  } else if (selection::selPowerRaiseLevel != 0) {
    setWindowTitle(QStringLiteral("Übungsbeispiele Potenzen – Potenzieren") +
                   LevelSuffix(selection::selPowerRaiseLevel));
  }
}

}  // namespace kalkora

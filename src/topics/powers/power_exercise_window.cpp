#include "topics/powers/power_exercise_window.h"

#include "shell/captions.h"
#include "shell/palette.h"
#include "shell/selection.h"

namespace kalkora {

TfrmPotenzenU::TfrmPotenzenU()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmPotenzenU"),
                                 QStringLiteral("Übungsbeispiele: Potenzen"), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmPotenzenU::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(palette::palCream);
  if (selection::selPowerMultLevel != 0) {
    setWindowTitle(QStringLiteral("Übungsbeispiele Potenzen – Multiplizieren") +
                   LevelSuffix(selection::selPowerMultLevel));
  } else if (selection::selPowerAddSubLevel != 0) {
    setWindowTitle(QStringLiteral("Übungsbeispiele Potenzen – Addieren und Subtrahieren") +
                   LevelSuffix(selection::selPowerAddSubLevel));
  }
}

}  // namespace kalkora

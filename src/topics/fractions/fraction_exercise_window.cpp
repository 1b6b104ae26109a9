#include "topics/fractions/fraction_exercise_window.h"

#include "base/selection.h"
#include "frame/captions.h"
#include "frame/palette.h"

namespace kalkora {

TfrmBruchU::TfrmBruchU()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmBruchU"),
                                 QStringLiteral("Übungsbeispiele: Bruchterme"), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmBruchU::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(palette::palCream);
  const QString prefix = QStringLiteral("Übungsbeispiele: Bruchterme – ");
  const QString level = LevelSuffix(selection::selLevel);
  switch (selection::selFractionExercise) {
    case 1: setWindowTitle(prefix + QStringLiteral("Definitionsmenge")); break;
    case 2: setWindowTitle(prefix + QStringLiteral("Kürzen")); break;
    case 3:
      setWindowTitle(prefix + QStringLiteral("kleinstes gemeinsames Vielfaches (kgV)"));
      break;
    case 4:
      setWindowTitle(prefix + QStringLiteral("Addieren/Subrahieren mit gleichnamigem Nenner") +
                     level);
      break;
    case 5: setWindowTitle(prefix + QStringLiteral("Multiplizieren") + level); break;
    case 6: setWindowTitle(prefix + QStringLiteral("Dividieren") + level); break;
    case 7:
      setWindowTitle(prefix + QStringLiteral("Dividieren durch eingliedrige Terme (Stufe 1)"));
      break;
    default: break;
  }
}

}  // namespace kalkora

#include "topics/polynomials/polynomial_exercise_window.h"

#include <QStringList>

#include "shell/captions.h"
#include "shell/palette.h"
#include "shell/selection.h"

namespace kalkora {

TfrmPolynomeU::TfrmPolynomeU()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmPolynomeU"), QStringLiteral(""), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmPolynomeU::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(palette::palCream);
  static const QStringList kinds{QStringLiteral("Polynom·Monom"), QStringLiteral("Polynom·Polynom"),
                                 QStringLiteral("Formeln für Binome"), QString(),
                                 QStringLiteral("Herausheben")};
  const int kind = selection::selPolyExercise;
  if (kind >= 1 && kind <= kinds.size() && !kinds[kind - 1].isEmpty()) {
    setWindowTitle(QStringLiteral("Übungsbeispiele: Polynome – ") + kinds[kind - 1] +
                   LevelSuffix(selection::selLevel));
  }
}

}  // namespace kalkora

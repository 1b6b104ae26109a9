#include "topics/polynomials/polynomial_examples_window.h"

#include <QStringList>

#include "base/selection.h"

namespace kalkora {

TfrmPolynomeM::TfrmPolynomeM()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmPolynomeM"), QStringLiteral(""), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmPolynomeM::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(Qt::white);
  static const QStringList captions{
      QStringLiteral("Musterbeispiele: Multiplizieren mit eingliedrigen Termen"),
      QStringLiteral("Musterbeispiele: Multiplizieren mit mehrgliedrigen Termen"),
      QStringLiteral("Musterbeispiele: Formeln für Binome"),
      QStringLiteral("Musterbeispiele: Ergänzen von Binomen"),
      QStringLiteral("Musterbeispiele: Herausheben")};
  if (selection::selPolyExample >= 1 && selection::selPolyExample <= captions.size()) {
    setWindowTitle(captions[selection::selPolyExample - 1]);
  }
}

}  // namespace kalkora

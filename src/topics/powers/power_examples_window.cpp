#include "topics/powers/power_examples_window.h"

#include <QStringList>

#include "base/selection.h"

namespace kalkora {

TfrmPotenzenM::TfrmPotenzenM()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmPotenzenM"), QStringLiteral(""), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmPotenzenM::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(Qt::white);
  static const QStringList captions{
      QStringLiteral("Musterbeispiele: Multiplizieren von Potenzen"),
      QStringLiteral("Musterbeispiele: Dividieren von Potenzen"),
      QStringLiteral("Musterbeispiele: Potenzieren von Potenzen"),
      QStringLiteral("Musterbeispiele: Addieren und Subtrahieren von Potenzen")};
  if (selection::selPowerExample >= 1 && selection::selPowerExample <= captions.size()) {
    setWindowTitle(captions[selection::selPowerExample - 1]);
  }
}

}  // namespace kalkora

#include "topics/terms/like_terms_exercise_window.h"

#include "shell/captions.h"
#include "shell/palette.h"
#include "shell/selection.h"

namespace kalkora {

TfrmAddSubU::TfrmAddSubU()
    : KalkoraWindow(
          WindowDesign{QStringLiteral("frmAddSubU"), QStringLiteral(""), QSize(1016, 722)}) {
  addCloseMenuItem();
}

void TfrmAddSubU::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(palette::palCream);
  setWindowTitle(QStringLiteral("Übungsbeispiele: Addieren und Subtrahieren") +
                 LevelSuffix(selection::selLikeTermsLevel));
}

}  // namespace kalkora

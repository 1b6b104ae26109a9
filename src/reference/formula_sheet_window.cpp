#include "reference/formula_sheet_window.h"

#include <QApplication>

#include "base/selection.h"
#include "reference/formula_sheets.h"

namespace kalkora {

namespace {
constexpr QSize kDesignedClient(612, 559);
constexpr QRect kPaintBox(5, 10, 600, 540);
}  // namespace

TfrmFormeln::TfrmFormeln()
    : ReferenceWindow(WindowDesign{QStringLiteral("frmFormeln"), QStringLiteral("Formeln"),
                                   kDesignedClient, TitleBarButtons::CloseOnly, /*hasMenu=*/true,
                                   /*setsPalette=*/true, /*maximises=*/false},
                      kPaintBox),
      clientHeight_(kDesignedClient.height()) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
}

void TfrmFormeln::makeChildren() {
  ReferenceWindow::makeChildren();
  size_t i = 0;
  for (const SheetPicture& picture : SheetPictures()) {
    pictures_.at(i++) =
        addPicture(QString::fromLatin1(picture.name), SheetPictureArea(picture),
                   [&picture](QPainter& canvas) { DrawSheetPicture(canvas, picture); });
  }
}

void TfrmFormeln::FormActivate() {
  ReferenceWindow::FormActivate();
  if (const std::optional<SheetLayout> layout = SheetLayoutOf(selection::selFormulaTopic)) {
    clientHeight_ = layout->clientHeight;
    pnt()->resize(kPaintBox.width(), layout->pntHeight);
    // img6 is always shown: it lies below the client area of the terms sheet.
    for (size_t i = 0; i + 1 < pictures_.size(); ++i) {
      pictures_.at(i)->setVisible(layout->formulaPictures);
    }
  }
  applySheetHeight();
  centreOnOpener();
}

void TfrmFormeln::centreOnOpener() {
  // The sheet opens over the still visible main window, the only other visible window.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible() && qobject_cast<KalkoraWindow*>(window)) {
      QRect frame = frameGeometry();
      frame.moveCenter(window->frameGeometry().center());
      move(frame.topLeft());
      return;
    }
  }
}

void TfrmFormeln::applySheetHeight() {
  const QSize outer(kDesignedClient.width(), clientHeight_ + mainMenu()->sizeHint().height());
  setMinimumSize(outer);
  setMaximumSize(outer);
  resize(outer);
  clientArea()->resize(kDesignedClient.width(), clientHeight_);
}

void TfrmFormeln::pntPaint(QPainter& canvas) {
  DrawFormulaSheet(canvas, selection::selFormulaTopic);
}

void TfrmFormeln::showEvent(QShowEvent* event) {
  ReferenceWindow::showEvent(event);  // the designed size
  applySheetHeight();
}

void TfrmFormeln::resizeEvent(QResizeEvent* event) {
  ReferenceWindow::resizeEvent(event);  // places the client area at its designed size
  clientArea()->resize(kDesignedClient.width(), clientHeight_);
}

}  // namespace kalkora

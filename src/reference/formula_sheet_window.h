#pragma once
// The formula sheets ("Formeln") of terms and powers in one small window that stays on top of
// the still visible main window. selFormulaTopic, set by the main window's menu, chooses the
// sheet, and with it the window's height and the pictures of the power sheet.

#include <array>

#include "reference/reference_window.h"

namespace kalkora {

class TfrmFormeln : public ReferenceWindow {
  Q_OBJECT

 public:
  TfrmFormeln();
  // Sizes the window for the chosen sheet (client height 459 for terms, 559 for powers),
  // centres it again on the main window and shows or hides the power sheet's pictures. Any other
  // topic keeps the previous height and pictures.
  void FormActivate() override;

 protected:
  void makeChildren() override;
  void pntPaint(QPainter& canvas) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void applySheetHeight();
  void centreOnOpener();

  int clientHeight_;
  std::array<PagePicture*, 6> pictures_{};
};

}  // namespace kalkora

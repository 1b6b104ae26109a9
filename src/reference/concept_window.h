#pragma once
// The concept pages ("Begriffe") of the three topics in one window; selConceptTopic, set by the
// main window's menu, chooses the page.

#include "reference/reference_window.h"

namespace kalkora {

class TfrmBegriffe : public ReferenceWindow {
  Q_OBJECT

 public:
  TfrmBegriffe();
  // Shows the domain picture of the chosen topic.
  void FormActivate() override;

 protected:
  void makeChildren() override;
  void pntPaint(QPainter& canvas) override;

 private:
  PagePicture* imgDef1_ = nullptr;
  PagePicture* imgDef2_ = nullptr;
};

}  // namespace kalkora

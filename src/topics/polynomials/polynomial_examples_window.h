#pragma once
// frmPolynomeM: worked examples of the five polynomial kinds (selPolyExample): three generated
// examples at the level chosen in the window, and from the menu a step-by-step display that
// builds a few examples one step per "Weiter", then returns to the same three examples.

#include "practice/example_window.h"

namespace kalkora {

class TfrmPolynomeM : public ExampleWindow {
  Q_OBJECT

 public:
  TfrmPolynomeM();
  void FormActivate() override;

  static constexpr int kExamples = 3;

 protected:
  void generateExamples() override;
  void pntPaint(QPainter& painter) override;
  void menDarstellungClick() override;
  void btnWeiterClick() override;

 private:
  static Layout DesignedLayout();
  void paintGeneratedExamples(QPainter& painter) const;

  int kind_ = 1;  // the kind chosen in the menu, read when the window opens
};

}  // namespace kalkora

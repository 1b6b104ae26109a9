#pragma once
// frmPotenzenM: three worked examples of one power rule (selPowerExample: multiplying,
// dividing, raising or adding/subtracting powers) at the level chosen in the window, the rule
// in words in the instruction label.

#include "practice/example_window.h"
#include "topics/powers/power_example_texts.h"

namespace kalkora {

class TfrmPotenzenM : public ExampleWindow {
  Q_OBJECT

 public:
  TfrmPotenzenM();

  static constexpr int kExamples = 3;

  // Opens as every worked-example window does (Stufe 1, new examples) with the rule of
  // selPowerExample, its caption and its rule text.
  void FormActivate() override;

 protected:
  void generateExamples() override;
  void pntPaint(QPainter& painter) override;

 private:
  static Layout DesignedLayout();

  powers::PowerRule rule_ = powers::PowerRule::Multiply;
};

}  // namespace kalkora

#pragma once
// frmAddSubM: three worked examples of adding and subtracting like terms, at the level chosen
// in the window. At Stufe 1 each example first shows the same sum with digits for the letters.

#include "practice/example_window.h"

namespace kalkora {

class TfrmAddSubM : public ExampleWindow {
  Q_OBJECT

 public:
  TfrmAddSubM();

  static constexpr int kExamples = 3;

 protected:
  void generateExamples() override;
  void pntPaint(QPainter& painter) override;
};

}  // namespace kalkora

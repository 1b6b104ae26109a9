#pragma once
// frmBruchM: the worked examples of the fraction topic chosen in the menu (selFractionExample)
// at the level chosen in the window: three examples on one page for domain, cancelling, least
// common multiple, like denominators, multiplying, dividing and dividing by a monomial, each
// with its instruction in the label. Unlike denominators and the long division (Stufe 2 and 3
// of dividing by terms) are worked through in steps; their pages show only their heading here.

#include "practice/example_window.h"

namespace kalkora {

class TfrmBruchM : public ExampleWindow {
  Q_OBJECT

 public:
  TfrmBruchM();

  // Opens at Stufe 1 with new examples of selFractionExample.
  void FormActivate() override;

  // ExampleCount: how many examples the page has (3, or 1 for a stepwise example).
  int exampleCount() const { return exampleCount_; }

 protected:
  // PrepareExamples: the count and the buttons of the topic and level, then the examples.
  void generateExamples() override;
  void pntPaint(QPainter& painter) override;

 private:
  static Layout DesignedLayout();

  int topic_ = 1;
  int exampleCount_ = 3;
  int exampleStep_ = 1;    // ExampleStep of a stepwise example
  int stepCount_ = 0;      // StepCount of a stepwise example
  bool pageBuilt_ = true;  // the topic and level have examples on this page
};

}  // namespace kalkora

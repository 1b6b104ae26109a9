#pragma once
// frmBruchM: the worked examples of the fraction topic chosen in the menu (selFractionExample)
// at the level chosen in the window. Domain, cancelling, least common multiple, like
// denominators, multiplying, dividing and dividing by a monomial show three examples on one
// page, each topic with its instruction in the label. Unlike denominators walk one example
// through four steps with "Weiter"; dividing by terms at Stufe 2 and 3 builds one long
// division step by step, and its "Schrittweise Erklärung" compares it step for step with the
// division of whole numbers.

#include "practice/example_window.h"
#include "topics/fractions/number_comparison.h"

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
  // PrepareExamples: the count and the buttons of the topic and level, then the examples; a
  // stepwise example starts at its first step, and the number comparison ends.
  void generateExamples() override;
  void pntPaint(QPainter& painter) override;
  // The next step of the stepwise example or of the number comparison.
  void btnWeiterClick() override;
  // "Schrittweise Erklärung": the number comparison beside the long division.
  void menDarstellungClick() override;

 private:
  static Layout DesignedLayout();
  // The long division of dividing by terms at Stufe 2 and 3.
  bool longDivision() const;
  void showStepInstruction();

  int topic_ = 1;
  int exampleCount_ = 3;
  int exampleStep_ = 1;            // ExampleStep of a stepwise example
  int stepCount_ = 0;              // StepCount of a stepwise example
  bool explainMode_ = false;       // ExplainMode: the number comparison is shown
  int explainStep_ = 1;            // ExplainStep
  int explainStepCount_ = 8;       // ExplainStepCount
  char16_t explainLetter_ = u'x';  // ExplainLetter, the letter of the compared polynomials
  fractions::NumberComparison comparison_;
};

}  // namespace kalkora

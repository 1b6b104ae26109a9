#pragma once
// frmEinsetzenM: two worked examples of putting values into a term and computing it, at the
// level chosen in the window. The values and their places in the term are drawn in colour.

#include "practice/example_window.h"

namespace kalkora {

class TfrmEinsetzenM : public ExampleWindow {
  Q_OBJECT

 public:
  TfrmEinsetzenM();

  static constexpr int kExamples = 2;

 protected:
  void generateExamples() override;
  void pntPaint(QPainter& painter) override;

 private:
  void drawExample(QPainter& painter, int example) const;
};

}  // namespace kalkora

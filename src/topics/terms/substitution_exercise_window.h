#pragma once
// frmEinsetzenU: practice runs of substitution items. At Stufe 1 and 2 the learner computes
// the value of a term for the given numbers, at Stufe 3 the term that results when a multiple
// of a new letter is put in for x. The level comes from selection::selSubstLevel.

#include "practice/exercise_window.h"

namespace kalkora {

class TfrmEinsetzenU : public ExerciseWindow {
  Q_OBJECT

 public:
  TfrmEinsetzenU();

  // The level of the run: selSubstLevel, 1 when no level is chosen.
  static int Level();

 protected:
  QString caption() const override;
  Text instruction() const override;
  void generateItem(int item) override;
  ItemFlags& flags(int item) override;
  Text expectedAnswer(int item) const override;
  Text solutionText(int item) const override;
  KeyFilter keyFilter(int item) const override;
  int fieldWidth(int item, int field) const override;
  void itemsPrepared() override;
  void pntUebPaint(QPainter& painter) override;

 private:
  void drawItem(QPainter& painter, int item) const;
};

}  // namespace kalkora

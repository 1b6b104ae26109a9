#pragma once
// frmAddSubU: practice runs of like-term items. Each row shows a sum of multiples of one or two
// letters; the learner types the simplified term with the earlier letter first. The level
// comes from selection::selLikeTermsLevel.

#include "practice/exercise_window.h"

namespace kalkora {

class TfrmAddSubU : public ExerciseWindow {
  Q_OBJECT

 public:
  TfrmAddSubU();

  // The level of the run: selLikeTermsLevel, 1 when no level is chosen.
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

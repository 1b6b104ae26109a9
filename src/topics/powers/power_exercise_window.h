#pragma once
// frmPotenzenU: practice runs of multiplying powers and of adding/subtracting powers, three
// levels each. The main window opens it with exactly one of selPowerMultLevel and
// selPowerAddSubLevel non-zero; that one decides the mode and level when the window opens.
// Each row shows the task and " =", followed by the answer field; a finished row shows the
// whole equation with the solution in violet or the learner's second wrong answer in rose.

#include "practice/exercise_window.h"
#include "topics/powers/power_exercise_texts.h"

namespace kalkora {

class TfrmPotenzenU : public ExerciseWindow {
  Q_OBJECT

 public:
  TfrmPotenzenU();

  // Reads the mode and level from the selection, then starts a practice run.
  void FormActivate() override;

  const powers::PowerExercise& exercise() const { return exercise_; }

 protected:
  QString caption() const override;
  Text instruction() const override;
  void generateItem(int item) override;
  ItemFlags& flags(int item) override;
  // Two-digit exponents are typed with one caret: the answer is JoinExponentDigits(Antwort).
  Text expectedAnswer(int item) const override;
  Text solutionText(int item) const override;
  KeyFilter keyFilter(int item) const override;
  int fieldWidth(int item, int field) const override;
  void itemsPrepared() override;
  void pntUebPaint(QPainter& painter) override;

 private:
  void drawItem(QPainter& painter, int item) const;

  powers::PowerExercise exercise_;
};

}  // namespace kalkora

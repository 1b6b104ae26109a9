#pragma once
// frmDivPotU: practice runs of dividing powers and of raising powers, three levels each. The
// main window opens it with exactly one of selPowerDivLevel and selPowerRaiseLevel non-zero;
// that one decides the mode and level when the window opens.
//
// Many answers are fractions, so every row has a numerator field edtZ and a denominator field
// edtN (shown for fraction answers) and a "Prüfen" button. Division rows and the quotients of
// raising at Stufe 3 are judged by "Prüfen"; the powers of products at Stufe 1 and 2 are typed
// into one field and judged when the learner leaves it.

#include <array>

#include "practice/exercise_window.h"
#include "topics/powers/power_divide_raise_rows.h"
#include "topics/powers/power_divide_raise_texts.h"

namespace kalkora {

class TfrmDivPotU : public ExerciseWindow {
  Q_OBJECT

 public:
  TfrmDivPotU();

  // Reads the mode and level from the selection, then starts a practice run.
  void FormActivate() override;

  const powers::DivideRaiseExercise& exercise() const { return exercise_; }
  // Where the row of item i stands.
  const powers::DivideRaiseRowPlace& rowPlace(int item) const;

 protected:
  QString caption() const override;
  Text instruction() const override;
  void generateItem(int item) override;
  ItemFlags& flags(int item) override;
  RowAnswer rowAnswer(int item) const override;
  Text expectedAnswer(int item) const override;
  std::vector<Text> expectedFieldTexts(int item) const override;
  Text solutionText(int item) const override;
  Text emptyFieldsMessage(int item, int empty, int fields) const override;
  KeyFilter keyFilter(int item) const override;
  // Both fields of a fraction row are as wide as the wider of its expected parts needs.
  int fieldWidth(int item, int field) const override;
  void itemsPrepared() override;
  void pntUebPaint(QPainter& painter) override;

 private:
  static Layout RowsLayout();
  void drawItem(QPainter& painter, int item) const;
  void drawDivideLine(QPainter& painter, int item) const;
  void drawDivideFraction(QPainter& painter, int item) const;
  void drawRaiseLine(QPainter& painter, int item) const;
  void drawRaiseFraction(QPainter& painter, int item) const;
  // The answer bar of an open fraction row, as long as its fields are wide.
  void drawAnswerBar(QPainter& painter, int item, double lineY) const;
  // A finished fraction row's answer part in markup: the expected text in violet ("~") when the
  // item was answered right, else the learner's text of that field in rose ("#").
  Text finishedPart(int item, int field) const;

  powers::DivideRaiseExercise exercise_;
  std::array<powers::DivideRaiseRowPlace, 5> places_{};
  std::array<int, 5> fieldPixels_{};
};

}  // namespace kalkora

#pragma once
// frmBruchU: practice runs of the seven fraction exercises, chosen in the main window's menu
// (selFractionExercise, and selLevel for the levels of multiplying and dividing): three rows
// 200 pixels apart, each answered in one field judged on leaving it (domain, kgV, like
// denominators, dividing by a monomial) or in a numerator and a denominator field checked by
// the row's "Prüfen" (cancelling, multiplying, dividing).

#include "practice/exercise_window.h"
#include "topics/fractions/fraction_exercise.h"

namespace kalkora {

class TfrmBruchU : public ExerciseWindow {
  Q_OBJECT

 public:
  TfrmBruchU();

  // Reads the kind and level from the selection, then starts a practice run.
  void FormActivate() override;

  const fractions::FractionExercise& exercise() const { return exercise_; }

 protected:
  QString caption() const override;
  Text instruction() const override;
  Text changeInstruction() const override;
  void generateItem(int item) override;
  ItemFlags& flags(int item) override;
  RowAnswer rowAnswer(int item) const override;
  Text expectedAnswer(int item) const override;
  std::vector<Text> expectedFieldTexts(int item) const override;
  bool isRight(int item, const std::vector<Text>& typed) const override;
  Text solutionText(int item) const override;
  KeyFilter keyFilter(int item) const override;
  int fieldWidth(int item, int field) const override;
  // Measures each row, writes its layout values and moves its fields to their places.
  void itemsPrepared() override;
  void pntUebPaint(QPainter& painter) override;

 private:
  // Three rows 200 pixels apart: faces at 100, 300, 500, the numerator (or only) field and
  // the denominator field, and a "Prüfen" per row.
  static Layout Rows();
  std::vector<Text> typedTexts(int item) const;

  fractions::FractionExercise exercise_;
};

}  // namespace kalkora

#pragma once
// frmPolynomeU: practice runs of polynomial items of the kinds "Polynom·Monom",
// "Polynom·Polynom", "Formeln für Binome" and "Herausheben" (selection::selPolyExercise 1, 2,
// 3, 5) at the level selection::selLevel. Besides the practice run it shows a hint for the
// kind and level (lblZusatz), takes exponents typed with one caret (‹x^10›) and lets only the
// item's letters (and the brackets of a product answer) into the answer fields.

#include <QLabel>

#include "practice/exercise_window.h"

namespace kalkora {

struct TPolynom;

class TfrmPolynomeU : public ExerciseWindow {
  Q_OBJECT

 public:
  TfrmPolynomeU();
  void FormActivate() override;

  // The kind and level of the run from the selection state (kind 1 and level 1 when unset).
  static int Kind();
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
  void makeChildren() override;

 private:
  void showHint();
  void drawItem(QPainter& painter, int item) const;

  QLabel* lblZusatz_ = nullptr;
};

}  // namespace kalkora

#pragma once
// frmErgaenzen: practice runs of "Formeln ergänzen" at the level selection::selLevel. Each row
// shows a binomial formula, multiplied out, with two or three gaps; an answer field (edtA,
// edtB, edtC) sits in each gap, exactly as wide as the gap, and the row's "Prüfen" judges all
// its gaps at once.

#include <functional>

#include "practice/exercise_window.h"

namespace kalkora {

struct TErgaenzen;

class TfrmErgaenzen : public ExerciseWindow {
  Q_OBJECT

 public:
  TfrmErgaenzen();

  // The level of the run from the selection state (Stufe 1 when unset).
  static int Level();

  // For tests and tools: item i is made by `maker` instead of the level's generator (an empty
  // function brings the generator back), so that chosen formulas can be laid out and looked at.
  static void SetItemMakerForTesting(std::function<void(int item)> maker);

 protected:
  QString caption() const override;
  Text instruction() const override;
  Text changeInstruction() const override;
  Text instructionAfterEvaluation() const override;
  void generateItem(int item) override;
  ItemFlags& flags(int item) override;
  RowAnswer rowAnswer(int item) const override;
  Text expectedAnswer(int item) const override;
  std::vector<Text> expectedFieldTexts(int item) const override;
  bool isRight(int item, const std::vector<Text>& typed) const override;
  Text solutionText(int item) const override;
  Text emptyFieldsMessage(int item, int empty, int fields) const override;
  bool refocusButtonAfterWrong() const override { return true; }
  KeyFilter keyFilter(int item) const override;
  int fieldWidth(int item, int field) const override;
  void itemsPrepared() override;
  void pntUebPaint(QPainter& painter) override;

 private:
  // Moves the answer fields of an open row starting at page x into their gaps and draws its
  // pieces (with a painter); returns the row's width in page units.
  double layOutOpenRow(QPainter* painter, int item, double x);
  void drawItem(QPainter& painter, int item);

  // The page x where the rows of the pass start.
  double rowX_ = -30;
};

}  // namespace kalkora

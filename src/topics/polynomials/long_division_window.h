#pragma once
// frmBruchU3: written division of a polynomial by a polynomial of two or three terms, one line
// at a time ("Bruchterme › Übungsbeispiele › Dividieren durch Terme", Stufe 2 without and
// Stufe 3 with a remainder). A run has three divisions, one per pass.
//
// Each answer has its own field, moved over the place where the answer is then written; one
// field is shown at a time. The field is judged when the learner presses Enter in it (two
// attempts, half a point for a right second answer); a right answer, or a second wrong one,
// shows the next field. Leaving the field judges nothing: the only control to leave it for is
// "Weiter", which replaces the division at any moment without cost, and only a finished
// division moves the run on to its next pass.

#include <QLabel>
#include <array>

#include "frame/kalkora_window.h"
#include "practice/answer_field.h"
#include "practice/practice_controls.h"
#include "topics/polynomials/long_division_drawing.h"
#include "topics/polynomials/long_division_exercise.h"

namespace kalkora {

class TfrmBruchU3 : public KalkoraWindow {
  Q_OBJECT

 public:
  // edt01 … edt08 the lines, edt09 … edt12 the quotient terms.
  static constexpr int kFields = 12;

  TfrmBruchU3();
  // Starts a practice run (when the window opens and after the evaluation).
  void FormActivate() override;

  AnswerField* answerField(int number) const;
  // The field of the answer asked now; null once the division is finished.
  AnswerField* currentField() const;
  const long_division_exercise::DivisionProgress& progress() const { return progress_; }
  const long_division_drawing::DivisionLayout& divisionLayout() const { return layout_; }

 protected:
  void makeChildren() override;

 private:
  static int Level();
  void showNewDivision();
  void placeField(const fractions::DivisionStep& step);
  void showMessage(const Text& text, practice::MessageColour colour);
  // Enter in field `number`: judges it when it is the field of the answer asked now.
  void edtEnter(int number);
  // After a right answer or a second wrong one: the next field, or the end of the division.
  void moveOn(AnswerField& answered);
  void edtChange();
  void btnWeiterClick();
  void pntUebPaint(QPainter& painter);

  QWidget* pntUeb_ = nullptr;
  QLabel* lblAnzeige_ = nullptr;
  std::array<AnswerField*, kFields> fields_{};
  PracticeControls controls_;
  long_division_exercise::DivisionProgress progress_;
  long_division_drawing::DivisionLayout layout_;
};

}  // namespace kalkora

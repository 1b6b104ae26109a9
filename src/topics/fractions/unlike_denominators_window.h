#pragma once
// frmBruchU2: adding and subtracting fractions with unlike denominators, one item per pass
// worked in five stages (factorise the denominators, the main denominator, the extension
// factors, the extended numerators, the result). Each stage has its fields and a small check
// button and is judged as one answer of the practice run; after a right answer or a second
// wrong one the next stage opens. Three passes, then "Auswertung".
//
// The stages, their checks, texts and keys are engine code (unlike_denominators_stages.h,
// …_texts.h, …_lines.h); the page is drawn by UnlikeSheet; this window holds the controls
// and applies what the engine decides.

#include <QLabel>
#include <QPushButton>
#include <array>

#include "frame/kalkora_window.h"
#include "practice/answer_field.h"
#include "practice/practice_controls.h"
#include "topics/fractions/unlike_denominators_sheet.h"

namespace kalkora {

class TfrmBruchU2 : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmBruchU2();
  void FormActivate() override;

  // edt01 … edt12 and the check buttons btn01 … btn05 of the stages.
  AnswerField* answerField(int field) const;
  QPushButton* checkButton(int stage) const;
  QLabel* instructionLabel() const { return lblAnzeige_; }
  QWidget* paintBox() const { return pntUeb_; }
  // The open stage (Schritt): 1 … 5, 6 when the item is finished.
  int stage() const { return Schritt; }

 protected:
  void makeChildren() override;

 private:
  friend class UnlikePaintBox;

  void pntUebPaint(QPainter& painter);
  // Any check button: the open stage is judged.
  void btnClick();
  void btnWeiterClick();
  void btnAuswertungClick();

  // A new item for the pass: fields emptied, the first stage opened.
  void prepareItem();
  // Shows the fields and button of `stage` (the previous ones hidden) and moves the focus.
  void openStage(int stage);
  fractions::UnlikeSheetState sheetState() const;
  // Puts every field and button where the sheet says.
  void placeControls();
  void showMessage(const Text& text, practice::MessageColour colour);
  std::vector<Text> stageTexts() const;

  QLabel* lblAnzeige_ = nullptr;
  QWidget* pntUeb_ = nullptr;
  std::array<AnswerField*, 13> fields_{};  // 1 … 12
  std::array<QPushButton*, 6> buttons_{};  // 1 … 5
  std::array<int, 13> fieldWidths_{};
  PracticeControls controls_;

  int Schritt = 1;      // the open stage; 6 once the result is judged
  bool Fertig = false;  // the result stage is judged: "Weiter" may start the next pass
  // What each field of a finished stage shows (FeldRichtig and the texts).
  std::array<fractions::ShownAnswer, 13> shown_{};
};

}  // namespace kalkora

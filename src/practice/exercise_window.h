#pragma once
// The exercise window of a practice run: items in rows with a status face, two result
// pictures and the row's answer fields, the instruction and feedback line, the counters of the
// pass, and "Weiter" over "Auswertung". The window runs the practice run; a topic supplies its
// items, texts and drawing through the hooks below.
//
// A row is answered in one field judged when the learner leaves it, or in up to three fields
// (a numerator over a denominator, or the gaps of a formula) judged together by the row's
// "Prüfen" button; the topic chooses per row and item (`rowAnswer`).

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "base/text.h"
#include "drawing/page.h"
#include "frame/kalkora_window.h"
#include "frame/status_pictures.h"
#include "practice/answer_field.h"
#include "practice/item_flags.h"
#include "practice/practice_controls.h"
#include "practice/practice_run.h"

namespace kalkora {

class ExerciseWindow : public KalkoraWindow {
  Q_OBJECT

 public:
  // Starts a practice run (when the window opens and after the evaluation).
  void FormActivate() override;

  int itemCount() const { return layout_.items; }
  // Field 1 … fieldsPerRow of item i; field 1 is the only one of a one-field row.
  AnswerField* answerField(int item, int field = 1) const;
  int fieldsPerRow() const { return static_cast<int>(layout_.fields.size()); }
  // The "Prüfen" button of item i (null in windows without them).
  QPushButton* checkButton(int item) const { return row(item).button; }
  QLabel* instructionLabel() const { return lblAnzeige_; }

  // A row's text ends left of the result pictures (page x 40, their column at pixel 910): a
  // finished line that would reach them is drawn smaller, down to this size, never cut.
  static constexpr double kRowTextEndX = 39;
  static constexpr int kSmallestRowTextSize = 10;
  // The size at which a finished line drawn from x ends left of the result pictures.
  static int FinishedRowSize(double x, TextView line);

 protected:
  // One answer field of a row: its name ("edt", "edtZ" …, the item number follows) and its
  // top relative to the top of the row's face.
  struct FieldPlace {
    QString name;
    int top = 20;
  };
  struct Layout {
    int items = 5;
    int firstRowTop = 100;  // top of the first row's face
    int rowStep = 100;      // from one row to the next
    int resultTop = 20;     // the result pictures, below the top of the face
    int fieldLeft = 700;    // at design time; the topic places the fields when it draws
    std::vector<FieldPlace> fields{{QStringLiteral("edt"), 20}};
    bool checkButtons = false;           // a "Prüfen" button (btn1 …) per row
    QRect checkButton{800, 20, 80, 30};  // its left, top below the face's top, and size
    int counterHeight = 55;  // the height of the group boxes " Versuche " and " Punkte "
    // The page row of item i: y = pageRowY − pageRowStep·i.
    double pageRowY = 30;
    double pageRowStep = 10;
  };
  ExerciseWindow(const WindowDesign& design, const Layout& layout);

  // How an item's row is answered: in `fields` fields (1 … fieldsPerRow), judged by the row's
  // "Prüfen" button, or, without it, when the learner leaves its one field.
  struct RowAnswer {
    int fields = 1;
    bool checkButton = false;
  };

  // ---- what the topic supplies ----
  virtual QString caption() const = 0;
  virtual Text instruction() const = 0;
  // The instruction shown again when the learner changes a field (the same by default).
  virtual Text changeInstruction() const { return instruction(); }
  // The instruction of the run that starts when the evaluation closes (the same by default).
  virtual Text instructionAfterEvaluation() const { return instruction(); }
  // Fills item i (1 … itemCount) of the topic's array for the level.
  virtual void generateItem(int item) = 0;
  virtual ItemFlags& flags(int item) = 0;
  virtual RowAnswer rowAnswer(int /*item*/) const { return {}; }
  // The expected answer of a one-field row, in input form.
  virtual Text expectedAnswer(int item) const = 0;
  // The expected text of each field of the row (the one-field answer by default); the fields
  // are made wide enough to show them.
  virtual std::vector<Text> expectedFieldTexts(int item) const { return {expectedAnswer(item)}; }
  // Whether the learner's texts (one per field of the row) are right: each equals its
  // expected text by default.
  virtual bool isRight(int item, const std::vector<Text>& typed) const;
  // The solution quoted after the second wrong answer.
  virtual Text solutionText(int item) const = 0;
  // The information box when "Prüfen" finds `empty` of the row's `fields` fields empty.
  virtual Text emptyFieldsMessage(int item, int empty, int fields) const;
  // Where the focus goes after a first wrong answer checked by "Prüfen": the row's first field
  // (to correct it), or its button.
  virtual bool refocusButtonAfterWrong() const { return false; }
  virtual KeyFilter keyFilter(int item) const = 0;
  // The width in pixels of field `field` of item i by the topic's rule (Feldbreite + 20).
  virtual int fieldWidth(int item, int field) const = 0;
  // Called after the items are made, e.g. to measure prefixes and place the fields.
  virtual void itemsPrepared() {}
  // Draws the items on the paint box (pntUebPaint), and places the answer fields.
  virtual void pntUebPaint(QPainter& painter) = 0;

  // ---- for the topic's drawing ----
  // The page of the paint box: x −50 … 50, y −30 … 30 on 1000 × 600 pixels (10 pixels a unit,
  // origin at pixel (500, 300)); SetExercisePage makes it current at the start of pntUebPaint.
  static const Page& ExercisePage();
  static void SetExercisePage();
  // The page row of item i (y = 30 − 10·i in the standard layout), level with its field.
  double RowY(int item) const;
  // Places field 1 of item i 10 pixels right of the page point (x, RowY(i)) where its prefix
  // ends (20 pixels right of that point's pixel in the window, as the paint box stands 10
  // pixels in).
  void placeFieldAfter(int item, double prefixEndX);
  // Places field `field` of item i with its left edge at x (client pixels of the paint box),
  // at its designed height.
  void placeField(int item, int paintBoxX, int field = 1);
  // Places field `field` of item i with its top-left corner at (x, y), pixels of the window's
  // client area.
  void moveField(int item, int field, QPoint topLeft);
  // The paint-box pixel of a page point.
  static QPoint PagePixel(double x, double y);
  // The width field `field` of item i gets: the topic's rule, and at least the expected text
  // as the field shows it plus 20 pixels.
  int shownFieldWidth(int item, int field) const;
  // The learner's text in field `field` of item i (drawn in rose after two wrong answers).
  QString typedText(int item, int field = 1) const;
  // The size (points, bold) of the rows' texts.
  static constexpr int kRowTextSize = 18;
  // An answer field is this much wider than the expected answer it shows.
  static constexpr int kFieldMargin = 20;
  // The prefix followed by the answer in "#" marks: the solution when the item was answered
  // right, otherwise the learner's text.
  Text answeredLine(int item, Text prefix, bool right, TextView solution) const;
  // How an open row draws the marks of its prefix: in the markup colours, or all black ("#"
  // only switches between black and black, every other character is drawn as it stands).
  enum class OpenRowMarks { Coloured, Black };
  // Draws the prefix of an open row at (x, y), left-aligned.
  static void DrawOpenRow(QPainter& painter, double x, double y, TextView prefix,
                          OpenRowMarks marks);
  // Draws a finished row at (x, y): black, with the "#"-marked answer in violet when it was
  // right and in rose when the solution was shown; smaller where it would reach the result
  // pictures.
  static void DrawFinishedRow(QPainter& painter, double x, double y, TextView line, bool right);
  QWidget* paintBox() const;

  // ---- the practice run ----
  void edtExit(int item);
  void btnClick(int item);
  void btnWeiterClick();
  void btnAuswertungClick();
  void edtChange();

  void showMessage(const Text& text, practice::MessageColour colour);
  void showInstruction();

  void makeChildren() override;

 private:
  struct Row {
    QLabel* face = nullptr;    // img1 … img5
    QLabel* first = nullptr;   // imgZ11 …
    QLabel* second = nullptr;  // imgZ12 …
    std::vector<AnswerField*> fields;
    QPushButton* button = nullptr;  // "Prüfen"
  };
  const Row& row(int item) const { return rows_.at(static_cast<std::size_t>(item - 1)); }
  const RowAnswer& answerOf(int item) const {
    return answers_.at(static_cast<std::size_t>(item - 1));
  }

  void prepareItems();
  void setFace(int item, Face face);
  // The texts of the row's shown fields.
  std::vector<Text> rowTexts(int item) const;
  // Judges the row's texts and shows the verdict.
  void judge(int item, const std::vector<Text>& typed);
  // A row is open while it can still be answered: its field empty (a row judged on leaving),
  // or its "Prüfen" shown (a row judged by the button).
  bool isOpen(int item) const;
  int openRowCount() const;
  // The first empty shown field of item i, else its button (or its first field).
  QWidget* firstUnansweredControl(int item) const;

  Layout layout_;
  std::vector<RowAnswer> answers_;
  QLabel* lblAnzeige_ = nullptr;
  QWidget* pntUeb_ = nullptr;
  std::vector<Row> rows_;
  PracticeControls controls_;  // counters, "Weiter" and "Auswertung"
};

}  // namespace kalkora

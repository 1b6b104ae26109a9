#pragma once
// The exercise window of a practice run: items in rows with a status face, two result
// pictures and an answer field each, the instruction and feedback line, the counters of the
// pass, and "Weiter" over "Auswertung". The window runs the practice run; a topic supplies its
// items, texts and drawing through the hooks below.

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
#include "practice/practice_run.h"

namespace kalkora {

class ExercisePaintBox;

class ExerciseWindow : public KalkoraWindow {
  Q_OBJECT

 public:
  // Starts a practice run (when the window opens and after the evaluation).
  void FormActivate() override;

  int itemCount() const { return static_cast<int>(rows_.size()); }
  AnswerField* answerField(int item) const { return row(item).field; }
  QLabel* instructionLabel() const { return lblAnzeige_; }

  // A row's text ends left of the result pictures (page x 40, their column at pixel 910): a
  // finished line that would reach them is drawn smaller, down to this size, never cut.
  static constexpr double kRowTextEndX = 39;
  static constexpr int kSmallestRowTextSize = 10;
  // The size at which a finished line drawn from x ends left of the result pictures.
  static int FinishedRowSize(double x, TextView line);

 protected:
  struct Layout {
    int items = 5;
    int firstRowTop = 100;   // top of the first row's face; the result pictures are 20 lower
    int rowStep = 100;       // from one row to the next
    int fieldLeft = 700;     // at design time; the paint handler places the field after its prefix
    int counterHeight = 55;  // the height of the group boxes " Versuche " and " Punkte "
  };
  ExerciseWindow(const WindowDesign& design, const Layout& layout);

  // ---- what the topic supplies ----
  virtual QString caption() const = 0;
  virtual Text instruction() const = 0;
  // Fills item i (1 … itemCount) of the topic's array for the level.
  virtual void generateItem(int item) = 0;
  virtual ItemFlags& flags(int item) = 0;
  // Whether the learner's text is the expected answer (exact comparison by default).
  virtual bool isRight(int item, const Text& typed) const { return typed == expectedAnswer(item); }
  virtual Text expectedAnswer(int item) const = 0;
  // The solution quoted after the second wrong answer.
  virtual Text solutionText(int item) const = 0;
  virtual KeyFilter keyFilter(int item) const = 0;
  // The answer field's width in pixels (Feldbreite + 20).
  virtual int fieldWidth(int item) const = 0;
  // Called after the items are made, e.g. to measure prefixes.
  virtual void itemsPrepared() {}
  // Draws the items on the paint box (pntUebPaint), and places the answer fields.
  virtual void pntUebPaint(QPainter& painter) = 0;

  // ---- for the topic's drawing ----
  // The page of the paint box: x −50 … 50, y −30 … 30 on 1000 × 600 pixels (10 pixels a unit,
  // origin at pixel (500, 300)); SetExercisePage makes it current at the start of pntUebPaint.
  static const Page& ExercisePage();
  static void SetExercisePage();
  // Item i stands on the page row y = 30 − 10·i, level with its answer field.
  static double RowY(int item);
  // Places the answer field of item i 10 pixels right of the page point (x, RowY(i)) where its
  // prefix ends (20 pixels right of that point's pixel in the window, as the paint box stands
  // 10 pixels in).
  void placeFieldAfter(int item, double prefixEndX);
  // The learner's text of item i (drawn in rose after two wrong answers).
  QString typedText(int item) const;
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
  // Places the answer field of item i with its left edge at x (client pixels of the paint box).
  void placeField(int item, int paintBoxX);
  QWidget* paintBox() const;

  // ---- the practice run ----
  void edtExit(int item);
  void btnWeiterClick();
  void btnAuswertungClick();
  void edtChange();

  void showMessage(const Text& text, practice::MessageColour colour);
  void showInstruction();

 private:
  struct Row {
    QLabel* face = nullptr;    // img1 … img5
    QLabel* first = nullptr;   // imgZ11 …
    QLabel* second = nullptr;  // imgZ12 …
    AnswerField* field = nullptr;
  };
  const Row& row(int item) const { return rows_.at(static_cast<std::size_t>(item - 1)); }

  void prepareItems();
  // Shows "Weiter" or, in its place, "Auswertung".
  void setWeiterShown(bool shown);
  void updateCounterLabels(bool pointsWithDecimal);
  void setFace(int item, Face face);
  int emptyFieldCount() const;
  int firstEmptyField() const;

  QLabel* lblAnzeige_ = nullptr;
  ExercisePaintBox* pntUeb_ = nullptr;
  std::vector<Row> rows_;
  QLabel* lblDurchgang_ = nullptr;
  QLabel* lblAktVersuche_ = nullptr;
  QLabel* lblAktPunkte_ = nullptr;
  QPushButton* btnWeiter_ = nullptr;
  QPushButton* btnAuswertung_ = nullptr;

  friend class ExercisePaintBox;
};

}  // namespace kalkora

#pragma once
// The worked-example window: freshly generated examples at the level chosen in the radio group
// " Auswahl ", renewed by "Weitere Beispiele"; nothing is typed or judged. Windows with a
// step-by-step display add a "Weiter" button for it, windows that explain a rule or a step in
// words an instruction label. A topic supplies the examples and their drawing through the
// hooks below.

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "base/text.h"
#include "frame/kalkora_window.h"

namespace kalkora {

class ExampleWindow : public KalkoraWindow {
  Q_OBJECT

 public:
  // Opens at "Stufe 1" (selLevel := 1) with new examples.
  void FormActivate() override;

  // The level radio group (grpStufe) and "Weitere Beispiele" (btnNochmals), for tests.
  QRadioButton* levelButton(int level) const {
    return levels_.at(static_cast<std::size_t>(level - 1));
  }
  QPushButton* moreExamplesButton() const { return btnNochmals_; }
  // "Weiter" of the step-by-step display and the menu item that starts a step-by-step display
  // (menDarstellung), of a window that has them, else null.
  QPushButton* stepButton() const { return btnWeiter_; }
  QAction* stepMenuItem() const { return menDarstellung_; }
  // The instruction label (lblAnzeige) of a window that has one, else null; for tests.
  QLabel* instructionLabel() const { return lblAnzeige_; }

 protected:
  struct Layout {
    QRect paintBox{10, 10, 1000, 700};    // pnt
    QRect levelGroup{20, 655, 260, 55};   // grpStufe
    QRect moreButton{824, 665, 176, 40};  // btnNochmals
    QRect stepButton;                     // btnWeiter of the step-by-step display; empty: none
    QRect instructionLabel;               // lblAnzeige over the paint box; empty: none
    QString stepMenuCaption;              // menDarstellung in the menu bar; empty: none
  };
  ExampleWindow(const WindowDesign& design, const Layout& layout);

  // ---- what the topic supplies ----
  // Makes new examples for selLevel (the window has set Randomize and the level).
  virtual void generateExamples() = 0;
  // Draws the examples on the paint box (pntPaint).
  virtual void pntPaint(QPainter& painter) = 0;
  // Steps of the step-by-step display ("Weiter"); the window shows the button where it has one.
  virtual void btnWeiterClick() {}
  // The menu item that starts a step-by-step display.
  virtual void menDarstellungClick() {}

  // The level chosen in the radio group (selLevel), 1 … 3.
  static int Level();

  // The page of the paint box: x −50 … 50, y −35 … 35 on 1000 × 700 pixels (10 pixels a unit);
  // pntPaint makes it current before it draws.
  static void SetExamplePage();
  // The size (points, bold) of most example texts.
  static constexpr int kTextSize = 18;

  // The controls of a step-by-step display: "Weiter" shown or hidden, the level group and
  // "Weitere Beispiele" enabled or not (disabled while steps run, so a learner finishes or
  // leaves them), the menu item shown or hidden. Opening the window restores all three: "Weiter"
  // hidden, the choice enabled, the menu item shown.
  void showStepButton(bool shown);
  void enableChoice(bool enabled);
  void showStepMenuItem(bool shown);
  bool choiceEnabled() const;
  // "Weitere Beispiele" alone enabled or not, the level group as it is: a step-by-step example
  // that is renewed only by a level change. Opening the window and enableChoice(true) enable it.
  void enableMoreExamples(bool enabled);
  // Shows the text (lines separated by "\n") in the instruction label, in the colour: Arial
  // bold 19 pixels, centred both ways, word-wrapped. Does nothing in a window without one.
  void showInstruction(TextView text, const QColor& colour);
  QWidget* paintBox() const;

  void grpStufeClick(int level);
  void btnNochmalsClick();

 protected:
  void makeChildren() override;

 private:
  Layout layout_;
  QWidget* pnt_ = nullptr;
  std::array<QRadioButton*, 3> levels_{};
  QButtonGroup* levelGroup_ = nullptr;
  QPushButton* btnNochmals_ = nullptr;
  QPushButton* btnWeiter_ = nullptr;
  QLabel* lblAnzeige_ = nullptr;
  QGroupBox* grpStufe_ = nullptr;
  QAction* menDarstellung_ = nullptr;
};

}  // namespace kalkora

// The worked-example window as a learner uses it: levels, "Weitere Beispiele", reopening.

#include "practice/example_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <vector>

#include "base/random.h"
#include "base/selection.h"
#include "program_test.h"

namespace kalkora {
namespace {

using test::ProcessEvents;

class CountingExamples : public ExampleWindow {
 public:
  CountingExamples()
      : ExampleWindow(WindowDesign{"frmExamples", "Beispiele", QSize(1016, 722)}, Layout{}) {}

  std::vector<int> generatedAtLevel;  // selLevel at each generation
  int lastDraw = -1;                  // a random draw of the last generation

 protected:
  void generateExamples() override {
    generatedAtLevel.push_back(selection::selLevel);
    lastDraw = Random(1000000);
  }
  void pntPaint(QPainter&) override {}
};

class ExampleWindowTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ClearFixedRandomSeed();  // every generation draws anew
    window = std::make_unique<CountingExamples>();
    mainWindow().openModal(*window);
    ProcessEvents();
  }
  void TearDown() override {
    window.reset();
    ProgramTest::TearDown();
  }
  std::unique_ptr<CountingExamples> window;
};

TEST_F(ExampleWindowTest, OpensAtStufe1WithExamples) {
  EXPECT_EQ(selection::selLevel, 1);
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  EXPECT_EQ(window->generatedAtLevel, std::vector<int>{1});
  EXPECT_EQ(window->levelButton(2)->text(), "Stufe 2");
  EXPECT_EQ(window->moreExamplesButton()->text(), "Weitere Beispiele");
}

TEST_F(ExampleWindowTest, ChangingTheLevelMakesExamplesOfThatLevelAtOnce) {
  QTest::mouseClick(window->levelButton(3), Qt::LeftButton);
  EXPECT_EQ(selection::selLevel, 3);
  EXPECT_EQ(window->generatedAtLevel, (std::vector<int>{1, 3}));
  const int before = window->lastDraw;
  QTest::mouseClick(window->moreExamplesButton(), Qt::LeftButton);
  EXPECT_EQ(window->generatedAtLevel, (std::vector<int>{1, 3, 3}));  // the level stays
  EXPECT_NE(window->lastDraw, before);
}

TEST_F(ExampleWindowTest, ReopeningStartsAtStufe1) {
  QTest::mouseClick(window->levelButton(2), Qt::LeftButton);
  window->close();
  ProcessEvents();
  mainWindow().openModal(*window);
  ProcessEvents();
  EXPECT_EQ(selection::selLevel, 1);
  EXPECT_TRUE(window->levelButton(1)->isChecked());
  EXPECT_EQ(window->generatedAtLevel.back(), 1);
}

// A window with the optional instruction label: it lies over the paint box, which paints
// the whole page black here, and shows its text in the colour asked for.
class ExplainingExamples : public ExampleWindow {
 public:
  ExplainingExamples()
      : ExampleWindow(WindowDesign{"frmExplaining", "Beispiele", QSize(1016, 722)},
                      WithInstructionLabel()) {}

  void FormActivate() override {
    ExampleWindow::FormActivate();
    showInstruction(u"Eine Regel in Worten", QColor(255, 255, 0));
  }

 protected:
  static Layout WithInstructionLabel() {
    Layout layout;
    layout.instructionLabel = QRect(20, 600, 977, 41);
    return layout;
  }
  void generateExamples() override {}
  void pntPaint(QPainter& painter) override { painter.fillRect(0, 0, 1000, 700, Qt::black); }
};

TEST_F(ExampleWindowTest, TheInstructionLabelIsOptional) {
  EXPECT_EQ(window->instructionLabel(), nullptr);
  EXPECT_EQ(window->findChild<QLabel*>("lblAnzeige"), nullptr);

  ExplainingExamples explaining;
  mainWindow().openModal(explaining);
  ProcessEvents();
  QLabel* label = explaining.instructionLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Eine Regel in Worten");
  // The text is seen in its colour on top of the page, in the label's place.
  const QImage shown = explaining.clientArea()->grab(QRect(20, 600, 977, 41)).toImage();
  int yellow = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if ((shown.pixel(x, y) & 0xFFFFFF) == 0xFFFF00) ++yellow;
    }
  }
  EXPECT_GT(yellow, 100);
  explaining.close();
  ProcessEvents();
}

// A window whose Stufe 2 is one example renewed only by a level change: "Weitere Beispiele" is
// disabled there while the level group stays usable.
class OneExampleAtStufe2 : public ExampleWindow {
 public:
  OneExampleAtStufe2()
      : ExampleWindow(WindowDesign{"frmOne", "Ein Beispiel", QSize(1016, 722)}, Layout{}) {}

 protected:
  void generateExamples() override { enableMoreExamples(selection::selLevel != 2); }
  void pntPaint(QPainter&) override {}
};

TEST_F(ExampleWindowTest, WeitereBeispieleCanBeDisabledAloneAndOpeningEnablesIt) {
  OneExampleAtStufe2 one;
  mainWindow().openModal(one);
  ProcessEvents();
  EXPECT_TRUE(one.moreExamplesButton()->isEnabled());
  QTest::mouseClick(one.levelButton(2), Qt::LeftButton);
  EXPECT_FALSE(one.moreExamplesButton()->isEnabled());
  EXPECT_TRUE(one.levelButton(3)->isEnabled());
  QTest::mouseClick(one.levelButton(3), Qt::LeftButton);
  EXPECT_EQ(selection::selLevel, 3);
  EXPECT_TRUE(one.moreExamplesButton()->isEnabled());
  QTest::mouseClick(one.levelButton(2), Qt::LeftButton);
  one.close();
  ProcessEvents();
  mainWindow().openModal(one);  // opens at Stufe 1
  ProcessEvents();
  EXPECT_TRUE(one.moreExamplesButton()->isEnabled());
  one.close();
  ProcessEvents();
}

// A window with a step-by-step display: its menu item starts three steps, during which only
// "Weiter" can be used; after the last step the choice comes back.
class SteppingExamples : public ExampleWindow {
 public:
  SteppingExamples() : ExampleWindow(Design(), Steps()) {}
  int step = 0;

 private:
  static WindowDesign Design() { return WindowDesign{"frmSteps", "Schritte", QSize(1016, 722)}; }
  static Layout Steps() {
    Layout layout;
    layout.stepButton = QRect(450, 665, 120, 40);
    layout.stepMenuCaption = QStringLiteral("Schrittweise Darstellung");
    return layout;
  }

 protected:
  void generateExamples() override {}
  void pntPaint(QPainter&) override {}
  void menDarstellungClick() override {
    step = 1;
    showStepButton(true);
    enableChoice(false);
    showStepMenuItem(false);
  }
  void btnWeiterClick() override {
    if (++step > 3) {
      showStepButton(false);
      enableChoice(true);
      showStepMenuItem(true);
    }
  }
};

class SteppingWindowTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    window = std::make_unique<SteppingExamples>();
    open();
  }
  void TearDown() override {
    window.reset();
    ProgramTest::TearDown();
  }
  void open() {
    mainWindow().openModal(*window);
    QApplication::setActiveWindow(window.get());
    ProcessEvents();
  }
  bool canUseChoice() const {
    return window->levelButton(2)->isEnabled() && window->moreExamplesButton()->isEnabled();
  }
  std::unique_ptr<SteppingExamples> window;
};

TEST_F(SteppingWindowTest, StepsTakeTheChoiceAwayUntilTheLastStep) {
  ASSERT_NE(window->stepMenuItem(), nullptr);
  EXPECT_EQ(window->stepMenuItem()->text(), "Schrittweise Darstellung");
  EXPECT_FALSE(window->stepButton()->isVisible());
  window->stepMenuItem()->trigger();
  ProcessEvents();
  EXPECT_TRUE(window->stepButton()->isVisible());
  EXPECT_FALSE(window->stepMenuItem()->isVisible());
  EXPECT_FALSE(canUseChoice());
  // A click on a disabled level changes nothing.
  QTest::mouseClick(window->levelButton(3), Qt::LeftButton);
  EXPECT_EQ(selection::selLevel, 1);
  for (int k = 0; k < 3; ++k) {
    window->stepButton()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(window->stepButton(), Qt::Key_Return);  // Enter presses "Weiter"
    ProcessEvents();
  }
  EXPECT_EQ(window->step, 4);
  EXPECT_FALSE(window->stepButton()->isVisible());
  EXPECT_TRUE(canUseChoice());
  EXPECT_TRUE(window->stepMenuItem()->isVisible());
}

TEST_F(SteppingWindowTest, ReopeningAfterAClosingInTheMiddleOfTheStepsStartsClean) {
  window->stepMenuItem()->trigger();
  ProcessEvents();
  window->stepButton()->click();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  ProcessEvents();
  ASSERT_FALSE(window->isVisible());
  open();
  EXPECT_FALSE(window->stepButton()->isVisible());
  EXPECT_TRUE(canUseChoice());
  EXPECT_TRUE(window->stepMenuItem()->isVisible());
  EXPECT_TRUE(window->levelButton(1)->isChecked());
}

}  // namespace
}  // namespace kalkora

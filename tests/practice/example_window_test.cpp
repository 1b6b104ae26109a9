// The worked-example window as a learner uses it: levels, "Weitere Beispiele", reopening.

#include "practice/example_window.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kalkora

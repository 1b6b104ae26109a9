#pragma once
// A learner at a worked-example window: opens it from the menu, chooses a level, asks for more
// examples, starts a step-by-step display and looks at the page.

#include <QAction>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTest>

#include "program_test.h"

namespace kalkora::test {

template <typename Window>
class ExampleWindowTest : public ProgramTest {
 protected:
  void TearDown() override {
    if (window != nullptr && window->isVisible()) close();
    ProgramTest::TearDown();
  }

  void open(const char* menuItem) {
    clickMenu(QString::fromUtf8(menuItem));
    window = qobject_cast<Window*>(openChildWindow());
    ASSERT_NE(window, nullptr);
    ProcessEvents();
  }
  // The window stays known after closing, so a test can open it again or look at it.
  void close() {
    window->close();
    ProcessEvents();
  }
  void chooseLevel(int level) {
    QTest::mouseClick(window->levelButton(level), Qt::LeftButton);
    ProcessEvents();
  }
  void askForMore() {
    QTest::mouseClick(window->moreExamplesButton(), Qt::LeftButton);
    ProcessEvents();
  }
  // Starts the step-by-step display from the window's menu item.
  void startSteps() {
    ASSERT_TRUE(window->stepMenuItem()->isVisible());
    window->stepMenuItem()->trigger();
    ProcessEvents();
  }
  // The page as the learner sees it.
  QImage painted() const { return window->template findChild<QWidget*>("pnt")->grab().toImage(); }

  Window* window = nullptr;
};

}  // namespace kalkora::test

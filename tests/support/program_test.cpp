#include "program_test.h"

#include <QMenuBar>

#include "app/application.h"
#include "app/window_set.h"
#include "base/random.h"
#include "base/selection.h"
#include "frame/screen.h"

namespace kalkora::test {

void ProcessEvents() {
  QApplication::processEvents();
  QApplication::sendPostedEvents();
}

void ProgramTest::SetUp() {
  selection::ResetSelection();
  SetRandomSeed(20261209);
  StartKalkora();
  ProcessEvents();
}

void ProgramTest::TearDown() {
  DestroyWindows();
  SetScreenSizeForTesting(std::nullopt);
  selection::ResetSelection();
  ClearFixedRandomSeed();
  ProcessEvents();
}

TfrmKalkora& ProgramTest::mainWindow() const { return *Windows().frmKalkora; }

void ProgramTest::clickMenu(const QString& itemName) const {
  auto* item = mainWindow().mainMenu()->findChild<QAction*>(itemName);
  ASSERT_NE(item, nullptr) << itemName.toStdString();
  item->trigger();
  ProcessEvents();
}

QWidget* ProgramTest::openChildWindow() const {
  QWidget* found = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != &mainWindow() && window->isVisible() && qobject_cast<KalkoraWindow*>(window)) {
      found = window;
    }
  }
  return found;
}

}  // namespace kalkora::test

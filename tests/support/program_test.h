#pragma once
// Helpers for UI tests that act as a learner: open windows from the menu, find what is shown.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QString>

#include "app/main_window.h"

namespace kalkora::test {

// Starts the program as the executable does (all windows, main window shown) and takes it
// down again, with the selection state, the screen size and the random seed reset.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TfrmKalkora& mainWindow() const;
  // Triggers the main window's menu item with this object name ("menStufe2Mult").
  void clickMenu(const QString& itemName) const;
  // The one top-level Kalkora window that is visible apart from the main window, or null.
  QWidget* openChildWindow() const;
};

// Lets posted events (show, paint, deferred deletes) run.
void ProcessEvents();

// The visible dialog of this kind and object name that opened last, or null.
template <typename Dialog>
Dialog* ShownDialog(const char* name) {
  Dialog* found = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<Dialog*>(window);
        dialog != nullptr && dialog->isVisible() && dialog->objectName() == name) {
      found = dialog;
    }
  }
  return found;
}

}  // namespace kalkora::test

// The main of every UI test program: an application on the offscreen platform (unless the
// environment names another), 96 dots per inch, set up as the program sets itself up.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "app/application.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_FONT_DPI", "96");
  // An English setting: the program writes its numbers the German way on every machine, and
  // the tests must see it do so where the machine's own setting would write "0.5".
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  kalkora::PrepareApplication(app);
  return RUN_ALL_TESTS();
}

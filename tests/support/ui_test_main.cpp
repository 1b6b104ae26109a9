// The main of every UI test program: an application on the offscreen platform (unless the
// environment names another), 96 dots per inch, set up as the program sets itself up.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "app/application.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_FONT_DPI", "96");
  // The texts are written for the German setting: decimal comma.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria));
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  kalkora::PrepareApplication(app);
  return RUN_ALL_TESTS();
}

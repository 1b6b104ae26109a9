// Kalkora's start (the same start function as the program) until the main window's first paint.

#include <QApplication>

#include "app/application.h"
#include "app/main_window.h"
#include "app/window_set.h"
#include "first_paint.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kalkora::PrepareApplication(app);
  QuitAfterFirstPaint quitter;
  kalkora::TfrmKalkora& main = kalkora::StartKalkora();
  main.installEventFilter(&quitter);
  const int result = QApplication::exec();
  kalkora::DestroyWindows();
  return result;
}

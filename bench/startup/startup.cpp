// Kalkora's start (the same start function as the program) until the main window's first paint.

#include <QApplication>

#include "first_paint.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/window_set.h"

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

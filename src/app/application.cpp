#include "app/application.h"

#include <QApplication>

#include "app/main_window.h"
#include "app/window_set.h"
#include "drawing/fonts.h"

namespace kalkora {

void PrepareApplication(QApplication& app) {
  // The main window ends the program when it closes; while a child window is open the main
  // window is hidden, and closing that child must not end it.
  app.setQuitOnLastWindowClosed(false);
  // "Arial" and the Symbol glyphs come from the program's own resources, so every text has the
  // same widths on every machine.
  LoadProgramFonts();
}

TfrmKalkora& StartKalkora() {
  CreateWindows();
  TfrmKalkora& main = *Windows().frmKalkora;
  main.centreOnScreen();
  main.show();
  main.FormActivate();
  return main;
}

}  // namespace kalkora

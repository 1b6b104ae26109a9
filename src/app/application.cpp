#include "app/application.h"

#include <QApplication>
#include <QIcon>

#include "app/main_window.h"
#include "app/title_page.h"
#include "app/window_set.h"
#include "drawing/fonts.h"
#include "frame/sized_icon.h"

namespace kalkora {

void PrepareApplication(QApplication& app) {
  // The main window ends the program when it closes; while a child window is open the main
  // window is hidden, and closing that child must not end it.
  app.setQuitOnLastWindowClosed(false);
  // The title page's picture is decoded meanwhile.
  StartDecodingSampleTerms();
  // "Arial" and the Symbol glyphs come from the program's own resources, so every text has the
  // same widths on every machine.
  LoadProgramFonts();
  // The desktop pairs the windows with the installed desktop entry (name and icon in the task
  // bar) by this name; the window icon is the picture that entry installs, in its PNG sizes.
  QGuiApplication::setDesktopFileName(QStringLiteral(KALKORA_APPLICATION_ID));
  QApplication::setWindowIcon(
      SizedIcon(QStringLiteral(":/icons/%1x%1/kalkora.png"), {16, 32, 48, 64, 128, 256}));
}

TfrmKalkora& StartKalkora() {
  CreateWindows();
  TfrmKalkora& main = *Windows().frmKalkora;
  main.centreOnScreen();
  main.show();
  main.FormActivate();
  return main;
}

int RunKalkora() {
  StartKalkora();
  const int result = QApplication::exec();
  DestroyWindows();
  return result;
}

}  // namespace kalkora

#pragma once
// Program start, shared by the program, the tests, the tools and the start-up benchmark.

class QApplication;

namespace kalkora {

class TfrmKalkora;

// Settings of the application object that every start needs (fonts, quitting).
void PrepareApplication(QApplication& app);

// Creates the 18 windows and shows the main window, centred on the screen.
TfrmKalkora& StartKalkora();

// The program's whole life after PrepareApplication: starts it, runs the event loop until the
// main window closes and destroys the windows. Returns the event loop's result.
int RunKalkora();

}  // namespace kalkora

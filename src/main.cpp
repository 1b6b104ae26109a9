#include <QApplication>

#include "app/application.h"
#include "app/command_line.h"

int main(int argc, char* argv[]) {
  // Options of the program (--help, --version, --worksheet …) are answered without a window.
  if (kalkora::WantsCommandLine(kalkora::ArgumentsOf(argc, argv))) {
    return kalkora::RunWithoutWindow(argc, argv);
  }
  QApplication app(argc, argv);
  kalkora::PrepareApplication(app);
  return kalkora::RunKalkora();
}

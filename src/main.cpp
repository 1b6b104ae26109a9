#include <QApplication>

#include "app/application.h"
#include "app/window_set.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kalkora::PrepareApplication(app);
  kalkora::StartKalkora();
  const int result = QApplication::exec();
  kalkora::DestroyWindows();
  return result;
}

// The floor for the start-up measurement: a bare Qt Widgets program that creates 18 empty
// windows, shows the first and ends after its first paint.

#include <QApplication>
#include <QWidget>
#include <array>
#include <memory>

#include "first_paint.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::array<std::unique_ptr<QWidget>, 18> windows;
  for (auto& window : windows) {
    window = std::make_unique<QWidget>();
    window->resize(1016, 722);
  }
  QuitAfterFirstPaint quitter;
  windows[0]->installEventFilter(&quitter);
  windows[0]->show();
  return QApplication::exec();
}

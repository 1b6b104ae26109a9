// The floor for the start-up measurement: the least a Qt Widgets program with Kalkora's shape
// pays to start. It creates 18 windows of the designed size, gives the first a menu bar and a
// line of painted text, shows it and ends after its first paint.

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>
#include <array>
#include <memory>

#include "first_paint.h"

namespace {

class TextWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Muster– und Übungsbeispiele"));
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::array<std::unique_ptr<QWidget>, 18> windows;
  windows[0] = std::make_unique<TextWindow>();
  for (auto& window : windows) {
    if (!window) window = std::make_unique<QWidget>();
    window->resize(1016, 745);
  }
  auto* menu = new QMenuBar(windows[0].get());
  menu->addMenu(QStringLiteral("Terme"))->addAction(QStringLiteral("Begriffe"));
  QAction* quit = menu->addAction(QStringLiteral("&Beenden"));
  QObject::connect(quit, &QAction::triggered, &app, &QApplication::quit);

  QuitAfterFirstPaint quitter;
  windows[0]->installEventFilter(&quitter);
  windows[0]->show();
  return QApplication::exec();
}

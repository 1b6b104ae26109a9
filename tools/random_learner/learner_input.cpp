#include "learner_input.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>
#include <QWindow>

namespace kalkora::learner {
namespace {

// The longest wait for a submenu, which the toolkit opens after a short delay.
constexpr int kMenuWaitMilliseconds = 2000;

bool WaitUntilShown(const QWidget& widget) {
  QElapsedTimer waited;
  waited.start();
  while (!widget.isVisible() && waited.elapsed() < kMenuWaitMilliseconds) QTest::qWait(5);
  return widget.isVisible();
}

QPoint Centre(const QRect& rect) { return rect.center(); }

}  // namespace

void Click(QWidget& widget, QPoint point, Qt::MouseButton button, Clicks clicks) {
  QWidget* window = widget.window();
  QWindow* handle = window->windowHandle();
  if (!handle) return;
  const QPoint inWindow = widget.mapTo(window, point);
  // What lies beyond the platform's window is not on the screen.
  if (!QRect(QPoint(0, 0), handle->size()).contains(inWindow)) return;
  if (clicks == Clicks::Double) {
    QTest::mouseDClick(handle, button, Qt::NoModifier, inWindow);
  } else {
    QTest::mouseClick(handle, button, Qt::NoModifier, inWindow);
  }
}

void PressKey(QWidget& window, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QWindow* target = QGuiApplication::focusWindow();
  if (!target) target = window.windowHandle();
  if (!target) return;
  QTest::sendKeyEvent(QTest::Click, target, key, text, modifiers);
}

void TypeText(QWidget& window, const QString& text) {
  for (const QChar c : text) {
    const char latin = c.toLatin1();
    const Qt::Key key = latin > 0x20 && latin < 0x7f ? QTest::asciiToKey(latin) : Qt::Key_unknown;
    const bool upper = c.isUpper();
    PressKey(window, key, QString(c), upper ? Qt::ShiftModifier : Qt::NoModifier);
  }
}

bool ChooseMenuCommand(QMenuBar& bar, const std::vector<QAction*>& path) {
  if (path.empty()) return false;
  const QRect first = bar.actionGeometry(path.front());
  if (first.isEmpty()) return false;
  Click(bar, Centre(first));
  for (std::size_t i = 1; i < path.size(); ++i) {
    QMenu* menu = path[i - 1]->menu();
    if (!menu || !WaitUntilShown(*menu)) return false;
    const QRect item = menu->actionGeometry(path[i]);
    if (item.isEmpty()) return false;
    Click(*menu, Centre(item));
  }
  return true;
}

void OpenAndCancelMenu(QMenuBar& bar, QAction& item, bool byEscape) {
  const QRect place = bar.actionGeometry(&item);
  if (place.isEmpty()) return;
  Click(bar, Centre(place));
  QMenu* menu = item.menu();
  if (!menu || !WaitUntilShown(*menu)) return;
  if (byEscape) {
    PressKey(*bar.window(), Qt::Key_Escape);
    PressKey(*bar.window(), Qt::Key_Escape);  // the first only leaves the menu bar's item
  } else {
    QWidget* window = bar.window();
    Click(*window, QPoint(window->width() / 2, window->height() - 5));
  }
}

void LetTimePass(int passes) {
  for (int pass = 0; pass < passes; ++pass) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

}  // namespace kalkora::learner

#pragma once
// Ends the application right after the first paint of a widget.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class QuitAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painted_ = false;
};

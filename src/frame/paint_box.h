#pragma once
// A paint box (pnt, pntUeb): a child area of a window on which the window draws in its own
// paint handler, with the page coordinates it sets there.

#include <QPainter>
#include <QWidget>
#include <functional>

namespace kalkora {

class PaintBox : public QWidget {
 public:
  using Paint = std::function<void(QPainter&)>;

  PaintBox(QWidget* parent, const QString& name, Paint paint)
      : QWidget(parent), paint_(std::move(paint)) {
    setObjectName(name);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter);
  }

 private:
  Paint paint_;
};

}  // namespace kalkora

#include "practice/bar_gauge.h"

#include <QPainter>
#include <algorithm>

namespace kalkora {

BarGauge::BarGauge(const QColor& bar, QWidget* parent) : QWidget(parent), bar_(bar) {}

void BarGauge::setProgress(int percent) {
  progress_ = std::clamp(percent, 0, 100);
  update();
}

void BarGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inner = rect().adjusted(1, 1, -1, -1);
  painter.fillRect(inner, Qt::white);
  const int barHeight = inner.height() * progress_ / 100;
  painter.fillRect(QRect(inner.left(), inner.bottom() - barHeight + 1, inner.width(), barHeight),
                   bar_);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace kalkora

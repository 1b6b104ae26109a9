#pragma once
// A vertical bar gauge from 0 to 100 that fills from the bottom, without text of its own.

#include <QColor>
#include <QWidget>

namespace kalkora {

class BarGauge : public QWidget {
 public:
  BarGauge(const QColor& bar, QWidget* parent);

  void setProgress(int percent);
  int progress() const { return progress_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor bar_;
  int progress_ = 0;
};

}  // namespace kalkora

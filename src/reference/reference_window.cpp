#include "reference/reference_window.h"


namespace kalkora {

namespace {

class PaintBox : public QWidget {
 public:
  PaintBox(QWidget* parent, std::function<void(QPainter&)> paint)
      : QWidget(parent), paint_(std::move(paint)) {
    setObjectName("pnt");
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter canvas(this);
    paint_(canvas);
  }

 private:
  std::function<void(QPainter&)> paint_;
};

}  // namespace

ReferenceWindow::ReferenceWindow(const WindowDesign& design, QRect paintBox)
    : KalkoraWindow(design) {
  addCloseMenuItem();
  pnt_ = new PaintBox(clientArea(), [this](QPainter& canvas) { pntPaint(canvas); });
  pnt_->setGeometry(paintBox);
}

void ReferenceWindow::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(Qt::white);
}

PagePicture* ReferenceWindow::addPicture(const QString& name, QRect area, PagePicture::Draw draw) {
  return new PagePicture(pnt_, name, area, std::move(draw));
}

}  // namespace kalkora

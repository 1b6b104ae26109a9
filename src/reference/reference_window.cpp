#include "reference/reference_window.h"

#include "frame/paint_box.h"

namespace kalkora {

ReferenceWindow::ReferenceWindow(const WindowDesign& design, QRect paintBox)
    : KalkoraWindow(design), paintBox_(paintBox) {}

void ReferenceWindow::makeChildren() {
  KalkoraWindow::makeChildren();
  addCloseMenuItem();
  pnt_ = new PaintBox(clientArea(), QStringLiteral("pnt"),
                      [this](QPainter& canvas) { pntPaint(canvas); });
  pnt_->setGeometry(paintBox_);
}

void ReferenceWindow::FormActivate() {
  KalkoraWindow::FormActivate();
  setBackground(Qt::white);
}

PagePicture* ReferenceWindow::addPicture(const QString& name, QRect area, PagePicture::Draw draw) {
  return new PagePicture(pnt_, name, area, std::move(draw));
}

}  // namespace kalkora

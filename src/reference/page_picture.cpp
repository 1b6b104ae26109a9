#include "reference/page_picture.h"

namespace kalkora {

PagePicture::PagePicture(QWidget* paintBox, const QString& name, QRect area, Draw draw)
    : QWidget(paintBox->parentWidget()), paintBox_(paintBox), draw_(std::move(draw)) {
  setObjectName(name);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(area.translated(paintBox->pos()));
}

void PagePicture::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  canvas.translate(paintBox_->pos() - pos());
  draw_(canvas);
}

}  // namespace kalkora

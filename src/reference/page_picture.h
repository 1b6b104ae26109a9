#pragma once
// A picture that lies over a paint box: a child widget of its own, shown or hidden by its
// window, that draws its content in the page coordinates of the paint box below it, clipped to
// its own rectangle. White stays transparent: only the content is drawn.

#include <QPainter>
#include <QWidget>
#include <functional>

namespace kalkora {

class PagePicture : public QWidget {
 public:
  using Draw = std::function<void(QPainter& canvas)>;

  // `area` is the picture's rectangle in the pixels of `paintBox` (a sibling of the picture);
  // `draw` sets the paint box's page and draws the content where it lies on that page.
  PagePicture(QWidget* paintBox, const QString& name, QRect area, Draw draw);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* paintBox_;
  Draw draw_;
};

}  // namespace kalkora

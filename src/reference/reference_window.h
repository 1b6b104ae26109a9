#pragma once
// The frame both reference screens share: a white window with the menu item "Schließen", one
// paint box (pnt) that the window draws on, and pictures lying over it.

#include <QPainter>
#include <QRect>

#include "frame/kalkora_window.h"
#include "reference/page_picture.h"

namespace kalkora {

class ReferenceWindow : public KalkoraWindow {
  Q_OBJECT

 public:
  // Sets the palette (and maximises where the window does), then the white background.
  void FormActivate() override;

 protected:
  ReferenceWindow(const WindowDesign& design, QRect paintBox);
  // The menu item "Schließen" and the paint box, made when the window is first shown; a
  // window adds its pictures after calling this.
  void makeChildren() override;

  // Draws the page on the paint box (pntPaint).
  virtual void pntPaint(QPainter& canvas) = 0;
  QWidget* pnt() const { return pnt_; }

  // A picture over the paint box; `area` in the paint box's pixels.
  PagePicture* addPicture(const QString& name, QRect area, PagePicture::Draw draw);

 private:
  QRect paintBox_;
  QWidget* pnt_ = nullptr;
};

}  // namespace kalkora

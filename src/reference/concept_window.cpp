#include "reference/concept_window.h"

#include "base/selection.h"
#include "reference/concept_pages.h"
#include "reference/domain_pictures.h"

namespace kalkora {

namespace {
// The page is 1000 × 700 pixels from (10, 10); the paint box reaches down to the window's edge,
// so that the tail of the "y" in the last line (20 points from page y –32.5) is not cut off:
// it would read as "v".
constexpr QRect kPaintBox(10, 10, 1000, 712);
}  // namespace

TfrmBegriffe::TfrmBegriffe()
    : ReferenceWindow(WindowDesign{QStringLiteral("frmBegriffe"),
                                   QStringLiteral("Begriffe zur Kalkora"), QSize(1016, 722)},
                      kPaintBox) {}

void TfrmBegriffe::makeChildren() {
  ReferenceWindow::makeChildren();
  const auto picture = [this](const QString& name, DomainPicture which) {
    PagePicture* shown = addPicture(name, DomainPictureArea(which), [which](QPainter& canvas) {
      DrawDomainPicture(canvas, which);
    });
    shown->hide();
    return shown;
  };
  imgDef1_ = picture(QStringLiteral("imgDef1"), DomainPicture::Def1);
  imgDef2_ = picture(QStringLiteral("imgDef2"), DomainPicture::Def2);
}

void TfrmBegriffe::FormActivate() {
  ReferenceWindow::FormActivate();
  const ConceptPictures pictures = PicturesOfTopic(selection::selConceptTopic);
  imgDef1_->setVisible(pictures.imgDef1);
  imgDef2_->setVisible(pictures.imgDef2);
}

void TfrmBegriffe::pntPaint(QPainter& canvas) {
  DrawConceptPage(canvas, selection::selConceptTopic);
}

}  // namespace kalkora

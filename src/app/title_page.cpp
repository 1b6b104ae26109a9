#include "app/title_page.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <future>
#include <system_error>
#include <utility>

#include "app/version.h"
#include "drawing/fonts.h"
#include "drawing/jpeg.h"
#include "drawing/markup.h"
#include "drawing/page.h"

namespace kalkora {

namespace {

// pntText: the title texts are painted on it, over the stripes of the window.
class TitleTextBox : public QWidget {
 public:
  explicit TitleTextBox(QWidget* parent) : QWidget(parent) {
    setObjectName("pntText");
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter canvas(this);
    DrawTitleTexts(canvas);
  }
};

}  // namespace

void DrawTitleStripes(QPainter& canvas, QSize outer) {
  // Red stripes 7 pixels high every 5 rows, each a shade lighter, under black lines every 7
  // rows: filled rectangles, the pixels of lines of those widths along the rows.
  for (int row = 0, stripe = 0; row < outer.height(); row += 5, ++stripe) {
    canvas.fillRect(0, row - 3, outer.width(), 7, QColor(std::min(60 + stripe, 255), 0, 0));
  }
  for (int row = 0; row < outer.height(); row += 7) {
    canvas.fillRect(0, row, outer.width(), 1, Qt::black);
  }
}

void DrawTitleTexts(QPainter& canvas) {
  const QColor white(255, 255, 255);
  SetPage(-20, 20, -10, 10, 1000, 670);
  DrawTitle(canvas, 0, 9, u"Kalkora", 36, true, white, white);
  DrawTitle(canvas, 0, 7, u"Muster– und Übungsbeispiele", 24, true, white, white);
}

QByteArray SampleTermsJpeg() {
  QFile file(QStringLiteral(":/pictures/sample_terms.jpg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

namespace {

void showPicture(QLabel& imgTerm, QImage picture) {
  if (picture.isNull()) {
    imgTerm.clear();
  } else {
    // The pixmap takes the decoded pixels over instead of copying them.
    imgTerm.setPixmap(QPixmap::fromImage(std::move(picture)));
  }
}

std::future<QImage>& pendingPicture() {
  static std::future<QImage> pending;
  return pending;
}

}  // namespace

void ShowSampleTerms(QLabel& imgTerm, QByteArrayView jpeg) {
  showPicture(imgTerm, DecodeJpeg(jpeg));
}

void StartDecodingSampleTerms() {
  std::future<QImage>& pending = pendingPicture();
  if (pending.valid()) return;
  try {
    pending =
        std::async(std::launch::async, [jpeg = SampleTermsJpeg()] { return DecodeJpeg(jpeg); });
  } catch (const std::system_error&) {
    // No thread to be had: the title page decodes the picture itself.
  }
}

QImage SampleTermsPicture() {
  std::future<QImage>& pending = pendingPicture();
  // get() leaves the future empty, so a later title page decodes its own.
  if (pending.valid()) return pending.get();
  return DecodeJpeg(SampleTermsJpeg());
}

TitlePage::TitlePage(QWidget* clientArea)
    : QObject(clientArea),
      clientArea_(clientArea),
      pntText_(new TitleTextBox(clientArea)),
      imgTerm_(new QLabel(clientArea)),
      lblVersion_(new QLabel(QStringLiteral("Version " KALKORA_VERSION), clientArea)) {
  setObjectName("titlePage");
  pntText_->setGeometry(8, 8, 1001, 705);

  imgTerm_->setObjectName("imgTerm");
  imgTerm_->setGeometry(288, 192, 440, 440);
  imgTerm_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  showPicture(*imgTerm_, SampleTermsPicture());

  lblVersion_->setObjectName("lblVersion");
  lblVersion_->setFont(ArialPixelFont(16, true));
  lblVersion_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  QPalette colours = lblVersion_->palette();
  colours.setColor(QPalette::WindowText, QColor(255, 255, 255));
  lblVersion_->setPalette(colours);
  lblVersion_->setAutoFillBackground(false);
  placeVersionLabel();
  clientArea->installEventFilter(this);
}

bool TitlePage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == clientArea_ && event->type() == QEvent::Resize) placeVersionLabel();
  return QObject::eventFilter(watched, event);
}

void TitlePage::placeVersionLabel() {
  // Docked to the bottom edge, across the whole width.
  const int height = lblVersion_->sizeHint().height();
  lblVersion_->setGeometry(0, clientArea_->height() - height, clientArea_->width(), height);
}

}  // namespace kalkora

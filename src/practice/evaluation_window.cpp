#include "practice/evaluation_window.h"

#include <QCloseEvent>
#include <QStyle>

#include "drawing/fonts.h"
#include "frame/number_format.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "practice/evaluation.h"
#include "practice/practice_run.h"

namespace kalkora {
namespace {

TfrmAuswertung*& instance() {
  static TfrmAuswertung* window = nullptr;
  return window;
}

int& stepInterval() {
  static int milliseconds = 100;
  return milliseconds;
}

QLabel* label(QWidget* parent, const char* name, QRect place, int pixels, const QColor& colour,
              const QString& text = {}) {
  auto* result = new QLabel(text, parent);
  result->setObjectName(name);
  result->setGeometry(place);
  result->setAlignment(Qt::AlignCenter);
  result->setFont(ArialPixelFont(pixels, true));
  QPalette colours = result->palette();
  colours.setColor(QPalette::WindowText, colour);
  result->setPalette(colours);
  return result;
}

QLabel* panel(QWidget* parent, const char* name, QRect place, const QColor& colour) {
  QLabel* result = label(parent, name, place, 19, colour);
  result->setFrameStyle(QFrame::Panel | QFrame::Raised);
  return result;
}

QString percentText(float share) { return FixedDecimal(share * 100.0, 3) + QStringLiteral(" %"); }

}  // namespace

TfrmAuswertung::~TfrmAuswertung() {
  if (instance() == this) instance() = nullptr;
}

TfrmAuswertung* TfrmAuswertung::Instance() { return instance(); }

void TfrmAuswertung::SetStepIntervalForTesting(int milliseconds) { stepInterval() = milliseconds; }

TfrmAuswertung::TfrmAuswertung()
    : KalkoraWindow(WindowDesign{QStringLiteral("frmAuswertung"), QStringLiteral("Auswertung"),
                                 QSize(392, 433), TitleBarButtons::None, /*hasMenu=*/false,
                                 /*setsPalette=*/false, /*maximises=*/false}) {
  instance() = this;
  connect(&timer_, &QTimer::timeout, this, [this] { showStep(); });
}

void TfrmAuswertung::makeChildren() {
  KalkoraWindow::makeChildren();
  QWidget* client = clientArea();
  const QColor blue(0, 0, 255);
  const QColor red(255, 0, 0);
  lblAnzeige_ = label(client, "lblAnzeige", QRect(5, 0, 385, 44), 16, QColor(102, 153, 51));
  lblAnzeige_->setWordWrap(true);
  label(client, "lblRichtig", QRect(90, 56, 100, 25), 19, blue, QStringLiteral("Richtig"));
  label(client, "lblFalsch", QRect(210, 56, 100, 25), 19, red, QStringLiteral("Falsch"));
  gauRichtig_ = new BarGauge(QColor(185, 233, 249), client);
  gauRichtig_->setObjectName("gauRichtig");
  gauRichtig_->setGeometry(90, 88, 100, 250);
  gauFalsch_ = new BarGauge(QColor(255, 145, 145), client);
  gauFalsch_->setObjectName("gauFalsch");
  gauFalsch_->setGeometry(210, 88, 100, 250);
  lblPRichtig_ = label(client, "lblPRichtig", QRect(90, 204, 100, 19), 19, Qt::black);
  lblPFalsch_ = label(client, "lblPFalsch", QRect(210, 204, 100, 19), 19, Qt::black);
  pnlRichtig_ = panel(client, "pnlRichtig", QRect(90, 352, 100, 32), blue);
  pnlFalsch_ = panel(client, "pnlFalsch", QRect(210, 352, 100, 32), red);
  btnSchliessen_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                   QStringLiteral("Schließen"), client);
  btnSchliessen_->setObjectName("btnSchliessen");
  btnSchliessen_->setGeometry(90, 392, 220, 36);
  btnSchliessen_->setFont(ArialPixelFont(19, true));
  btnSchliessen_->hide();
  connect(btnSchliessen_, &QPushButton::clicked, this, [this] { close(); });
}

void TfrmAuswertung::FormActivate() {
  KalkoraWindow::FormActivate();
  points_ = practice::Punkte;
  attempts_ = practice::Versuche;
  btnSchliessen_->hide();
  lblAnzeige_->clear();
  pnlRichtig_->setText(FixedDecimal(points_, 1) + QStringLiteral(" / ") +
                       QString::number(attempts_));
  pnlFalsch_->setText(FixedDecimal(static_cast<float>(attempts_) - points_, 1) +
                      QStringLiteral(" / ") + QString::number(attempts_));
  prozent_ = practice::Prozent(points_, attempts_);
  step_ = 0;
  if (prozent_ <= 0) {
    gauRichtig_->setProgress(0);
    gauFalsch_->setProgress(100);
    lblPRichtig_->setText(percentText(0.0f));
    lblPFalsch_->setText(percentText(1.0f));
    finish();
    return;
  }
  showStep();  // step 0 at once, then one step per interval
}

void TfrmAuswertung::showStep() {
  gauRichtig_->setProgress(step_);
  gauFalsch_->setProgress(100 - step_);
  const float share = practice::ShareAtStep(step_, prozent_, points_, attempts_);
  lblPRichtig_->setText(percentText(share));
  lblPFalsch_->setText(percentText(1.0f - share));
  if (step_ >= prozent_) {
    timer_.stop();
    finish();
    return;
  }
  ++step_;
  if (!timer_.isActive()) timer_.start(stepInterval());
}

void TfrmAuswertung::finish() {
  btnSchliessen_->show();
  btnSchliessen_->setFocus(Qt::OtherFocusReason);  // Enter, Space or Escape close the window
  lblAnzeige_->setText(ToQString(practice::RatingSentence(prozent_)));
}

void TfrmAuswertung::closeEvent(QCloseEvent* event) {
  // Until the count-up has ended the window cannot be closed.
  if (timer_.isActive()) {
    event->ignore();
    return;
  }
  KalkoraWindow::closeEvent(event);
}

}  // namespace kalkora

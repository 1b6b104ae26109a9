#include "practice/practice_controls.h"

#include <QGroupBox>
#include <utility>

#include "drawing/fonts.h"
#include "frame/kalkora_window.h"
#include "frame/number_format.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "practice/evaluation_window.h"

namespace kalkora {
namespace {

// The names of the controls, by which Find finds them again.
const QString kPassLabel = QStringLiteral("lblDurchgang");
const QString kAttemptsLabel = QStringLiteral("lblAktVersuche");
const QString kPointsLabel = QStringLiteral("lblAktPunkte");
const QString kWeiterButton = QStringLiteral("btnWeiter");
const QString kAuswertungButton = QStringLiteral("btnAuswertung");

QLabel* CounterGroup(QWidget* client, const QString& group, const QString& label,
                     const QString& title, QRect place, const QColor& colour) {
  auto* box = new QGroupBox(title, client);
  box->setObjectName(QStringLiteral("grp") + group);
  box->setGeometry(place);
  auto* counter = new QLabel(box);
  counter->setObjectName(label);
  counter->setAlignment(Qt::AlignCenter);
  counter->setFont(ArialPixelFont(21, true));
  QPalette colours = counter->palette();
  colours.setColor(QPalette::WindowText, colour);
  counter->setPalette(colours);
  counter->setGeometry(2, 16, place.width() - 4, place.height() - 18);
  return counter;
}

QPushButton* BottomButton(QWidget* client, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, client);
  button->setObjectName(name);
  button->setGeometry(800, 670, 200, 40);
  button->setFont(ArialPixelFont(19, true));
  return button;
}

QColor ColourOf(practice::MessageColour colour) {
  switch (colour) {
    case practice::MessageColour::Violet: return palette::palViolet;
    case practice::MessageColour::Rose: return palette::palRose;
    case practice::MessageColour::Brown: break;
  }
  return palette::palBrown;
}

}  // namespace

PracticeControls::PracticeControls(QWidget* client, int counterHeight) {
  const QColor navy(0, 0, 128);
  const QColor maroon(128, 0, 0);
  lblDurchgang_ = CounterGroup(client, "Durchgang", kPassLabel, QStringLiteral(" Durchgang "),
                               QRect(7, 655, 218, 55), navy);
  lblAktVersuche_ = CounterGroup(client, "Versuche", kAttemptsLabel, QStringLiteral(" Versuche "),
                                 QRect(240, 655, 153, counterHeight), navy);
  lblAktPunkte_ = CounterGroup(client, "Punkte", kPointsLabel, QStringLiteral(" Punkte "),
                               QRect(408, 655, 153, counterHeight), maroon);
  btnAuswertung_ = BottomButton(client, kAuswertungButton, QStringLiteral("Auswertung"));
  btnWeiter_ = BottomButton(client, kWeiterButton, QStringLiteral("Weiter"));  // on top
  setWeiterShown(true);
}

std::optional<PracticeControls> PracticeControls::Find(const QWidget& window) {
  PracticeControls controls;
  controls.lblDurchgang_ = window.findChild<QLabel*>(kPassLabel);
  controls.lblAktVersuche_ = window.findChild<QLabel*>(kAttemptsLabel);
  controls.lblAktPunkte_ = window.findChild<QLabel*>(kPointsLabel);
  controls.btnWeiter_ = window.findChild<QPushButton*>(kWeiterButton);
  controls.btnAuswertung_ = window.findChild<QPushButton*>(kAuswertungButton);
  if (!controls.lblDurchgang_ || !controls.lblAktVersuche_ || !controls.lblAktPunkte_ ||
      !controls.btnWeiter_ || !controls.btnAuswertung_) {
    return std::nullopt;
  }
  return controls;
}

void PracticeControls::setWeiterShown(bool shown) {
  const bool weiterHadFocus = btnWeiter_->hasFocus();
  btnAuswertung_->setVisible(!shown);
  btnWeiter_->setVisible(shown);
  if (!shown && weiterHadFocus) btnAuswertung_->setFocus(Qt::OtherFocusReason);
}

void PracticeControls::showRunStart() {
  lblAktVersuche_->setText(QStringLiteral("0"));
  lblAktPunkte_->setText(QStringLiteral("0"));
  showPass();
}

void PracticeControls::showPass() { lblDurchgang_->setText(ToQString(practice::PassLabel())); }

void PracticeControls::showAttempts() {
  lblAktVersuche_->setText(QString::number(practice::AktVersuche));
}

void PracticeControls::showPoints() {
  lblAktPunkte_->setText(FixedDecimal(practice::AktPunkte, 1));
}

void ShowMessage(QLabel& label, const Text& text, practice::MessageColour colour) {
  QPalette colours = label.palette();
  colours.setColor(QPalette::WindowText, ColourOf(colour));
  label.setPalette(colours);
  label.setText(ToQString(text));
}

void OpenEvaluation(KalkoraWindow& window, std::function<void()> afterClose) {
  if (TfrmAuswertung* evaluation = TfrmAuswertung::Instance()) {
    window.openModal(*evaluation, /*stayVisible=*/true, std::move(afterClose));
  }
}

}  // namespace kalkora

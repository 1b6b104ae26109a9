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

QLabel* CounterGroup(QWidget* client, const QString& group, const QString& label,
                     const QString& title, QRect place, const QColor& colour) {
  auto* box = new QGroupBox(title, client);
  box->setObjectName(QStringLiteral("grp") + group);
  box->setGeometry(place);
  auto* counter = new QLabel(box);
  counter->setObjectName(QStringLiteral("lbl") + label);
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
  lblDurchgang_ = CounterGroup(client, "Durchgang", "Durchgang", QStringLiteral(" Durchgang "),
                               QRect(7, 655, 218, 55), navy);
  lblAktVersuche_ = CounterGroup(client, "Versuche", "AktVersuche", QStringLiteral(" Versuche "),
                                 QRect(240, 655, 153, counterHeight), navy);
  lblAktPunkte_ = CounterGroup(client, "Punkte", "AktPunkte", QStringLiteral(" Punkte "),
                               QRect(408, 655, 153, counterHeight), maroon);
  btnAuswertung_ = BottomButton(client, "btnAuswertung", QStringLiteral("Auswertung"));
  btnWeiter_ = BottomButton(client, "btnWeiter", QStringLiteral("Weiter"));  // on top
  setWeiterShown(true);
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

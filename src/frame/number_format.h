#pragma once
// Decimal numbers shown to the learner: fixed notation, written the German way ("1,5",
// "66,667") on every machine, as every text of the program is German.

#include <QLocale>
#include <QString>

namespace kalkora {

inline QString FixedDecimal(double value, int decimals) {
  static const QLocale german = [] {
    QLocale locale(QLocale::German, QLocale::Germany);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
  }();
  return german.toString(value, 'f', decimals);
}

}  // namespace kalkora

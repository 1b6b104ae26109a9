#pragma once
// Decimal numbers shown to the learner: fixed notation with the locale's decimal separator.

#include <QLocale>
#include <QString>

namespace kalkora {

inline QString FixedDecimal(double value, int decimals) {
  return QLocale().toString(value, 'f', decimals);
}

}  // namespace kalkora

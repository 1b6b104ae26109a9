#pragma once
// The boundary between the engine's text and Qt's strings.

#include <QString>

#include "base/text.h"

namespace kalkora {

inline QString ToQString(TextView text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline Text ToText(const QString& text) { return text.toStdU16String(); }

// The engine writes line breaks as "\n"; labels show them as they are.

}  // namespace kalkora

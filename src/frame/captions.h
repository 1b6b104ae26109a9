#pragma once

#include <QString>

namespace kalkora {

// " (Stufe n)", the ending of the captions of windows with three levels; empty outside 1 … 3.
inline QString LevelSuffix(int level) {
  if (level < 1 || level > 3) return {};
  return QStringLiteral(" (Stufe %1)").arg(level);
}

}  // namespace kalkora

#include "blank_pictures.h"

#include <QHash>
#include <algorithm>

namespace kalkora::screenshot {

double LargestColourShare(const QImage& picture) {
  const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
  const qsizetype total = static_cast<qsizetype>(pixels.width()) * pixels.height();
  if (total == 0) return 1;
  QHash<QRgb, qsizetype> counts;
  qsizetype largest = 0;
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    for (int x = 0; x < pixels.width(); ++x) largest = std::max(largest, ++counts[line[x]]);
  }
  return static_cast<double>(largest) / static_cast<double>(total);
}

}  // namespace kalkora::screenshot

#include "reference_probe.h"

#include <algorithm>
#include <cmath>

#include "image_probe.h"

namespace kalkora::test {

QImage Drawn(QSize size, const Drawing& draw) {
  QImage image = Blank(size.width(), size.height());
  QPainter canvas(&image);
  draw(canvas);
  return image;
}

::testing::AssertionResult ShowsTextAsAlone(const QImage& shown, const QImage& alone, int margin) {
  const QRect box = InkBox(alone);
  if (box.isEmpty()) return ::testing::AssertionFailure() << "the text alone draws nothing";
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      if (shown.pixel(x, y) != alone.pixel(x, y)) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") differs in the text's box (" << box.left()
               << ", " << box.top() << ", " << box.width() << " × " << box.height() << ")";
      }
    }
  }
  for (const QRect side : {QRect(box.left() - margin, box.top(), margin, box.height()),
                           QRect(box.right() + 1, box.top(), margin, box.height())}) {
    const QRect ink = InkBox(shown, side);
    if (!ink.isEmpty()) {
      return ::testing::AssertionFailure()
             << "ink beside the text at (" << ink.left() << ", " << ink.top() << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size()) {
    return ::testing::AssertionFailure()
           << "size " << actual.width() << " × " << actual.height() << ", expected "
           << expected.width() << " × " << expected.height();
  }
  int differing = 0;
  QPoint first;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if ((actual.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF)) {
        if (differing++ == 0) first = QPoint(x, y);
      }
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << differing << " pixels differ, the first at (" << first.x() << ", " << first.y() << ")";
}

std::vector<RowBand> Bands(const QImage& image, const std::function<bool(QRgb)>& wanted, QRect area,
                           int maxGap) {
  std::vector<RowBand> bands;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    bool found = false;
    for (int x = area.left(); x <= area.right() && !found; ++x) found = wanted(image.pixel(x, y));
    if (!found) continue;
    if (!bands.empty() && y - bands.back().bottom - 1 <= maxGap) {
      bands.back().bottom = y;
    } else {
      bands.push_back({y, y});
    }
  }
  return bands;
}

std::function<bool(QRgb)> Tinted(const QColor& colour) {
  return [colour](QRgb pixel) {
    // How much of the colour lies on white here, judged by the channel that differs most.
    const int channels[3][2] = {{qRed(pixel), colour.red()},
                                {qGreen(pixel), colour.green()},
                                {qBlue(pixel), colour.blue()}};
    double share = 0;
    for (const auto& [shown, full] : channels) {
      if (255 - full > 0) share = std::max(share, (255.0 - shown) / (255 - full));
    }
    if (share < 0.5 || share > 1.05) return false;
    for (const auto& [shown, full] : channels) {
      if (std::abs(shown - (255 - share * (255 - full))) > 12) return false;
    }
    return true;
  };
}

int ColumnGroups(const QImage& image, const std::function<bool(QRgb)>& wanted, QRect area) {
  int groups = 0;
  bool inGroup = false;
  for (int x = area.left(); x <= area.right(); ++x) {
    bool found = false;
    for (int y = area.top(); y <= area.bottom() && !found; ++y) found = wanted(image.pixel(x, y));
    if (found && !inGroup) ++groups;
    inGroup = found;
  }
  return groups;
}

}  // namespace kalkora::test

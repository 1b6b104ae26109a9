#include "page_pixels.h"

#include <algorithm>
#include <cmath>

#include "drawing/page.h"

namespace kalkora::test {

namespace {
bool IsWhite(QRgb pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; }
}  // namespace

QImage PageImage(const std::function<void(QPainter&)>& draw) {
  QImage image(1000, 700, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  SetPage(-50, 50, -35, 35, 1000, 700);
  draw(painter);
  return image;
}

int PixelRow(double pageY) { return static_cast<int>(std::lround((35 - pageY) * 10)); }
int PixelColumn(double pageX) { return static_cast<int>(std::lround((pageX + 50) * 10)); }

int CountPixels(const QImage& image, int top, int bottom, int left, int right,
                const QColor& colour) {
  int count = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (colour.isValid() ? (pixel & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF) : !IsWhite(pixel)) {
        ++count;
      }
    }
  }
  return count;
}

bool SameArea(const QImage& a, const QImage& b, int top, int bottom, int left, int right) {
  for (int y = std::max(top, 0); y < std::min({bottom, a.height(), b.height()}); ++y) {
    for (int x = std::max(left, 0); x < std::min({right, a.width(), b.width()}); ++x) {
      if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) return false;
    }
  }
  return true;
}

}  // namespace kalkora::test

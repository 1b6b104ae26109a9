#include "image_probe.h"

namespace kalkora::test {

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

QRect BoxOf(const QImage& image, const std::function<bool(QRgb)>& wanted, QRect area) {
  const QRect bounds = area.isEmpty() ? image.rect() : area.intersected(image.rect());
  QRect box;
  for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
    for (int x = bounds.left(); x <= bounds.right(); ++x) {
      if (wanted(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

QRect InkBox(const QImage& image, QRect area) {
  return BoxOf(
      image, [](QRgb pixel) { return (pixel & 0xFFFFFF) != 0xFFFFFF; }, area);
}

QRect ColourBox(const QImage& image, const QColor& colour, QRect area) {
  const QRgb wanted = colour.rgb() & 0xFFFFFF;
  return BoxOf(
      image, [wanted](QRgb pixel) { return (pixel & 0xFFFFFF) == wanted; }, area);
}

int CountColour(const QImage& image, const QColor& colour, QRect area) {
  const QRect bounds = area.isEmpty() ? image.rect() : area.intersected(image.rect());
  const QRgb wanted = colour.rgb() & 0xFFFFFF;
  int count = 0;
  for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
    for (int x = bounds.left(); x <= bounds.right(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == wanted) ++count;
    }
  }
  return count;
}

bool InkNear(const QImage& image, int x, int y, int radius) {
  return !InkBox(image, QRect(x - radius, y - radius, 2 * radius + 1, 2 * radius + 1)).isEmpty();
}

}  // namespace kalkora::test

#include "drawing/page.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace kalkora {

namespace {

Page currentPage = MakePage(-50, 50, -35, 35, 1000, 700);

float scale(int pixels, float worldMin, float worldMax) {
  const float range = worldMax - worldMin;
  return range == 0.0F ? 0.0F : static_cast<float>(pixels) / range;
}

}  // namespace

int Nearest(double v) {
  constexpr double kLimit = 1e9;
  if (std::isnan(v)) return 0;
  if (v > kLimit) return static_cast<int>(kLimit);
  if (v < -kLimit) return -static_cast<int>(kLimit);
  return static_cast<int>(std::nearbyint(v));
}

Page MakePage(float xMin, float xMax, float yMin, float yMax, int pxRight, int pxBottom) {
  Page page{xMin, xMax, yMin, yMax, pxRight, pxBottom};
  const float sx = scale(pxRight, xMin, xMax);
  const float sy = scale(pxBottom, yMin, yMax);
  const float offsetX = -xMin * sx;
  const float offsetY = yMin * sy;
  page.x0 = Nearest(offsetX);
  page.y0 = Nearest(static_cast<double>(Nearest(offsetY)) + pxBottom);
  page.kx = Nearest(sx);
  page.ky = std::abs(Nearest(sy));
  return page;
}

void SetPage(float xMin, float xMax, float yMin, float yMax, int pxRight, int pxBottom) {
  currentPage = MakePage(xMin, xMax, yMin, yMax, pxRight, pxBottom);
}

const Page& CurrentPage() { return currentPage; }

QPoint PageToPixel(const Page& page, double x, double y) {
  return QPoint(Nearest(page.kx * x + page.x0), Nearest(page.y0 - page.ky * y));
}

QPoint PageToPixel(double x, double y) { return PageToPixel(currentPage, x, y); }

QPointF PolarToCartesian(double angleDeg, double radius) {
  const double radians = angleDeg * std::numbers::pi / 180.0;
  return QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

}  // namespace kalkora

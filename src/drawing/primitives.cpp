#include "drawing/primitives.h"

#include <cmath>
#include <numbers>

#include "drawing/page.h"

namespace kalkora {

namespace {

// Straight lines along the pixel grid are drawn without smoothing, so that a bar of pen width
// 3 is exactly three rows; slanted lines, circles and arcs are smoothed.
class Smoothing {
 public:
  Smoothing(QPainter& canvas, bool on)
      : canvas_(canvas), was_(canvas.testRenderHint(QPainter::Antialiasing)) {
    canvas_.setRenderHint(QPainter::Antialiasing, on);
  }
  ~Smoothing() { canvas_.setRenderHint(QPainter::Antialiasing, was_); }
  Smoothing(const Smoothing&) = delete;
  Smoothing& operator=(const Smoothing&) = delete;

 private:
  QPainter& canvas_;
  bool was_;
};

QPen solidPen(int width, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(colour, width < 0 ? 0 : width, style, Qt::RoundCap, Qt::RoundJoin);
  return pen;
}

// The angle of the ellipse's own parameter at which the ray at rayDeg (a true angle on the
// screen) meets the ellipse of half axes a and b.
double parameterAngle(double rayDeg, double a, double b) {
  const double ray = rayDeg * std::numbers::pi / 180.0;
  return std::atan2(a * std::sin(ray), b * std::cos(ray)) * 180.0 / std::numbers::pi;
}

double screenAngle(QPointF from, QPointF to) {
  // Screen y grows downwards; angles count counter-clockwise as seen on the screen.
  return std::atan2(-(to.y() - from.y()), to.x() - from.x()) * 180.0 / std::numbers::pi;
}

}  // namespace

void PageLine(QPainter& canvas, int width, const QColor& colour, double x1, double y1, double x2,
              double y2, LineStyle style) {
  const QPoint from = PageToPixel(x1, y1);
  const QPoint to = PageToPixel(x2, y2);
  Qt::PenStyle penStyle = canvas.pen().style();
  switch (style) {
    case LineStyle::Solid: penStyle = Qt::SolidLine; break;
    case LineStyle::Dotted: penStyle = Qt::DotLine; break;
    case LineStyle::DashDot: penStyle = Qt::DashDotLine; break;
  }
  canvas.setPen(solidPen(width, colour, penStyle));
  canvas.setBrush(Qt::NoBrush);
  const Smoothing smoothing(canvas, from.x() != to.x() && from.y() != to.y());
  canvas.drawLine(from, to);
}

void PageCircle(QPainter& canvas, int width, const QColor& colour, double x, double y,
                double radius, std::optional<QColor> fill) {
  const QPoint centre = PageToPixel(x, y);
  const int r = Nearest(CurrentPage().kx * radius);
  canvas.setPen(solidPen(width, colour));
  canvas.setBrush(fill ? QBrush(*fill) : QBrush(Qt::NoBrush));
  const Smoothing smoothing(canvas, true);
  canvas.drawEllipse(QRectF(centre.x() - r, centre.y() - r, 2.0 * r, 2.0 * r));
}

void PageArc(QPainter& canvas, int width, const QColor& colour, double cx, double cy, double radius,
             double startDeg, double endDeg) {
  const QPointF start = QPointF(cx, cy) + PolarToCartesian(startDeg, radius);
  const QPointF end = QPointF(cx, cy) + PolarToCartesian(endDeg, radius);
  const QPoint topLeft = PageToPixel(cx - radius, cy + radius);
  const QPoint bottomRight = PageToPixel(cx + radius, cy - radius);
  const QRectF box(topLeft, bottomRight);
  const QPointF centre = box.center();
  const double a = box.width() / 2;
  const double b = box.height() / 2;
  const double from = screenAngle(centre, PageToPixel(start.x(), start.y()));
  const double to = screenAngle(centre, PageToPixel(end.x(), end.y()));
  double startAngle = parameterAngle(from, a, b);
  double span = std::fmod(parameterAngle(to, a, b) - startAngle + 720.0, 360.0);
  if (span == 0.0) span = 360.0;  // both rays alike: the whole circle
  canvas.setPen(solidPen(width, colour));
  canvas.setBrush(Qt::NoBrush);
  const Smoothing smoothing(canvas, true);
  canvas.drawArc(box, Nearest(startAngle * 16), Nearest(span * 16));
}

void PageArrow(QPainter& canvas, int width, const QColor& colour, double x1, double x2, double y,
               char heads) {
  PageLine(canvas, width, colour, x1, y, x2, y, LineStyle::Solid);
  if (heads == 'L' || heads == 'B') {
    PageLine(canvas, 2, colour, x1, y, x1 + 1, y + 0.4, LineStyle::Solid);
    PageLine(canvas, 2, colour, x1, y, x1 + 1, y - 0.4, LineStyle::Solid);
  }
  if (heads == 'R' || heads == 'B') {
    PageLine(canvas, 2, colour, x2 - 1, y + 0.4, x2, y, LineStyle::Solid);
    PageLine(canvas, 2, colour, x2 - 1, y - 0.4, x2, y, LineStyle::Solid);
  }
}

void PageBracket(QPainter& canvas, int width, const QColor& colour, double x, double y,
                 double halfHeight, double hookRadius, BracketKind kind) {
  const double yTop = y + halfHeight;
  const double yBottom = y - halfHeight;
  PageLine(canvas, width, colour, x, yBottom, x, yTop, LineStyle::Solid);
  if (kind == BracketKind::Opening) {
    PageArc(canvas, width, colour, x + hookRadius, yTop, hookRadius, 120, 180);
    PageArc(canvas, width, colour, x + hookRadius, yBottom, hookRadius, 180, 250);
  } else if (kind == BracketKind::Closing) {
    PageArc(canvas, width, colour, x - hookRadius, yTop, hookRadius, 0, 70);
    PageArc(canvas, width, colour, x - hookRadius, yBottom, hookRadius, 290, 0);
  }
}

}  // namespace kalkora

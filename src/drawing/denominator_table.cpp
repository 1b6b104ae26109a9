#include "drawing/denominator_table.h"

#include "drawing/markup.h"
#include "drawing/primitives.h"
#include "frame/palette.h"

namespace kalkora {

namespace {
constexpr int kMostRows = 1000;  // far more than fit on a page
}  // namespace

void DrawDenominatorTable(QPainter& canvas, double x0, double yTop, double tableWidth,
                          double rowHeight, int rows, int penWidth) {
  const QColor black(0, 0, 0);
  const double h = rowHeight;
  const double yBottom = yTop - h - 1.5 * h * (rows - 1);
  const auto line = [&](double x1, double y1, double x2, double y2) {
    PageLine(canvas, penWidth, black, x1, y1, x2, y2, LineStyle::Solid);
  };

  line(x0, yTop, x0 + tableWidth, yTop);
  line(x0, yTop - h, x0 + tableWidth, yTop - h);

  const double textTop = yTop - 0.8;
  DrawMarkupCentred(canvas, (x0 - 5) / 2, textTop, u"Nenner", 14, true, palette::MarkupColours);
  DrawMarkupCentred(canvas, 10.5, textTop, u"Hauptnenner (HN)", 14, true, palette::MarkupColours);
  DrawMarkupCentred(canvas, 37.5, textTop, u"Erweiterungsfaktoren", 14, true,
                    palette::MarkupColours);

  for (int i = 2; i <= rows && i <= kMostRows; ++i) {
    const double y = yTop - h - 1.5 * h * (i - 1);
    line(x0, y, -5, y);
    line(26, y, 49, y);
  }
  line(-5, yBottom, 26, yBottom);

  for (const double x : {x0, -5.0, 26.0, 49.0}) line(x, yTop, x, yBottom);
}

}  // namespace kalkora

#pragma once
// Reading what a worked-example page shows: the paint box of 1000 × 700 pixels holds the page
// x −50 … 50, y −35 … 35 at 10 pixels a unit.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

namespace kalkora::test {

// A white page of the paint box's size with what `draw` paints on it (the page set as above),
// to compare with what a window shows.
QImage PageImage(const std::function<void(QPainter&)>& draw);

// The paint-box pixel row of a page y (y 35 at the top).
int PixelRow(double pageY);
// The paint-box pixel column of a page x (x −50 at the left).
int PixelColumn(double pageX);

// Pixels of the colour (or any pixel that is not white when the colour is invalid) in the
// pixel rows [top, bottom) and columns [left, right).
int CountPixels(const QImage& image, int top, int bottom, int left = 0, int right = 1000,
                const QColor& colour = QColor());

// Whether two images agree in the pixel rows [top, bottom) and columns [left, right).
bool SameArea(const QImage& a, const QImage& b, int top, int bottom, int left = 0,
              int right = 1000);

}  // namespace kalkora::test

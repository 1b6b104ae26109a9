#pragma once
// Looking at painted images: blank canvases, ink and its bounding box, exact colours.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>

namespace kalkora::test {

// A white image of this size.
QImage Blank(int width, int height);

// The bounding box of the pixels in `area` that are not white (empty when there are none).
QRect InkBox(const QImage& image, QRect area = {});
// The bounding box of the pixels in `area` of exactly this colour.
QRect ColourBox(const QImage& image, const QColor& colour, QRect area = {});
// How many pixels in `area` have exactly this colour.
int CountColour(const QImage& image, const QColor& colour, QRect area = {});
// True when some pixel within `radius` of (x, y) is not white.
bool InkNear(const QImage& image, int x, int y, int radius = 1);

// The pixels of `area` (whole image when empty) that satisfy `wanted`, as a bounding box.
QRect BoxOf(const QImage& image, const std::function<bool(QRgb)>& wanted, QRect area = {});

}  // namespace kalkora::test

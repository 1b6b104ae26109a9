#pragma once
// Page coordinates: the world window a paint handler chooses (x to the right, y upwards),
// mapped onto the pixels of its paint surface. There is one current page for the process; a
// window sets it at the start of every paint, before it draws.

#include <QPoint>
#include <QPointF>

namespace kalkora {

struct Page {
  float xMin = 0, xMax = 0, yMin = 0, yMax = 0;  // the world window
  int pxRight = 0, pxBottom = 0;                 // the pixel rectangle (0, 0)–(pxRight, pxBottom)
  int x0 = 0, y0 = 0;                            // pixel position of page (0, 0)
  int kx = 0, ky = 0;                            // pixels per page unit across and upwards
};

// The integer nearest to v, halves to the even neighbour (33.5 gives 34, 2.5 gives 2). Values
// outside ±1 000 000 000 are clamped there and NaN gives 0, so a pixel is always defined.
int Nearest(double v);

// The page of this world window on this pixel rectangle. The scales are 32-bit floats; the
// offsets use the exact scales and the mapping the integer ones, so with a fractional scale the
// window's edges land a few pixels off the rectangle's (y from –10 to 10 on 670 pixels puts
// page y 10 at pixel –5). An empty world window gives the scale 0.
Page MakePage(float xMin, float xMax, float yMin, float yMax, int pxRight, int pxBottom);

// Makes that page the current one. Until the first call the current page is the standard
// page of the exercise windows, x –50 … 50 and y –35 … 35 on 1000 × 700 pixels.
void SetPage(float xMin, float xMax, float yMin, float yMax, int pxRight, int pxBottom);
const Page& CurrentPage();

// The pixel of a page point on the current page (or on `page`).
QPoint PageToPixel(double x, double y);
QPoint PageToPixel(const Page& page, double x, double y);

// The point at angleDeg degrees (counter-clockwise from the x axis) and distance radius.
QPointF PolarToCartesian(double angleDeg, double radius);

}  // namespace kalkora

#pragma once
// Looking at the reference screens: pages drawn onto images, texts compared with the same text
// drawn alone, bands of coloured rows.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <vector>

namespace kalkora::test {

using Drawing = std::function<void(QPainter& canvas)>;

// A white image of this size with the drawing on it.
QImage Drawn(QSize size, const Drawing& draw);

// Success when `shown` has exactly the pixels of `alone` (one text drawn on its own, same size)
// inside the ink box of `alone`, and no ink `margin` pixels left and right of that box in its
// rows: the text stands there, spelt and coloured as in `alone`, and nothing is added to it.
::testing::AssertionResult ShowsTextAsAlone(const QImage& shown, const QImage& alone,
                                            int margin = 6);

// Success when both images have the same size and pixels.
::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected);

// The runs of rows in `area` that hold a pixel satisfying `wanted`, as (first row, last row).
struct RowBand {
  int top;
  int bottom;
  int height() const { return bottom - top + 1; }
};
// Runs separated by no more than `maxGap` rows without such a pixel count as one.
std::vector<RowBand> Bands(const QImage& image, const std::function<bool(QRgb)>& wanted, QRect area,
                           int maxGap = 0);

// Pixels of this colour or of its smoothed edges on white (at least half the colour).
std::function<bool(QRgb)> Tinted(const QColor& colour);

// The runs of columns in `area` that hold a pixel satisfying `wanted`, counted.
int ColumnGroups(const QImage& image, const std::function<bool(QRgb)>& wanted, QRect area);

}  // namespace kalkora::test

// The common-denominator table: its rules per number of rows, and its headers.

#include <gtest/gtest.h>

#include <QPainter>
#include <vector>

#include "drawing/denominator_table.h"
#include "drawing/page.h"
#include "frame/palette.h"
#include "image_probe.h"

namespace kalkora {
namespace {

using test::Blank;
using test::InkBox;

// Pixel rows of page y on the standard page (10 pixels per unit, y 0 at row 350).
int row(double y) { return PageToPixel(0, y).y(); }
int column(double x) { return PageToPixel(x, 0).x(); }

bool inkAt(const QImage& image, double x, double y) {
  const QPoint p = PageToPixel(x, y);
  return !InkBox(image, QRect(p.x(), p.y() - 1, 1, 3)).isEmpty();
}

struct TableCase {
  int rows;
  std::vector<double> rowRules;  // heights of the rules of the outer columns below the header
  double bottom;
};

class DenominatorTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(DenominatorTable, DrawsTheRulesOfItsRows) {
  SetPalette();
  SetPage(-50, 50, -35, 35, 1000, 700);
  QImage image = Blank(1000, 700);
  const TableCase& c = GetParam();
  constexpr double x0 = -49, yTop = 25, h = 4;
  {
    QPainter canvas(&image);
    DrawDenominatorTable(canvas, x0, yTop, 49 - x0, h, c.rows, 3);
  }
  // Top border and header rule across all three columns.
  for (const double x : {-40.0, 10.0, 40.0}) {
    EXPECT_TRUE(inkAt(image, x, yTop)) << x;
    EXPECT_TRUE(inkAt(image, x, yTop - h)) << x;
  }
  // Row rules across the first and third column only.
  for (const double y : c.rowRules) {
    EXPECT_TRUE(inkAt(image, -30, y)) << y;
    EXPECT_TRUE(inkAt(image, 40, y)) << y;
    if (y != c.bottom) {
      EXPECT_FALSE(inkAt(image, 10, y)) << y;
    }
  }
  // The middle column is closed at the bottom; the borders end there.
  EXPECT_TRUE(inkAt(image, 10, c.bottom));
  for (const double x : {x0, -5.0, 26.0, 49.0}) {
    EXPECT_TRUE(inkAt(image, x, c.bottom + 0.5)) << x;
    const QPoint below = PageToPixel(x, c.bottom);
    EXPECT_TRUE(InkBox(image, QRect(below.x() - 3, below.y() + 4, 7, 20)).isEmpty()) << x;
  }
  // Nothing between the rules of the outer columns: rows have no rules in between.
  const double firstRow = yTop - h - 0.75 * h;
  if (c.rows >= 2) {
    EXPECT_FALSE(inkAt(image, -30, firstRow));
  }
  // Below the table the page is empty.
  EXPECT_TRUE(InkBox(image, QRect(0, row(c.bottom) + 4, 1000, 700 - row(c.bottom) - 4)).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, DenominatorTable,
                         ::testing::Values(TableCase{1, {}, 21},  // bottom at yTop – h
                                           TableCase{2, {15}, 15}, TableCase{3, {15, 9}, 9},
                                           TableCase{4, {15, 9, 3}, 3}));

TEST(DenominatorTableHeaders, StandCentredInTheirColumnsUnderTheTopBorder) {
  SetPalette();
  SetPage(-50, 50, -35, 35, 1000, 700);
  QImage image = Blank(1000, 700);
  {
    QPainter canvas(&image);
    DrawDenominatorTable(canvas, -49, 25, 98, 4, 3, 3);
  }
  // Inside the header row, away from the borders.
  const int top = row(25) + 3;
  const int height = row(21) - row(25) - 6;
  const struct {
    double left, right, centre;
  } columns[] = {{-49, -5, (-49 - 5) / 2.0}, {-5, 26, 10.5}, {26, 49, 37.5}};
  for (const auto& c : columns) {
    const QRect area(column(c.left) + 3, top, column(c.right) - column(c.left) - 6, height);
    const QRect ink = InkBox(image, area);
    ASSERT_FALSE(ink.isEmpty()) << c.centre;
    EXPECT_NEAR(ink.center().x(), column(c.centre), 3) << c.centre;
  }
}

}  // namespace
}  // namespace kalkora

// Page coordinates: the mappings of the pages in use, the rounding, and the edge cases.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "drawing/fonts.h"
#include "drawing/page.h"

namespace kalkora {
namespace {

struct PageCase {
  const char* name;
  float xMin, xMax, yMin, yMax;
  int pxRight, pxBottom;
  int x0, y0, kx, ky;
};

class PageMapping : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageMapping, HasItsOriginAndScales) {
  const PageCase& c = GetParam();
  const Page page = MakePage(c.xMin, c.xMax, c.yMin, c.yMax, c.pxRight, c.pxBottom);
  EXPECT_EQ(page.x0, c.x0);
  EXPECT_EQ(page.y0, c.y0);
  EXPECT_EQ(page.kx, c.kx);
  EXPECT_EQ(page.ky, c.ky);
  EXPECT_EQ(page.pxRight, c.pxRight);
  EXPECT_EQ(page.pxBottom, c.pxBottom);
}

INSTANTIATE_TEST_SUITE_P(
    PagesInUse, PageMapping,
    ::testing::Values(PageCase{"exercise", -50, 50, -35, 35, 1000, 700, 500, 350, 10, 10},
                      PageCase{"short", -50, 50, -30, 30, 1000, 600, 500, 300, 10, 10},
                      PageCase{"formulas1", -30, 30, -22, 22, 600, 440, 300, 220, 10, 10},
                      PageCase{"formulas2", -30, 30, -32, 22, 600, 540, 300, 220, 10, 10},
                      // 670 / 20 = 33.5 pixels per unit: the offset uses 33.5, the scale 34.
                      PageCase{"title", -20, 20, -10, 10, 1000, 670, 500, 335, 25, 34},
                      // y running downwards still gives a positive scale.
                      PageCase{"flipped", -50, 50, 35, -35, 1000, 700, 500, 350, 10, 10},
                      // An empty world window gives scale 0 instead of a division by zero.
                      PageCase{"empty", 5, 5, 3, 3, 1000, 700, 0, 700, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct PixelCase {
  float xMin, xMax, yMin, yMax;
  int pxRight, pxBottom;
  double x, y;
  int px, py;
};

class PixelOfPoint : public ::testing::TestWithParam<PixelCase> {};

TEST_P(PixelOfPoint, IsWhereThePageSaysItIs) {
  const PixelCase& c = GetParam();
  SetPage(c.xMin, c.xMax, c.yMin, c.yMax, c.pxRight, c.pxBottom);
  EXPECT_EQ(PageToPixel(c.x, c.y), QPoint(c.px, c.py)) << c.x << ", " << c.y;
  const Page page = MakePage(c.xMin, c.xMax, c.yMin, c.yMax, c.pxRight, c.pxBottom);
  EXPECT_EQ(PageToPixel(page, c.x, c.y), QPoint(c.px, c.py));
}

INSTANTIATE_TEST_SUITE_P(
    Points, PixelOfPoint,
    ::testing::Values(PixelCase{-50, 50, -35, 35, 1000, 700, -50, 35, 0, 0},
                      PixelCase{-50, 50, -35, 35, 1000, 700, 0, 0, 500, 350},
                      PixelCase{-50, 50, -35, 35, 1000, 700, 50, -35, 1000, 700},
                      PixelCase{-50, 50, -35, 35, 1000, 700, -45.25, 12.25, 48,
                                228},  // 47.5 → 48, 227.5 → 228
                      PixelCase{-50, 50, -35, 35, 1000, 700, 0.05, -0.05, 500, 350},  // 500.5 → 500
                      PixelCase{-50, 50, -35, 35, 1000, 700, 0.25, 0.25, 502, 348},  // 502.5 → 502
                      // The main window's title rows, and the window's edges a few pixels off.
                      PixelCase{-20, 20, -10, 10, 1000, 670, 0, 9, 500, 29},
                      PixelCase{-20, 20, -10, 10, 1000, 670, 0, 7, 500, 97},
                      PixelCase{-20, 20, -10, 10, 1000, 670, 0, 10, 500, -5},
                      PixelCase{-20, 20, -10, 10, 1000, 670, 0, -10, 500, 675},
                      PixelCase{-20, 20, -10, 10, 1000, 670, -20, 0, 0, 335},
                      PixelCase{-30, 30, -32, 22, 600, 540, -30, 22, 0, 0},
                      PixelCase{-30, 30, -32, 22, 600, 540, 30, -32, 600, 540}));

TEST(Nearest, RoundsHalvesToTheEvenNeighbour) {
  const struct {
    double value;
    int expected;
  } cases[] = {{33.5, 34},
               {2.5, 2},
               {-2.5, -2},
               {3.5, 4},
               {-3.5, -4},
               {0.5, 0},
               {-0.5, 0},
               {1.49, 1},
               {1.51, 2},
               {-1.51, -2},
               {29.0, 29},
               {1e12, 1'000'000'000},
               {-1e12, -1'000'000'000}};
  for (const auto& c : cases) EXPECT_EQ(Nearest(c.value), c.expected) << c.value;
  EXPECT_EQ(Nearest(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(Nearest(std::numeric_limits<double>::infinity()), 1'000'000'000);
}

TEST(PolarToCartesian, MeasuresDegreesCounterClockwise) {
  const struct {
    double degrees, radius, x, y;
  } cases[] = {{0, 2, 2, 0},
               {90, 2, 0, 2},
               {180, 1, -1, 0},
               {-90, 3, 0, -3},
               {270, 3, 0, -3},
               {60, 2, 1, std::sqrt(3.0)},
               {330, 2, std::sqrt(3.0), -1}};
  for (const auto& c : cases) {
    const QPointF p = PolarToCartesian(c.degrees, c.radius);
    EXPECT_NEAR(p.x(), c.x, 1e-9) << c.degrees;
    EXPECT_NEAR(p.y(), c.y, 1e-9) << c.degrees;
  }
}

TEST(FontSizes, PointsBecomePixelsAt96DotsPerInch) {
  const struct {
    int points, pixels;
  } cases[] = {{8, 11},  {9, 12},  {10, 13}, {12, 16}, {14, 19}, {16, 21}, {18, 24},
               {20, 27}, {22, 29}, {24, 32}, {36, 48}, {0, 1},   {-5, 1}};
  for (const auto& c : cases) EXPECT_EQ(PointsToPixels(c.points), c.pixels) << c.points;
}

TEST(FontSizes, ExponentsAreThreeQuartersRoundedToEven) {
  const struct {
    int size, exponent;
  } cases[] = {{18, 14}, {14, 10}, {16, 12}, {12, 9}, {10, 8}, {24, 18}, {20, 15}, {22, 16}};
  for (const auto& c : cases) EXPECT_EQ(ExponentSize(c.size), c.exponent) << c.size;
}

}  // namespace
}  // namespace kalkora

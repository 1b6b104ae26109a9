// Lines, circles, arcs, arrows and brackets, probed at the pixels where they must (and must
// not) leave ink. The page is 10 pixels per unit with page (0, 0) at pixel (100, 100).

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <numbers>
#include <vector>

#include "drawing/page.h"
#include "drawing/primitives.h"
#include "image_probe.h"

namespace kalkora {
namespace {

using test::Blank;
using test::CountColour;
using test::InkBox;
using test::InkNear;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

class Primitives : public ::testing::Test {
 protected:
  void SetUp() override { SetPage(-10, 10, -10, 10, 200, 200); }
  QImage image = Blank(200, 200);
};

// The pixel of a point on the circle around page (cx, cy).
QPoint onCircle(double cx, double cy, double radius, double degrees) {
  const QPointF p = QPointF(cx, cy) + PolarToCartesian(degrees, radius);
  return PageToPixel(p.x(), p.y());
}

TEST_F(Primitives, HorizontalLinesAreExactlyAsThickAsTheirPen) {
  for (const int width : {1, 2, 3, 5}) {
    image = Blank(200, 200);
    {
      QPainter canvas(&image);
      PageLine(canvas, width, kRed, -5, 0, 5, 0, LineStyle::Solid);
    }
    const QRect column = InkBox(image, QRect(100, 0, 1, 200));
    EXPECT_EQ(column.height(), width) << width;
    EXPECT_TRUE(column.contains(100, 100)) << width;
    EXPECT_EQ(CountColour(image, kRed, column), width) << width;
  }
}

TEST_F(Primitives, LineStylesSetThePenAndOtherValuesKeepIt) {
  QPainter canvas(&image);
  const struct {
    LineStyle style;
    Qt::PenStyle pen;
  } cases[] = {{LineStyle::Dotted, Qt::DotLine},      {static_cast<LineStyle>(0), Qt::DotLine},
               {LineStyle::DashDot, Qt::DashDotLine}, {static_cast<LineStyle>(7), Qt::DashDotLine},
               {LineStyle::Solid, Qt::SolidLine},     {static_cast<LineStyle>(-1), Qt::SolidLine}};
  for (const auto& c : cases) {
    canvas.setBrush(kRed);
    PageLine(canvas, 1, kBlack, -5, 2, 5, 2, c.style);
    EXPECT_EQ(canvas.pen().style(), c.pen) << static_cast<int>(c.style);
    EXPECT_EQ(canvas.brush().style(), Qt::NoBrush);
  }
}

TEST_F(Primitives, CircleRadiusIsScaledAndFillIsOptional) {
  {
    QPainter canvas(&image);
    canvas.fillRect(QRect(95, 95, 10, 10), Qt::green);
    PageCircle(canvas, 1, kBlack, 0, 0, 1.5, std::nullopt);  // 15 pixels
  }
  EXPECT_EQ(QColor(image.pixel(100, 100)), QColor(Qt::green));  // inside kept
  const QRect ink = InkBox(image, QRect(0, 0, 200, 200));
  EXPECT_NEAR(ink.left(), 85, 1);
  EXPECT_NEAR(ink.right(), 115, 1);
  EXPECT_NEAR(ink.top(), 85, 1);
  EXPECT_NEAR(ink.bottom(), 115, 1);

  image = Blank(200, 200);
  {
    QPainter canvas(&image);
    PageCircle(canvas, 2, kBlack, 0, 0, 1.5, kRed);
  }
  EXPECT_EQ(QColor(image.pixel(100, 100)), kRed);
  EXPECT_LT(QColor(image.pixel(100, 100 + 15)).lightness(), 128);  // the outline
}

TEST_F(Primitives, ArcRunsCounterClockwiseFromStartToEnd) {
  // 290° to 0° is the short arc through 330°, not the long way round.
  {
    QPainter canvas(&image);
    PageArc(canvas, 3, kBlack, 0, 0, 5, 290, 0);
  }
  for (const double inside : {295.0, 310.0, 330.0, 350.0}) {
    const QPoint p = onCircle(0, 0, 5, inside);
    EXPECT_TRUE(InkNear(image, p.x(), p.y())) << inside;
  }
  for (const double outside : {270.0, 180.0, 90.0, 20.0}) {
    const QPoint p = onCircle(0, 0, 5, outside);
    EXPECT_FALSE(InkNear(image, p.x(), p.y(), 2)) << outside;
  }
}

TEST_F(Primitives, ArcBetweenEqualAnglesIsTheWholeCircle) {
  {
    QPainter canvas(&image);
    PageArc(canvas, 3, kBlack, 0, 0, 5, 45, 45);
  }
  for (const double degrees : {0.0, 90.0, 180.0, 270.0}) {
    const QPoint p = onCircle(0, 0, 5, degrees);
    EXPECT_TRUE(InkNear(image, p.x(), p.y())) << degrees;
  }
}

TEST_F(Primitives, ArcFollowsTheRaysOnAPageWithUnequalScales) {
  // On the title page (25 × 34 pixels per unit) the circle is an ellipse; the arc still ends
  // on the rays through its end points.
  SetPage(-20, 20, -10, 10, 1000, 670);
  image = Blank(1000, 670);
  {
    QPainter canvas(&image);
    PageArc(canvas, 3, kBlack, 0, 0, 4, 0, 90);
  }
  const QPoint centre = PageToPixel(0, 0);
  EXPECT_TRUE(InkNear(image, centre.x() + 100, centre.y(), 2));  // 4 units across
  EXPECT_TRUE(InkNear(image, centre.x(), centre.y() - 136, 2));  // 4 units up
  EXPECT_FALSE(InkNear(image, centre.x() - 100, centre.y(), 3));
  EXPECT_FALSE(InkNear(image, centre.x(), centre.y() + 136, 3));
}

struct ArrowCase {
  char heads;
  bool left, right;
};

class Arrow : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(Arrow, HasTheHeadsItAsksFor) {
  SetPage(-10, 10, -10, 10, 200, 200);
  QImage image = Blank(200, 200);
  {
    QPainter canvas(&image);
    PageArrow(canvas, 1, kBlack, -5, 5, 0, GetParam().heads);
  }
  EXPECT_TRUE(InkNear(image, 100, 100, 0));  // the shaft
  // Each head stroke passes half a unit inside the end, 0.2 units off the shaft.
  const QPoint leftUpper = PageToPixel(-4.5, 0.2);
  const QPoint leftLower = PageToPixel(-4.5, -0.2);
  const QPoint rightUpper = PageToPixel(4.5, 0.2);
  const QPoint rightLower = PageToPixel(4.5, -0.2);
  EXPECT_EQ(InkNear(image, leftUpper.x(), leftUpper.y(), 0), GetParam().left);
  EXPECT_EQ(InkNear(image, leftLower.x(), leftLower.y(), 0), GetParam().left);
  EXPECT_EQ(InkNear(image, rightUpper.x(), rightUpper.y(), 0), GetParam().right);
  EXPECT_EQ(InkNear(image, rightLower.x(), rightLower.y(), 0), GetParam().right);
}

INSTANTIATE_TEST_SUITE_P(Heads, Arrow,
                         ::testing::Values(ArrowCase{'L', true, false}, ArrowCase{'R', false, true},
                                           ArrowCase{'B', true, true},
                                           ArrowCase{'X', false, false}));

struct BracketCase {
  BracketKind kind;
  // Angles on the hook circles (top, bottom) that must carry ink, and their mirror images
  // across the bracket's line, which must not.
  double topAngle, bottomAngle;
  int side;  // +1: the hooks turn right, –1: left, 0: no hooks
};

class Bracket : public ::testing::TestWithParam<BracketCase> {};

TEST_P(Bracket, HooksTurnTheRightWay) {
  SetPage(-10, 10, -10, 10, 200, 200);
  QImage image = Blank(200, 200);
  const BracketCase& c = GetParam();
  constexpr double x = 0, y = 0, half = 5, hook = 2;
  {
    QPainter canvas(&image);
    PageBracket(canvas, 3, kBlack, x, y, half, hook, c.kind);
  }
  // The line from y – 5 to y + 5.
  for (const double along : {-4.5, 0.0, 4.5}) {
    const QPoint p = PageToPixel(x, y + along);
    EXPECT_TRUE(InkNear(image, p.x(), p.y(), 0)) << along;
  }
  const double side = c.side == 0 ? 1 : c.side;
  const QPoint top = onCircle(x + side * hook, y + half, hook, c.topAngle);
  const QPoint bottom = onCircle(x + side * hook, y - half, hook, c.bottomAngle);
  EXPECT_EQ(InkNear(image, top.x(), top.y()), c.side != 0);
  EXPECT_EQ(InkNear(image, bottom.x(), bottom.y()), c.side != 0);
  // Beyond the ends of the line, on the other side, there is never ink.
  const QPoint line = PageToPixel(x, y);
  const QPoint mirrorTop(2 * line.x() - top.x(), top.y());
  const QPoint mirrorBottom(2 * line.x() - bottom.x(), bottom.y());
  EXPECT_FALSE(InkNear(image, mirrorTop.x(), mirrorTop.y()));
  EXPECT_FALSE(InkNear(image, mirrorBottom.x(), mirrorBottom.y()));
}

INSTANTIATE_TEST_SUITE_P(Kinds, Bracket,
                         ::testing::Values(
                             // "(": arcs 120°–180° at the top and 180°–250° at the bottom,
                             // centred right of the line.
                             BracketCase{BracketKind::Opening, 140, 220, +1},
                             // ")": arcs 0°–70° and 290°–0°, centred left of the line.
                             BracketCase{BracketKind::Closing, 40, 320, -1},
                             BracketCase{static_cast<BracketKind>(3), 140, 220, 0}));

}  // namespace
}  // namespace kalkora

#include "frame/status_pictures.h"

#include <gtest/gtest.h>

#include <QImage>

namespace kalkora {
namespace {

// The share of opaque pixels whose dominant channel is the given one (0 red, 1 green, 2 blue),
// and for orange: red strong, green middling.
struct ColourCount {
  int opaque = 0, red = 0, green = 0, blue = 0, orange = 0;
};

ColourCount countColours(const QPixmap& pixmap) {
  const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  ColourCount count;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() < 200) continue;
      ++count.opaque;
      if (c.red() > 200 && c.green() > 120 && c.green() < 200 && c.blue() < 100)
        ++count.orange;
      else if (c.red() > c.green() + 60 && c.red() > c.blue() + 60)
        ++count.red;
      else if (c.green() > c.red() + 40 && c.green() > c.blue() + 40)
        ++count.green;
      else if (c.blue() > c.red() + 60 && c.blue() > c.green() + 20)
        ++count.blue;
    }
  }
  return count;
}

TEST(StatusPictures, SizesAndTransparentCorners) {
  for (Face face : {Face::Blue, Face::Green, Face::Red, Face::Orange}) {
    const QPixmap& picture = FacePicture(face);
    EXPECT_EQ(picture.size(), QSize(63, 69));
    EXPECT_EQ(picture.toImage().pixelColor(0, 0).alpha(), 0);
  }
  EXPECT_EQ(TickPicture().size(), QSize(40, 40));
  EXPECT_EQ(CrossPicture().size(), QSize(40, 40));
  EXPECT_EQ(TickPicture().toImage().pixelColor(0, 0).alpha(), 0);
}

TEST(StatusPictures, EachPictureHasItsColour) {
  const auto blue = countColours(FacePicture(Face::Blue));
  const auto green = countColours(FacePicture(Face::Green));
  const auto red = countColours(FacePicture(Face::Red));
  const auto orange = countColours(FacePicture(Face::Orange));
  EXPECT_GT(blue.blue, blue.opaque / 2);
  EXPECT_GT(green.green, green.opaque / 2);
  EXPECT_GT(red.red, red.opaque / 2);
  EXPECT_GT(orange.orange, orange.opaque / 3);
  const auto tick = countColours(TickPicture());
  const auto cross = countColours(CrossPicture());
  EXPECT_GT(tick.green, tick.opaque / 2);
  EXPECT_GT(cross.red, cross.opaque / 2);
}

// The smiling face's mouth bends down in the middle (lower than at its ends), the sad faces'
// mouth bends up.
int mouthMiddleRow(const QPixmap& face) {
  const QImage image = face.toImage();
  const QColor outline = image.pixelColor(22, 27);  // an eye, drawn in the outline colour
  for (int y = image.height() - 10; y > 36; --y) {
    if (image.pixelColor(31, y).rgb() == outline.rgb()) return y;
  }
  return -1;
}

TEST(StatusPictures, SmilingAndSadMouths) {
  const int smile = mouthMiddleRow(FacePicture(Face::Green));
  const int sad = mouthMiddleRow(FacePicture(Face::Red));
  const int neutral = mouthMiddleRow(FacePicture(Face::Blue));
  ASSERT_GT(smile, 0);
  ASSERT_GT(sad, 0);
  ASSERT_GT(neutral, 0);
  EXPECT_GT(smile, neutral);
  EXPECT_LT(sad, neutral);
}

}  // namespace
}  // namespace kalkora

// The domain pictures of the concept pages: every row a rose condition on the left and its
// domain on the right, black with a rose condition and tall braces, the small stacked fractions
// of rows 4 and 5 of imgDef2, all inside the picture's rectangle.

#include <gtest/gtest.h>

#include "frame/palette.h"
#include "image_probe.h"
#include "reference/domain_pictures.h"
#include "reference_probe.h"

namespace kalkora {
namespace {

struct Picture {
  const char* name;
  DomainPicture which;
  int rows;
  std::vector<int> rowsWithFractions;  // 0-based
  int domainColumn;                    // a pixel x between the two columns
};
void PrintTo(const Picture& picture, std::ostream* out) { *out << picture.name; }

bool isRose(QRgb pixel) { return (pixel & 0xFFFFFF) == (palette::palRose.rgb() & 0xFFFFFF); }

class DomainPictureRows : public ::testing::TestWithParam<Picture> {
 protected:
  void SetUp() override {
    SetPalette();
    image = test::Drawn(QSize(1000, 700),
                        [](QPainter& canvas) { DrawDomainPicture(canvas, GetParam().which); });
    area = DomainPictureArea(GetParam().which);
    conditions =
        QRect(area.left(), area.top(), GetParam().domainColumn - area.left(), area.height());
    domains = QRect(GetParam().domainColumn, area.top(), area.right() - GetParam().domainColumn,
                    area.height());
  }
  QImage image;
  QRect area, conditions, domains;
};

TEST_P(DomainPictureRows, LieInsideThePicture) {
  const QRect ink = test::InkBox(image);
  EXPECT_TRUE(area.adjusted(1, 1, -1, -1).contains(ink))
      << "ink (" << ink.left() << ", " << ink.top() << ") – (" << ink.right() << ", "
      << ink.bottom() << ")";
}

TEST_P(DomainPictureRows, GiveEachConditionInRoseAndItsDomainBesideIt) {
  const std::vector<test::RowBand> left = test::Bands(image, isRose, conditions, /*maxGap=*/6);
  ASSERT_EQ(left.size(), static_cast<size_t>(GetParam().rows));
  EXPECT_EQ(test::CountColour(image, QColor(0, 0, 0), conditions), 0)
      << "the conditions are rose only";

  for (size_t row = 0; row < left.size(); ++row) {
    const QRect band(domains.left(), left[row].top - 6, domains.width(), left[row].height() + 12);
    // The domain is black and ends with the condition in rose.
    const QRect black = test::ColourBox(image, QColor(0, 0, 0), band);
    const QRect rose = test::ColourBox(image, palette::palRose, band);
    ASSERT_FALSE(black.isEmpty()) << "row " << row;
    ASSERT_FALSE(rose.isEmpty()) << "row " << row;
    EXPECT_LT(black.left(), rose.left()) << "row " << row;
    EXPECT_GT(black.right(), rose.right()) << "closing brace, row " << row;
    // The braces stand taller than the text of the condition (and reach as far as its stacked
    // fraction).
    const auto& stacked = GetParam().rowsWithFractions;
    const bool hasFraction =
        std::find(stacked.begin(), stacked.end(), static_cast<int>(row)) != stacked.end();
    EXPECT_GE(black.height(), left[row].height() + (hasFraction ? 0 : 4)) << "row " << row;
  }
}

TEST_P(DomainPictureRows, StackTheFractionsOfTheirConditions) {
  const std::vector<test::RowBand> left = test::Bands(image, isRose, conditions, /*maxGap=*/6);
  ASSERT_EQ(left.size(), static_cast<size_t>(GetParam().rows));
  const auto& stacked = GetParam().rowsWithFractions;
  int tallestPlain = 0;
  for (size_t row = 0; row < left.size(); ++row) {
    if (std::find(stacked.begin(), stacked.end(), static_cast<int>(row)) == stacked.end()) {
      tallestPlain = std::max(tallestPlain, left[row].height());
    }
  }
  for (const int row : stacked) {
    EXPECT_GT(left[static_cast<size_t>(row)].height(), tallestPlain + 3) << "row " << row;
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, DomainPictureRows,
                         ::testing::Values(Picture{"imgDef1", DomainPicture::Def1, 3, {}, 70},
                                           Picture{
                                               "imgDef2", DomainPicture::Def2, 7, {3, 4}, 140}));

TEST(DomainPicture, StandsWhereThePageLeavesRoomForIt) {
  // imgDef1 from page (–49, 13), imgDef2 from page (–49, 8), on the 10-pixel concept page.
  EXPECT_EQ(DomainPictureArea(DomainPicture::Def1), QRect(10, 220, 256, 99));
  EXPECT_EQ(DomainPictureArea(DomainPicture::Def2), QRect(10, 270, 372, 260));
}

}  // namespace
}  // namespace kalkora

// The main window's title page: stripe colours and lines, the title rows, the picture of
// sample terms, the version line, and a picture that cannot be read.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "app/main_window.h"
#include "app/title_page.h"
#include "drawing/fonts.h"
#include "frame/screen.h"
#include "program_test.h"

namespace kalkora {
namespace {

using test::ProcessEvents;
using test::ProgramTest;

// The colour of row `row` (client coordinates) of the striped background of a window of
// outer height `outerHeight`: stripe k covers rows 5k – 3 … 5k + 1 (the next stripe paints
// over the rest of its 7 rows), the last stripe lies above the outer height, and every 7th row
// is a black line.
QColor expectedStripe(int row, int outerHeight = 100000) {
  if (row % 7 == 0) return QColor(0, 0, 0);
  const int lastStripe = (outerHeight - 1) / 5;
  return QColor(std::min(60 + std::min((row + 3) / 5, lastStripe), 255), 0, 0);
}

TEST(TitleStripes, LightenDownwardsUnderBlackLinesEverySevenRows) {
  // The client area lies below the menu bar; the stripes run on to the outer height.
  for (const QSize outer : {QSize(1016, 745), QSize(1024, 768)}) {
    QImage image(outer - QSize(0, 23), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter canvas(&image);
      DrawTitleStripes(canvas, outer);
    }
    for (int row = 0; row < image.height(); ++row) {
      for (const int x : {0, outer.width() / 2, outer.width() - 1}) {
        ASSERT_EQ(QColor(image.pixel(x, row)), expectedStripe(row, outer.height())) << row;
      }
    }
  }
  // Stripe k lies at row 5k in RGB(60 + k, 0, 0).
  EXPECT_EQ(expectedStripe(5), QColor(61, 0, 0));
  EXPECT_EQ(expectedStripe(500), QColor(160, 0, 0));
}

TEST(TitleStripes, StopAtFullRedOnVeryTallWindows) {
  QImage image(20, 1200, QImage::Format_RGB32);
  {
    QPainter canvas(&image);
    DrawTitleStripes(canvas, image.size());
  }
  EXPECT_EQ(QColor(image.pixel(10, 1198)), QColor(255, 0, 0));
}

// The rows of the title's ink: "Kalkora" with its cell top at row 29, 36 points bold, and the
// subtitle at row 97, 24 points bold.
TEST(TitleTexts, StandCentredWithTheirCellTopsAtRows29And97) {
  QImage image(1001, 705, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter canvas(&image);
    DrawTitleTexts(canvas);
  }
  const auto inkBox = [&](int top, int bottom) {
    QRect box;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) > 128) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  };
  const QFontMetrics title(ArialFont(36, true));
  const QFontMetrics subtitle(ArialFont(24, true));
  const QRect titleInk = inkBox(0, 90);
  const QRect subtitleInk = inkBox(90, 180);
  ASSERT_FALSE(titleInk.isEmpty());
  ASSERT_FALSE(subtitleInk.isEmpty());
  // The tallest letters ("K", "l", "Ü") rise to the cap height above the baseline.
  EXPECT_NEAR(titleInk.top(), 29 + title.ascent() + title.tightBoundingRect("Kl").top(), 1);
  EXPECT_NEAR(titleInk.bottom(), 29 + title.ascent() - 1, 1);
  EXPECT_NEAR(subtitleInk.top(), 97 + subtitle.ascent() + subtitle.tightBoundingRect("Ü").top(), 1);
  EXPECT_NEAR(titleInk.center().x(), 500, 3);
  EXPECT_NEAR(subtitleInk.center().x(), 500, 3);
  // White, both of them.
  EXPECT_EQ(QColor(image.pixel(titleInk.center())).lightness() > 0, true);
  bool pureWhite = false;
  for (int x = titleInk.left(); x <= titleInk.right() && !pureWhite; ++x) {
    pureWhite = image.pixel(x, titleInk.center().y()) == qRgb(255, 255, 255);
  }
  EXPECT_TRUE(pureWhite);
}

class TitlePageTest : public ProgramTest {
 protected:
  // The window below its menu bar, in client coordinates.
  QImage grabClient() {
    ProcessEvents();
    const QImage window = mainWindow().grab().toImage();
    const int menu = mainWindow().clientArea()->y();
    return window.copy(QRect(0, menu, window.width(), window.height() - menu));
  }
};

TEST_F(TitlePageTest, HasItsControlsWhereTheyBelong) {
  TfrmKalkora& main = mainWindow();
  ASSERT_NE(main.pntText, nullptr);
  ASSERT_NE(main.imgTerm, nullptr);
  ASSERT_NE(main.lblVersion, nullptr);
  EXPECT_EQ(main.pntText->objectName(), QStringLiteral("pntText"));
  EXPECT_EQ(main.pntText->geometry(), QRect(8, 8, 1001, 705));
  EXPECT_EQ(main.imgTerm->objectName(), QStringLiteral("imgTerm"));
  EXPECT_EQ(main.imgTerm->geometry(), QRect(288, 192, 440, 440));
  EXPECT_EQ(main.imgTerm->pixmap().size(), QSize(440, 440));

  const QLabel& version = *main.lblVersion;
  EXPECT_EQ(version.text(), QStringLiteral("Version 3.10"));
  EXPECT_EQ(version.font().pixelSize(), 16);
  EXPECT_TRUE(version.font().bold());
  EXPECT_EQ(version.font().family(), ArialFamily());
  EXPECT_EQ(version.palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_TRUE(version.alignment() & Qt::AlignHCenter);
  EXPECT_EQ(version.x(), 0);
  EXPECT_EQ(version.width(), 1016);
  EXPECT_EQ(version.y() + version.height(), 722);
}

TEST_F(TitlePageTest, ShowsStripesTitlePictureAndVersion) {
  const QImage client = grabClient();
  ASSERT_EQ(client.size(), QSize(1016, 722));
  EXPECT_EQ(mainWindow().clientArea()->size(), QSize(1016, 722));
  // Stripes where nothing covers them.
  for (const int row : {1, 2, 7, 100, 400, 690}) {
    EXPECT_EQ(QColor(client.pixel(3, row)), expectedStripe(row)) << row;
    EXPECT_EQ(QColor(client.pixel(1012, row)), expectedStripe(row)) << row;
  }
  // The title in white on pntText (8 pixels in): rows from 8 + 29.
  int whiteTitle = 0;
  for (int y = 8 + 29; y < 8 + 29 + 48; ++y) {
    for (int x = 300; x < 716; ++x) whiteTitle += client.pixel(x, y) == qRgb(255, 255, 255);
  }
  EXPECT_GT(whiteTitle, 200);
  // The picture: white paper and dark letters.
  EXPECT_EQ(QColor(client.pixel(288 + 30, 192 + 30)).lightness() > 240, true);
  int dark = 0;
  for (int y = 192; y < 632; ++y) {
    for (int x = 288; x < 728; ++x) dark += qGray(client.pixel(x, y)) < 60;
  }
  EXPECT_GT(dark, 500);
  // The version line near the bottom edge, white.
  int whiteVersion = 0;
  for (int y = 722 - 22; y < 722; ++y) {
    for (int x = 400; x < 616; ++x) whiteVersion += qGray(client.pixel(x, y)) > 200;
  }
  EXPECT_GT(whiteVersion, 30);
}

TEST_F(TitlePageTest, StripesFillTheMaximisedWindow) {
  SetScreenSizeForTesting(QSize(1024, 768));
  mainWindow().FormActivate();
  ProcessEvents();
  ASSERT_TRUE(mainWindow().windowState() & Qt::WindowMaximized);
  // The offscreen platform gives the maximised window the size of its own screen; make it as
  // large as a real 1024 × 768 screen would.
  mainWindow().resize(1024, 768);
  ProcessEvents();
  const QImage client = grabClient();
  ASSERT_EQ(client.width(), 1024);
  ASSERT_GT(client.height(), 722);
  for (int row = 0; row < client.height(); ++row) {
    for (const int x : {1, 1020, 1023}) {
      ASSERT_EQ(QColor(client.pixel(x, row)), expectedStripe(row)) << x << ", " << row;
    }
  }
  // The title keeps its page position.
  EXPECT_EQ(mainWindow().pntText->geometry(), QRect(8, 8, 1001, 705));
  // The version line follows the bottom edge of the client area.
  EXPECT_EQ(mainWindow().lblVersion->y() + mainWindow().lblVersion->height(),
            mainWindow().clientArea()->height());
}

TEST_F(TitlePageTest, AnUnreadablePictureLeavesThePageWithoutIt) {
  for (const QByteArray& data :
       {QByteArray(), QByteArray("not a picture"), SampleTermsJpeg().left(300)}) {
    ShowSampleTerms(*mainWindow().imgTerm, data);
    EXPECT_TRUE(mainWindow().imgTerm->pixmap().isNull());
    const QImage client = grabClient();
    // Where the picture was, the stripes show.
    for (const int row : {200, 300, 401, 500, 620}) {
      EXPECT_EQ(QColor(client.pixel(508, row)), expectedStripe(row)) << row;
    }
  }
  ShowSampleTerms(*mainWindow().imgTerm, SampleTermsJpeg());
  EXPECT_EQ(mainWindow().imgTerm->pixmap().size(), QSize(440, 440));
}

}  // namespace
}  // namespace kalkora

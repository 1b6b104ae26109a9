// Decoding JPEG data with libjpeg-turbo: the committed sample-terms picture, and data that is
// not a readable picture.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <string>

#include "app/title_page.h"
#include "drawing/jpeg.h"
#include "image_probe.h"

namespace kalkora {
namespace {

TEST(Jpeg, TheSampleTermsPictureIsA440PixelSquareWithDarkLettersOnWhite) {
  const QByteArray data = SampleTermsJpeg();
  ASSERT_FALSE(data.isEmpty());
  const QImage picture = DecodeJpeg(data);
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(440, 440));
  // The middle of a blank stretch is white, the frame grey, and there are letters.
  const QColor blank(picture.pixel(30, 220));
  EXPECT_GT(blank.lightness(), 245);
  const QColor frame(picture.pixel(1, 220));
  EXPECT_LT(frame.lightness(), 200);
  EXPECT_GT(frame.lightness(), 100);
  const QRect dark = test::BoxOf(
      picture, [](QRgb p) { return qGray(p) < 60; }, QRect(10, 10, 420, 420));
  ASSERT_FALSE(dark.isEmpty());
  EXPECT_LT(dark.top(), 100);     // the first line near the top
  EXPECT_GT(dark.bottom(), 340);  // the last line near the bottom
}

TEST(Jpeg, TheSampleTermsPictureIsTheSameFromTheStartsWorkerAndDecodedOnTheSpot) {
  StartDecodingSampleTerms();
  const QImage fromWorker = SampleTermsPicture();
  const QImage onTheSpot = SampleTermsPicture();  // the worker's result is taken once
  ASSERT_EQ(fromWorker.size(), QSize(440, 440));
  EXPECT_EQ(fromWorker, onTheSpot);
  EXPECT_EQ(fromWorker, DecodeJpeg(SampleTermsJpeg()));
}

TEST(Jpeg, AColourPictureKeepsItsColours) {
  // The sample picture is greyscale; a colour JPEG (made here by the toolkit's own writer) is
  // decoded in colour and opaque.
  QImage original(64, 32, QImage::Format_RGB32);
  original.fill(QColor(200, 30, 40));
  for (int y = 0; y < 32; ++y) {
    for (int x = 32; x < 64; ++x) original.setPixelColor(x, y, QColor(20, 60, 210));
  }
  QByteArray data;
  QBuffer buffer(&data);
  ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
  ASSERT_TRUE(QImageWriter(&buffer, "jpg").write(original));

  const QImage picture = DecodeJpeg(data);
  ASSERT_EQ(picture.size(), QSize(64, 32));
  ASSERT_EQ(picture.format(), QImage::Format_RGB32);
  const QColor red = picture.pixelColor(8, 16);
  const QColor blue = picture.pixelColor(56, 16);
  EXPECT_NEAR(red.red(), 200, 12);
  EXPECT_NEAR(red.green(), 30, 12);
  EXPECT_NEAR(red.blue(), 40, 12);
  EXPECT_NEAR(blue.red(), 20, 12);
  EXPECT_NEAR(blue.green(), 60, 12);
  EXPECT_NEAR(blue.blue(), 210, 12);
  // The unused byte of every pixel word is 0xff, as the pixel layout requires.
  for (int y = 0; y < picture.height(); ++y) {
    const auto* words = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) ASSERT_EQ(qAlpha(words[x]), 255) << x << "," << y;
  }
}

QByteArray validJpeg() { return SampleTermsJpeg(); }

struct BadCase {
  const char* name;
  QByteArray (*data)();
};

class UnreadableJpeg : public ::testing::TestWithParam<BadCase> {};

TEST_P(UnreadableJpeg, GivesNoPicture) { EXPECT_TRUE(DecodeJpeg(GetParam().data()).isNull()); }

INSTANTIATE_TEST_SUITE_P(
    Data, UnreadableJpeg,
    ::testing::Values(BadCase{"empty", [] { return QByteArray(); }},
                      BadCase{"text", [] { return QByteArray("this is no picture at all"); }},
                      BadCase{"start_marker_only", [] { return QByteArray("\xFF\xD8\xFF", 3); }},
                      BadCase{"header_cut", [] { return validJpeg().left(200); }},
                      BadCase{"half", [] { return validJpeg().left(validJpeg().size() / 2); }},
                      BadCase{"png",
                              [] { return QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16); }},
                      BadCase{"zeros", [] { return QByteArray(5000, '\0'); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Jpeg, DamagedDataNeverStopsTheDecoder) {
  // Bytes overwritten all over the picture: decoded or refused, but never a crash.
  const QByteArray original = validJpeg();
  for (int step = 7; step < 400; step += 37) {
    QByteArray damaged = original;
    for (qsizetype i = step; i < damaged.size(); i += step * 13) {
      damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
    }
    const QImage picture = DecodeJpeg(damaged);
    EXPECT_LE(picture.width(), 4096);
    EXPECT_LE(picture.height(), 4096);
  }
}

}  // namespace
}  // namespace kalkora

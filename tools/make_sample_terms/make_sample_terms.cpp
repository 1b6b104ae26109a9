// kalkora-make-sample-terms [OUTPUT.jpg]
// Draws the sample-terms picture of the title page — four lines of bold black mathematics on a
// white square with a thin grey frame — and writes it as a greyscale JPEG with libjpeg-turbo (by default
// to assets/sample_terms.jpg). Run it from the repository root when the picture should change:
//   build/release/tools/make_sample_terms/kalkora-make-sample-terms assets/sample_terms.jpg

#include <turbojpeg.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>

#include "app/application.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "frame/palette.h"

namespace {

using namespace kalkora;

constexpr int kSide = 440;
constexpr int kSize = 20;  // points

QImage drawSampleTerms() {
  QImage image(kSide, kSide, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter canvas(&image);
  canvas.setPen(QPen(QColor(160, 160, 160), 2));
  canvas.drawRect(QRectF(1, 1, kSide - 2, kSide - 2));

  // 10 pixels per unit, page (0, 0) in the middle of the square.
  SetPage(-22, 22, -22, 22, kSide, kSide);
  SetPalette();
  const ColourSet& black = palette::BlackColours;
  DrawMarkupCentred(canvas, 0, 16, u"5·x^4 – 3·x^3 + 4·x^2", kSize, true, black);
  DrawMarkupCentred(canvas, 0, 6.5, u"(a + b)·(a – b)", kSize, true, black);

  // T(x) = (5·x + 1)/2 – 3 with the fraction stacked, centred as a whole; the texts beside
  // the fraction stand with their middle on the bar.
  const Text prefix = u"T(x) = ";
  const Text suffix = u" – 3";
  const double prefixWidth = MarkupWidth(prefix, kSize, true) / 10.0;
  const double fractionWidth = FractionWidth(u"5·x + 1", u"2", kSize);
  const double suffixWidth = MarkupWidth(suffix, kSize, true) / 10.0;
  const double left = -(prefixWidth + fractionWidth + suffixWidth) / 2;
  const double y = -4;
  DrawMarkupLeft(canvas, left, y + 0.4, prefix, kSize, true, black);
  DrawFraction(canvas, left + prefixWidth, y, u"5·x + 1", u"2", kSize, black);
  DrawMarkupLeft(canvas, left + prefixWidth + fractionWidth, y + 0.4, suffix, kSize, true, black);

  DrawMarkupCentred(canvas, 0, -14, u"T(z) – T(2z)", kSize, true, black);
  return image;
}

struct TurboJpegHandle {
  void operator()(void* handle) const { tjDestroy(handle); }
};

bool writeJpeg(const QImage& image, const char* path) {
  const std::unique_ptr<void, TurboJpegHandle> handle(tjInitCompress());
  if (!handle) return false;
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  // The picture is black, grey and white only: a greyscale JPEG keeps every stroke at full
  // resolution and decodes in about a third of the time of a colour one, which the program's
  // start pays.
  if (tjCompress2(handle.get(), image.constBits(), image.width(),
                  static_cast<int>(image.bytesPerLine()), image.height(), TJPF_RGB, &jpeg, &size,
                  TJSAMP_GRAY, 92, 0) != 0) {
    std::fprintf(stderr, "%s\n", tjGetErrorStr2(handle.get()));
    return false;
  }
  bool written = false;
  if (std::FILE* file = std::fopen(path, "wb")) {
    written = std::fwrite(jpeg, 1, size, file) == size;
    written = std::fclose(file) == 0 && written;
  }
  tjFree(jpeg);
  return written;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kalkora::PrepareApplication(app);
  const char* path = argc > 1 ? argv[1] : "assets/sample_terms.jpg";
  if (!writeJpeg(drawSampleTerms(), path)) {
    std::fprintf(stderr, "cannot write %s\n", path);
    return 1;
  }
  std::printf("%s\n", path);
  return 0;
}

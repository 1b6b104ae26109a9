#include "drawing/jpeg.h"

#include <turbojpeg.h>

#include <memory>

namespace kalkora {

namespace {

constexpr int kLargestSide = 4096;

struct HandleCloser {
  void operator()(void* handle) const { tjDestroy(handle); }
};

}  // namespace

QImage DecodeJpeg(QByteArrayView data) {
  if (data.isEmpty()) return {};
  const std::unique_ptr<void, HandleCloser> handle(tjInitDecompress());
  if (!handle) return {};
  const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
  const auto size = static_cast<unsigned long>(data.size());
  int width = 0;
  int height = 0;
  int subsampling = 0;
  int colourspace = 0;
  if (tjDecompressHeader3(handle.get(), bytes, size, &width, &height, &subsampling, &colourspace) !=
      0) {
    return {};
  }
  if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return {};
  QImage image(width, height, QImage::Format_RGB888);
  if (image.isNull()) return {};
  // A damaged picture is refused as a whole rather than shown half grey.
  const int flags = TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;
  if (tjDecompress2(handle.get(), bytes, size, image.bits(), width,
                    static_cast<int>(image.bytesPerLine()), height, TJPF_RGB, flags) != 0) {
    return {};
  }
  return image;
}

}  // namespace kalkora

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
  // A greyscale picture stays one byte a pixel; a colour one is decoded straight into the
  // layout a pixmap keeps (0xffRRGGBB words), so showing it converts no pixel.
  const bool grey = colourspace == TJCS_GRAY;
  QImage image(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
  if (image.isNull()) return {};
  const int pixelFormat = grey                              ? TJPF_GRAY
                          : Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRA
                                                            : TJPF_ARGB;
  // A damaged picture is refused as a whole rather than shown half grey.
  const int flags = TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;
  if (tjDecompress2(handle.get(), bytes, size, image.bits(), width,
                    static_cast<int>(image.bytesPerLine()), height, pixelFormat, flags) != 0) {
    return {};
  }
  return image;
}

}  // namespace kalkora

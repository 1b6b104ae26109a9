#pragma once
// JPEG pictures through libjpeg-turbo's own interface (not the toolkit's image plugins).

#include <QByteArrayView>
#include <QImage>

namespace kalkora {

// The decoded picture, or a null image when the data is not a readable JPEG (or larger than
// 4096 × 4096 pixels). Never fails in any other way.
QImage DecodeJpeg(QByteArrayView data);

}  // namespace kalkora

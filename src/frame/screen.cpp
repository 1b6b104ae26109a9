#include "frame/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace kalkora {
namespace {
std::optional<QSize>& simulatedSize() {
  static std::optional<QSize> size;
  return size;
}
}  // namespace

QSize ScreenSize() {
  if (simulatedSize()) return *simulatedSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize();
}

void SetScreenSizeForTesting(std::optional<QSize> size) { simulatedSize() = size; }

}  // namespace kalkora

#pragma once
// The size of the screen the windows open on, with a seam for tests that simulate another
// screen (1024 × 768 maximises every window).

#include <QSize>
#include <optional>

namespace kalkora {

QSize ScreenSize();

// Pretend the screen has this size (nullopt: the real primary screen again).
void SetScreenSizeForTesting(std::optional<QSize> size);

}  // namespace kalkora

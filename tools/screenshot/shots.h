#pragma once
// The pictures the screenshot tool takes: each opens a window from the main window's menu as a
// learner would, optionally brings it into a state worth looking at, and saves it.

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

namespace kalkora::screenshot {

// The random seed of every picture, so that they can be compared from run to run.
inline constexpr std::uint32_t kScreenshotSeed = 2026;

struct Shot {
  QString file;      // without folder and ".png"
  QString menuItem;  // object name of the main-window menu item; empty: the main window itself
  // Runs after the window has opened (type answers, press buttons, …); may be empty.
  std::function<void(QWidget& window)> prepare;
  // The widget to save when it is not the window itself (a window the moves opened, which is
  // closed after the picture); may be empty.
  std::function<QWidget*(QWidget& window)> picture = {};
  // A picture that is no widget (a printed page), drawn from the window's state; may be empty.
  std::function<QImage(QWidget& window)> render = {};
};

std::vector<Shot> AllShots();

}  // namespace kalkora::screenshot

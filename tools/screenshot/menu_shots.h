#pragma once
// A picture for every command of the main window's menu that no other picture opens yet,
// found by walking the menu: a window added to the menu later is pictured without a change
// here.

#include <QMenuBar>
#include <vector>

#include "shots.h"

namespace kalkora::screenshot {

// The command of the main window that ends the program, which opens no window.
inline constexpr const char* kEndCommand = "Beenden";

// Shots "menu-<item>" of the bar's commands that no shot in `taken` opens.
std::vector<Shot> MenuCommandShots(const QMenuBar& bar, const std::vector<Shot>& taken);

// The menu item a shot names: by object name, else by its path of captions
// ("Bruchterme › Arbeitsblatt"); null when there is none.
QAction* FindMenuItem(const QMenuBar& bar, const QString& name);

}  // namespace kalkora::screenshot

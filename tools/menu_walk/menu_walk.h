#pragma once
// The menu commands of a window's menu bar, found by walking it as a learner finds them, so
// that the tools reach every window the menu opens, also windows added later.

#include <QAction>
#include <QMenuBar>
#include <QString>
#include <vector>

namespace kalkora {

// Every enabled, visible item of the bar that opens no submenu, each with the items from the
// bar down to it.
std::vector<std::vector<QAction*>> MenuCommands(const QMenuBar& bar);

// "Terme › Übungsbeispele › Einsetzen › Stufe 1": the captions along the path, without the
// underlining marks.
QString MenuPathText(const std::vector<QAction*>& path);

}  // namespace kalkora

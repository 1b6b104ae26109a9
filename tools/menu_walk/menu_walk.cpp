#include "menu_walk.h"

#include <QMenu>

namespace kalkora {

std::vector<std::vector<QAction*>> MenuCommands(const QMenuBar& bar) {
  std::vector<std::vector<QAction*>> commands;
  std::vector<QAction*> path;
  const auto walk = [&](const auto& self, const QList<QAction*>& items) -> void {
    for (QAction* item : items) {
      if (item->isSeparator() || !item->isVisible() || !item->isEnabled()) continue;
      path.push_back(item);
      if (QMenu* submenu = item->menu()) {
        self(self, submenu->actions());
      } else {
        commands.push_back(path);
      }
      path.pop_back();
    }
  };
  walk(walk, bar.actions());
  return commands;
}

QString MenuPathText(const std::vector<QAction*>& path) {
  QStringList captions;
  for (const QAction* item : path) captions << QString(item->text()).remove(QLatin1Char('&'));
  return captions.join(QStringLiteral(" › "));
}

}  // namespace kalkora

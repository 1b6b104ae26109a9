#include "menu_shots.h"

#include <QRegularExpression>
#include <algorithm>

#include "menu_walk.h"

namespace kalkora::screenshot {
namespace {

// A menu item's name as shots name it: its object name, else its path of captions.
QString ItemName(const std::vector<QAction*>& path) {
  const QString name = path.back()->objectName();
  return name.isEmpty() ? MenuPathText(path) : name;
}

// "menu-" and the item's object name or path of captions, in small letters, digits and dashes
// ("menKuerzenM" → "menu-menkuerzenm", "Bruchterme › Arbeitsblatt" →
// "menu-bruchterme-arbeitsblatt").
QString FileName(const QString& name) {
  static const QRegularExpression others(QStringLiteral("[^a-z0-9]+"));
  return QStringLiteral("menu-") + QString(name)
                                       .toLower()
                                       .replace(QStringLiteral("ä"), QStringLiteral("ae"))
                                       .replace(QStringLiteral("ö"), QStringLiteral("oe"))
                                       .replace(QStringLiteral("ü"), QStringLiteral("ue"))
                                       .replace(QStringLiteral("ß"), QStringLiteral("ss"))
                                       .replace(others, QStringLiteral("-"));
}

}  // namespace

std::vector<Shot> MenuCommandShots(const QMenuBar& bar, const std::vector<Shot>& taken) {
  std::vector<Shot> shots;
  for (const std::vector<QAction*>& path : MenuCommands(bar)) {
    const QString name = ItemName(path);
    if (name == QLatin1String(kEndCommand)) continue;
    const bool pictured = std::any_of(taken.begin(), taken.end(),
                                      [&](const Shot& shot) { return shot.menuItem == name; });
    if (!pictured) shots.push_back(Shot{FileName(name), name, {}});
  }
  return shots;
}

QAction* FindMenuItem(const QMenuBar& bar, const QString& name) {
  if (auto* item = bar.findChild<QAction*>(name)) return item;
  for (const std::vector<QAction*>& path : MenuCommands(bar)) {
    if (MenuPathText(path) == name) return path.back();
  }
  return nullptr;
}

}  // namespace kalkora::screenshot

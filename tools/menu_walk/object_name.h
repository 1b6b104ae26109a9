#pragma once
// How the tools name a window or control in their reports: its object name, or its class name
// when it has none.

#include <QObject>
#include <QString>

namespace kalkora {

inline QString ObjectName(const QObject& object) {
  const QString name = object.objectName();
  return name.isEmpty() ? QString::fromLatin1(object.metaObject()->className()) : name;
}

}  // namespace kalkora

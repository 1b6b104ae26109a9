#pragma once
// An icon made of pictures of fixed sizes in the resources, each read only when it is first
// asked for: setting the application's icon costs nothing before the first paint.

#include <QIcon>
#include <QString>
#include <vector>

namespace kalkora {

// `pathPattern` holds "%1" for the size ("/icons/%1x%1/kalkora.png"); `sizes` ascending.
QIcon SizedIcon(const QString& pathPattern, std::vector<int> sizes);

}  // namespace kalkora

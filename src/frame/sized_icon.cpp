#include "frame/sized_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <map>
#include <utility>

namespace kalkora {
namespace {

class SizedIconEngine : public QIconEngine {
 public:
  SizedIconEngine(QString pathPattern, std::vector<int> sizes)
      : pathPattern_(std::move(pathPattern)), sizes_(std::move(sizes)) {}

  QIconEngine* clone() const override { return new SizedIconEngine(*this); }
  QString key() const override { return QStringLiteral("KalkoraSizedIcon"); }
  bool isNull() override { return sizes_.empty(); }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> result;
    for (const int size : sizes_) result << QSize(size, size);
    return result;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::min(size.width(), size.height());
    return side <= 0 ? QSize() : QSize(side, side);
  }

  // The picture of the smallest size not below the one asked for (else the largest), scaled.
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const QSize wanted = actualSize(size, QIcon::Normal, QIcon::Off);
    if (!wanted.isValid() || sizes_.empty()) return {};
    const auto fitting = std::find_if(sizes_.begin(), sizes_.end(),
                                      [&](int side) { return side >= wanted.width(); });
    const int side = fitting == sizes_.end() ? sizes_.back() : *fitting;
    const QPixmap& read = picture(side);
    if (read.isNull() || read.size() == wanted) return read;
    return read.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

 private:
  const QPixmap& picture(int side) {
    auto found = read_.find(side);
    if (found == read_.end()) {
      found = read_.emplace(side, QPixmap(pathPattern_.arg(side))).first;
    }
    return found->second;
  }

  QString pathPattern_;
  std::vector<int> sizes_;
  std::map<int, QPixmap> read_;
};

}  // namespace

QIcon SizedIcon(const QString& pathPattern, std::vector<int> sizes) {
  std::sort(sizes.begin(), sizes.end());
  return QIcon(new SizedIconEngine(pathPattern, std::move(sizes)));
}

}  // namespace kalkora

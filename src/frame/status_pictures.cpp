#include "frame/status_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace kalkora {
namespace {

constexpr QSize kFaceSize{63, 69};
constexpr QSize kMarkSize{40, 40};

QPixmap transparentPixmap(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

struct FaceStyle {
  QColor skin;
  QColor outline;
  int mouthCurve;  // > 0 smiling, < 0 sad, 0 straight
};

FaceStyle styleOf(Face face) {
  switch (face) {
    case Face::Blue: return {QColor(120, 170, 255), QColor(20, 60, 170), 0};
    case Face::Green: return {QColor(120, 220, 110), QColor(20, 120, 30), 1};
    case Face::Red: return {QColor(255, 90, 90), QColor(160, 0, 0), -1};
    case Face::Orange: return {QColor(255, 170, 60), QColor(190, 90, 0), -1};
  }
  return {Qt::gray, Qt::black, 0};
}

QPixmap drawFace(Face face) {
  const FaceStyle style = styleOf(face);
  QPixmap pixmap = transparentPixmap(kFaceSize);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);

  const QRectF head(3.5, 6.5, 56, 56);
  painter.setPen(QPen(style.outline, 3));
  painter.setBrush(style.skin);
  painter.drawEllipse(head);

  painter.setPen(Qt::NoPen);
  painter.setBrush(style.outline);
  painter.drawEllipse(QPointF(22, 27), 4, 5.5);
  painter.drawEllipse(QPointF(41, 27), 4, 5.5);

  QPainterPath mouth;
  const double mouthY = 46;
  mouth.moveTo(19, mouthY);
  mouth.quadTo(31.5, mouthY + 11 * style.mouthCurve, 44, mouthY);
  painter.setPen(QPen(style.outline, 3.5, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(mouth);
  return pixmap;
}

QPixmap drawTick() {
  QPixmap pixmap = transparentPixmap(kMarkSize);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 160, 40), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const std::array<QPointF, 3> stroke{QPointF(7, 21), QPointF(16, 31), QPointF(33, 9)};
  painter.drawPolyline(stroke.data(), static_cast<int>(stroke.size()));
  return pixmap;
}

QPixmap drawCross() {
  QPixmap pixmap = transparentPixmap(kMarkSize);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(220, 0, 0), 6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(9, 9), QPointF(31, 31));
  painter.drawLine(QPointF(31, 9), QPointF(9, 31));
  return pixmap;
}

}  // namespace

const QPixmap& FacePicture(Face face) {
  // Kept until the process ends (a pixmap must not outlive the application object).
  static const auto* faces = new std::array<QPixmap, 4>{
      drawFace(Face::Blue), drawFace(Face::Green), drawFace(Face::Red), drawFace(Face::Orange)};
  return (*faces)[static_cast<std::size_t>(face)];
}

const QPixmap& TickPicture() {
  static const auto* tick = new QPixmap(drawTick());
  return *tick;
}

const QPixmap& CrossPicture() {
  static const auto* cross = new QPixmap(drawCross());
  return *cross;
}

}  // namespace kalkora

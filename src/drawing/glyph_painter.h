#pragma once
// Puts single characters at exact pixel positions, as the renderer lays them out: consecutive
// characters of one font and colour are drawn together as one glyph run.

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPointF>

#include "drawing/font_faces.h"

namespace kalkora {

class GlyphPainter {
 public:
  explicit GlyphPainter(QPainter& painter);
  ~GlyphPainter();  // draws what is pending and gives the painter its pen back
  GlyphPainter(const GlyphPainter&) = delete;
  GlyphPainter& operator=(const GlyphPainter&) = delete;

  // Draws c in `face` with the top of its character cell at (left, top).
  void draw(const FontFace& face, char16_t c, qreal left, qreal top, const QColor& colour);
  void flush();

 private:
  QPainter& painter_;
  QPen savedPen_;
  const QRawFont* raw_ = nullptr;
  QColor colour_;
  QList<quint32> glyphs_;
  QList<QPointF> positions_;
};

}  // namespace kalkora

#include "drawing/glyph_painter.h"

#include <QGlyphRun>

namespace kalkora {

GlyphPainter::GlyphPainter(QPainter& painter) : painter_(painter), savedPen_(painter.pen()) {}

GlyphPainter::~GlyphPainter() {
  flush();
  painter_.setPen(savedPen_);
}

void GlyphPainter::draw(const FontFace& face, char16_t c, qreal left, qreal top,
                        const QColor& colour) {
  const Glyph& glyph = face.glyph(c);
  const QRawFont& raw = face.rawFont(glyph);
  if (&raw != raw_ || colour != colour_) {
    flush();
    raw_ = &raw;
    colour_ = colour;
  }
  glyphs_.append(glyph.index);
  positions_.append(QPointF(left + glyph.offset, top + face.ascent()));
}

void GlyphPainter::flush() {
  if (glyphs_.isEmpty()) return;
  QGlyphRun run;
  run.setRawFont(*raw_);
  run.setGlyphIndexes(glyphs_);
  run.setPositions(positions_);
  painter_.setPen(colour_);
  painter_.drawGlyphRun(QPointF(0, 0), run);
  glyphs_.clear();
  positions_.clear();
}

}  // namespace kalkora

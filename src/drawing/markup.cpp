#include "drawing/markup.h"

#include <QFontMetrics>

#include "drawing/font_faces.h"
#include "drawing/markup_layout.h"
#include "drawing/page.h"

namespace kalkora {

namespace {

void drawAt(QPainter& canvas, int px, int py, TextView text, int size, bool bold, Markers markers,
            const ColourSet& colours) {
  {
    GlyphPainter glyphs(canvas);
    LayOutMarkup(&glyphs, px, py, text, size, bold, markers, colours);
  }
  const FaceKind kind = markers == Markers::AllSymbol ? FaceKind::Symbol : FaceKind::Arial;
  canvas.setFont(Face(kind, RendererSize(size), bold).font());
}

// Draws with the left edge at page x, or centred on it by `centringWidth` pixels.
void drawPlaced(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                Markers markers, const ColourSet& colours, int centringWidth = 0) {
  const QPoint p = PageToPixel(x, y);
  drawAt(canvas, p.x() - centringWidth / 2, p.y(), text, size, bold, markers, colours);
}

ColourSet twoColours(const QColor& base, const QColor& mark) {
  ColourSet colours;
  colours.fill(base);
  colours[1] = mark;
  return colours;
}

}  // namespace

void DrawMarkup(QPainter& canvas, int px, int py, TextView text, int size, bool bold,
                const ColourSet& colours) {
  drawAt(canvas, px, py, text, size, bold, Markers::Six, colours);
}

void DrawMarkupLeft(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                    const ColourSet& colours) {
  drawPlaced(canvas, x, y, text, size, bold, Markers::Six, colours);
}

void DrawMarkupRight(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                     const ColourSet& colours) {
  const int width = MarkupWidth(WithoutChars(text, kSixMarkers), size, bold);
  const QPoint p = PageToPixel(x, y);
  drawAt(canvas, p.x() - width, p.y(), text, size, bold, Markers::Six, colours);
}

void DrawMarkupCentred(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                       const ColourSet& colours) {
  drawPlaced(canvas, x, y, text, size, bold, Markers::Six, colours,
             MarkupTextWidth(text, size, bold));
}

double DrawMarkupCentredHalf(QPainter& canvas, double x, double y, TextView text, int size,
                             bool bold, const ColourSet& colours) {
  const int width = MarkupTextWidth(text, size, bold);
  drawPlaced(canvas, x, y, text, size, bold, Markers::Six, colours, width);
  return (width / 10.0) / 2.0;
}

void DrawMarkupMiddle(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                      const ColourSet& colours) {
  const int height = QFontMetrics(canvas.font()).height();
  DrawMarkupCentred(canvas, x, y + height / 20.0, text, size, bold, colours);
}

void DrawMarkup6(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                 const ColourSet& colours, bool centred) {
  const int width = centred ? MarkupTextWidth(WithoutChars(text, u"#_~$§ß^"), size, bold) : 0;
  drawPlaced(canvas, x, y, text, size, bold, Markers::Six, colours, width);
}

void DrawMarkup3(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                 const ColourSet& colours, bool centred) {
  const int width = centred ? MarkupTextWidth(WithoutChars(text, u"#_~^"), size, bold) : 0;
  drawPlaced(canvas, x, y, text, size, bold, Markers::Three, colours, width);
}

void DrawAlternating(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                     const ColourSet& colours, bool centred) {
  const int width = centred ? MarkupTextWidth(WithoutChars(text, u"#"), size, bold) : 0;
  drawPlaced(canvas, x, y, text, size, bold, Markers::Alternating, colours, width);
}

void DrawTwoColour(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                   const QColor& baseColour, const QColor& markColour) {
  drawPlaced(canvas, x, y, text, size, bold, Markers::Hash, twoColours(baseColour, markColour));
}

void DrawTitle(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
               const QColor& baseColour, const QColor& markColour) {
  drawPlaced(canvas, x, y, text, size, bold, Markers::Hash, twoColours(baseColour, markColour),
             MarkupTextWidth(text, size, bold));
}

void DrawSymbolMixed(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                     const QColor& colour) {
  drawPlaced(canvas, x, y, text, size, bold, Markers::SymbolEscape, OneColour(colour));
}

void DrawSymbolMixedCentred(QPainter& canvas, double x, double y, TextView text, int size,
                            bool bold, const QColor& colour) {
  const int width = MarkupTextWidth(WithoutChars(text, u"#_~"), size, bold);
  drawPlaced(canvas, x, y, text, size, bold, Markers::SymbolEscape, OneColour(colour), width);
}

void DrawSymbolText(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                    const QColor& colour) {
  drawPlaced(canvas, x, y, text, size, bold, Markers::AllSymbol, OneColour(colour));
}

int SymbolMixedWidth(TextView text, int size, bool bold) {
  static const ColourSet unused{};
  return LayOutMarkup(nullptr, 0, 0, text, size, bold, Markers::SymbolEscape, unused);
}

int SymbolTextWidth(TextView text, int size, bool bold) {
  static const ColourSet unused{};
  return LayOutMarkup(nullptr, 0, 0, text, size, bold, Markers::AllSymbol, unused);
}

int MarkupWidth(TextView text, int size, bool bold) {
  static const ColourSet unused{};
  return LayOutMarkup(nullptr, 0, 0, text, size, bold, Markers::Caret, unused);
}

int MarkupWidthCaret(TextView text, int size, bool bold) {
  static const ColourSet unused{};
  return LayOutMarkup(nullptr, 0, 0, text, size, bold, Markers::CaretCounted, unused);
}

int MarkupTextWidth(TextView text, int size, bool bold) {
  return MarkupWidth(WithoutChars(text, kSixMarkers), size, bold);
}

}  // namespace kalkora

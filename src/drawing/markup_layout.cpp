#include "drawing/markup_layout.h"

#include <algorithm>
#include <climits>

#include "drawing/font_faces.h"
#include "drawing/fonts.h"

namespace kalkora {

namespace {

// The colour index of a colour marker of this operation, 0 for any other character.
int colourMarker(char16_t c, Markers markers) {
  switch (markers) {
    case Markers::Six:
      switch (c) {
        case u'#': return 1;
        case u'_': return 2;
        case u'~': return 3;
        case u'$': return 4;
        case u'§': return 5;
        case u'ß': return 6;
        default: return 0;
      }
    case Markers::Three:
      switch (c) {
        case u'#': return 1;
        case u'_': return 2;
        case u'~': return 3;
        default: return 0;
      }
    case Markers::Hash: return c == u'#' ? 1 : 0;
    default: return 0;
  }
}

int clampToInt(long long v) {
  return static_cast<int>(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2));
}

}  // namespace

int RendererSize(int points) { return std::clamp(points, 1, 500); }

Text WithoutChars(TextView text, TextView chars) {
  Text result;
  result.reserve(text.size());
  for (char16_t c : text) {
    if (chars.find(c) == TextView::npos) result.push_back(c);
  }
  return result;
}

int LayOutMarkup(GlyphPainter* glyphs, int px, int py, TextView text, int size, bool bold,
                 Markers markers, const ColourSet& colours) {
  size = RendererSize(size);
  const int smallSize = RendererSize(ExponentSize(size));
  const int raise = smallSize / 2;
  const bool allSymbol = markers == Markers::AllSymbol;
  const FontFace& normal = Face(allSymbol ? FaceKind::Symbol : FaceKind::Arial, size, bold);
  // The exponent face is looked up at the first exponent: most texts have none, and a face
  // not made yet costs a font engine.
  const FontFace* small = nullptr;

  QColor current = colours[0];
  int hashes = 0;
  bool exponent = false;
  bool symbolNext = false;
  long long advance = 0;

  for (const char16_t c : text) {
    if (symbolNext) {
      // "~" of DrawSymbolMixed: this one character in the Symbol font, two pixels higher.
      const FontFace& symbol = Face(FaceKind::Symbol, exponent ? smallSize : size, bold);
      const int top = py - 2 - (exponent ? raise : 0);
      if (glyphs) glyphs->draw(symbol, c, static_cast<qreal>(px + advance), top, current);
      advance += symbol.advance(c);
      symbolNext = exponent = false;
      continue;
    }
    if (const int k = colourMarker(c, markers); k != 0) {
      current = current == colours[0] ? colours[k] : colours[0];
      continue;
    }
    if (markers == Markers::Alternating && c == u'#') {
      ++hashes;
      current = hashes % 2 == 0 ? colours[0] : (hashes / 2) % 2 == 0 ? colours[1] : colours[2];
      continue;
    }
    if (markers == Markers::SymbolEscape && c == u'~') {
      symbolNext = true;
      continue;
    }
    if (c == u'^') {
      if (markers == Markers::CaretCounted) advance += normal.advance(c);
      exponent = true;
      continue;
    }
    if (!exponent) {
      if (glyphs) glyphs->draw(normal, c, static_cast<qreal>(px + advance), py, current);
      advance += normal.advance(c);
      continue;
    }
    // An exponent: three quarters of the size, raised by half the small size. A "4" stands
    // one pixel further right and keeps one more pixel before the next character.
    const int extra = c == u'4' ? 1 : 0;
    if (!small) small = &Face(allSymbol ? FaceKind::Symbol : FaceKind::Arial, smallSize, bold);
    if (glyphs) {
      glyphs->draw(*small, c, static_cast<qreal>(px + advance + extra), py - raise, current);
    }
    advance += small->advance(c) + extra;
    exponent = false;
  }
  return clampToInt(advance);
}

}  // namespace kalkora

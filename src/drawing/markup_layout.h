#pragma once
// The one loop behind every renderer operation and every width of the markup text: it walks
// the text character by character, applies the markers the operation knows, and either draws
// or only measures.

#include "base/text.h"
#include "drawing/glyph_painter.h"
#include "frame/palette.h"

namespace kalkora {

// Which characters of the text are markers (anything else is drawn as a glyph).
enum class Markers {
  Six,           // "#" "_" "~" "$" "§" "ß" toggle colours 1 … 6, "^"
  Three,         // "#" "_" "~" toggle colours 1 … 3, "^"
  Alternating,   // "#" switches to colour 1, back, to colour 2, back, …; "^"
  Hash,          // "#" toggles colour 1, "^"
  SymbolEscape,  // "~" draws the next character in the Symbol font, "^"
  AllSymbol,     // every character in the Symbol font, "^"
  Caret,         // "^" only (measuring)
  CaretCounted,  // "^" counts with its own width as well (measuring typed answers)
};

// The sizes the renderer accepts: points outside 1 … 500 are clamped.
int RendererSize(int points);

// Lays `text` out with the top of its first character cell at pixel (px, py). Draws through
// `glyphs` when it is given, otherwise only measures. Returns the advance in pixels.
int LayOutMarkup(GlyphPainter* glyphs, int px, int py, TextView text, int size, bool bold,
                 Markers markers, const ColourSet& colours);

// Text with every character of `chars` removed.
Text WithoutChars(TextView text, TextView chars);

inline constexpr char16_t kSixMarkers[] = u"#_~$§ß";

}  // namespace kalkora

#pragma once
// The markup text renderer. A markup text is a display string in which a few characters are
// not drawn: colour markers switch the colour of what follows ("#x#" draws x in colour 1 of
// the colour set) and "^" raises the next single character as an exponent ("x^1^0" is x¹⁰).
// Each operation knows its own set of markers; any other character is drawn as a glyph:
//
//   DrawMarkupLeft/Right/Centred/CentredHalf/Middle, DrawMarkup6, DrawMarkup   # _ ~ $ § ß  ^
//   DrawMarkup3                                                                # _ ~        ^
//   DrawAlternating          # (colour 1, back, colour 2, back, …)                         ^
//   DrawTwoColour, DrawTitle # (mark colour / base colour)                                 ^
//   DrawSymbolMixed(Centred) ~ (next character in the Symbol font: "¹" ≠, "Î" ∈, "Þ" ⇒)   ^
//   DrawSymbolText           every character in the Symbol font                           ^
//
// A marker opens its colour while the base colour is active and otherwise returns to the
// base colour. Exponents are drawn at nearest(0.75 · size) points, raised by half that number
// of pixels. Positions are page coordinates (page.h) of the top-left corner of the first
// character cell; sizes are points at 96 pixels per inch; texts are drawn in "Arial" with a
// transparent background. Every operation draws on the canvas it is given and leaves the
// font of its text set on it. Any text is safe: a marker or "^" at the end draws nothing.

#include <QColor>
#include <QPainter>

#include "base/text.h"
#include "frame/palette.h"

namespace kalkora {

void DrawMarkupLeft(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                    const ColourSet& colours);
// Right edge at x (centring width: MarkupWidth of the text without the six markers).
void DrawMarkupRight(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                     const ColourSet& colours);
// Centred on x by MarkupTextWidth.
void DrawMarkupCentred(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                       const ColourSet& colours);
// As DrawMarkupCentred; returns half the text width in page units of a 10-pixel page.
double DrawMarkupCentredHalf(QPainter& canvas, double x, double y, TextView text, int size,
                             bool bold, const ColourSet& colours);
// Centred on x with the text's vertical middle at y, measured with the height of the font the
// previous drawing call left on the canvas.
void DrawMarkupMiddle(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                      const ColourSet& colours);
// Left edge at x, or centred (by the width without markers and carets, exponents counted at
// full size).
void DrawMarkup6(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                 const ColourSet& colours, bool centred);
// Markers "#", "_", "~" only: "$", "§" and "ß" are drawn as characters.
void DrawMarkup3(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                 const ColourSet& colours, bool centred);
void DrawAlternating(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                     const ColourSet& colours, bool centred);
// Starts in baseColour; each "#" switches between markColour and baseColour. Left edge at x.
void DrawTwoColour(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                   const QColor& baseColour, const QColor& markColour);
// As DrawTwoColour, centred on x by MarkupTextWidth.
void DrawTitle(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
               const QColor& baseColour, const QColor& markColour);
// "~" draws the next character in the Symbol font, two pixels higher. Left edge at x.
void DrawSymbolMixed(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                     const QColor& colour);
void DrawSymbolMixedCentred(QPainter& canvas, double x, double y, TextView text, int size,
                            bool bold, const QColor& colour);
// The whole text in the Symbol font (the program uses it for "Þ", the arrow ⇒).
void DrawSymbolText(QPainter& canvas, double x, double y, TextView text, int size, bool bold,
                    const QColor& colour);

// The core of the colour operations (six markers) at a pixel position.
void DrawMarkup(QPainter& canvas, int px, int py, TextView text, int size, bool bold,
                const ColourSet& colours);

// Widths in pixels, in "Arial" of this size and weight.
// Every character counts, markers included; "^" adds nothing and makes the next character
// count at the exponent size. Callers remove the markers first.
int MarkupWidth(TextView text, int size, bool bold);
// As MarkupWidth, but each "^" also counts with its own width (typed answers hold carets).
int MarkupWidthCaret(TextView text, int size, bool bold);
// MarkupWidth of the text with the six colour markers removed.
int MarkupTextWidth(TextView text, int size, bool bold);
// The advance DrawSymbolMixed and DrawSymbolText take for the text (the Symbol glyphs with
// their own advances).
int SymbolMixedWidth(TextView text, int size, bool bold);
int SymbolTextWidth(TextView text, int size, bool bold);

}  // namespace kalkora

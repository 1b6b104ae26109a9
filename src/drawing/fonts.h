#pragma once
// The program's fonts. "Arial" is served by the embedded Liberation Sans (the same widths), the
// Symbol escapes of the markup text by the embedded DejaVu Sans. Sizes are given in points at
// 96 pixels per inch and become pixel sizes, so nothing depends on the screen's density.

#include <QFont>
#include <QString>

namespace kalkora {

// Registers the embedded "Arial" fonts with the application (once; later calls do nothing).
// Needs the application object; PrepareApplication calls it. The Symbol font is registered
// when SymbolFamily() is first asked for.
void LoadProgramFonts();
// Registers every embedded font not registered yet, and says whether all of them are.
bool ProgramFontsLoaded();

// The pixel size of a font of `points` points at 96 pixels per inch, rounded as the original
// platform rounds it (14 points are 19 pixels, 18 points 24 pixels). At least 1.
int PointsToPixels(int points);

// The size of an exponent of a text of `points` points: nearest(0.75 · points), halves to the
// even neighbour (18 gives 14, 14 gives 10, 10 gives 8).
int ExponentSize(int points);

// Family names of the embedded fonts.
QString ArialFamily();   // "Liberation Sans"
QString SymbolFamily();  // "DejaVu Sans" (registers the font first)

// "Arial" of this size and weight, for widgets and painting.
QFont ArialFont(int points, bool bold);
// "Arial" with a character height of `pixels` pixels.
QFont ArialPixelFont(int pixels, bool bold);

}  // namespace kalkora

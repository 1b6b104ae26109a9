#pragma once
// The named colours of the program and the two colour sets of the markup renderer.

#include <QColor>
#include <array>

namespace kalkora {

// Index 0 is the base (text) colour, 1 … 6 the colours of the markers "#", "_", "~", "$", "§", "ß".
using ColourSet = std::array<QColor, 7>;

namespace palette {
// Black until the first SetPalette().
inline QColor palCream{0, 0, 0};
inline QColor palBrown{0, 0, 0};
inline QColor palViolet{0, 0, 0};
inline QColor palPurple{0, 0, 0};
inline QColor palRose{0, 0, 0};
inline QColor palOlive{0, 0, 0};
inline QColor palOrange{0, 0, 0};
inline QColor palDarkGreen{0, 0, 0};
inline QColor palPaleGreen{0, 0, 0};

inline ColourSet MarkupColours{};
inline ColourSet BlackColours{};
}  // namespace palette

// Every colour of the set is `colour`: a text drawn in one colour whatever its markers say.
ColourSet OneColour(const QColor& colour);

// Stores the nine named colours and fills both colour sets. Every window but the evaluation
// window calls it when it opens.
void SetPalette();

}  // namespace kalkora

#include "frame/palette.h"

namespace kalkora {

void SetPalette() {
  using namespace palette;
  palCream = QColor(255, 255, 180);
  palBrown = QColor(153, 102, 51);
  palViolet = QColor(102, 51, 255);
  palPurple = QColor(153, 0, 153);
  palRose = QColor(255, 0, 102);
  palOlive = QColor(102, 153, 51);
  palOrange = QColor(255, 102, 0);
  palDarkGreen = QColor(0, 102, 51);
  palPaleGreen = QColor(204, 255, 204);

  const QColor black(0, 0, 0);
  MarkupColours = {black, palRose, palOlive, palViolet, palPurple, palBrown, palOrange};
  BlackColours.fill(black);
}

ColourSet OneColour(const QColor& colour) {
  ColourSet colours;
  colours.fill(colour);
  return colours;
}

}  // namespace kalkora

#pragma once
// The reference screens are fixed drawings: each page is a table of items (texts, lines,
// circles) in the order they are drawn, read by DrawPageItems onto any canvas. Colours are
// named by their role and looked up when drawing, because the palette is set only when a window
// opens.

#include <QPainter>
#include <span>
#include <variant>

#include "base/text.h"

namespace kalkora {

// The renderer operation that draws a text row (markup.h, fraction_expression.h).
enum class TextOp {
  MarkupLeft,          // DrawMarkupLeft: six colour markers
  MarkupCentred,       // DrawMarkupCentred
  Markup3Left,         // DrawMarkup3, left edge at x: "#", "_", "~" only ("ß" is a letter)
  Markup3Centred,      // DrawMarkup3, centred on x
  AlternatingCentred,  // DrawAlternating, centred: "#" opens colour 1, then colour 2, …
  TwoColour,           // DrawTwoColour: "#" switches to the mark colour and back
  Title,               // DrawTitle: as TwoColour, centred on x
  SymbolMixed,         // DrawSymbolMixed: "~" draws the next character from the Symbol font
  FractionExpression,  // DrawFractionExpr: y is the height of the fraction bars
};

// Colours by role.
enum class Ink {
  Black,
  Rose,       // palRose
  Blue,       // pure blue (0, 0, 255)
  DarkGreen,  // palDarkGreen
  PaleGreen,  // palPaleGreen
};

// The colours a text row is drawn with.
enum class TextColours {
  Markup,     // MarkupColours
  BlackRose,  // black, marks in palRose (TwoColour, Title)
  Black,      // all black
};

// A text: (x, y) is the top-left corner of the text, or its top centre when centred; sizes are
// points; every text of the reference screens is bold.
struct TextRow {
  TextOp op;
  double x, y;
  int size;
  TextView text;
  TextColours colours;
};

// A straight solid line of this pen width.
struct LineRow {
  double x1, y1, x2, y2;
  int width;
  Ink colour;
};

// A circle with a solid outline, filled.
struct CircleRow {
  double x, y, radius;
  int width;
  Ink outline;
  Ink fill;
};

using PageItem = std::variant<TextRow, LineRow, CircleRow>;

// The colour of a role, from the palette as it is now.
QColor InkColour(Ink ink);

// Draws the items in their order on the current page.
void DrawPageItems(QPainter& canvas, std::span<const PageItem> items);

}  // namespace kalkora

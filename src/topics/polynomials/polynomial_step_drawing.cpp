#include "topics/polynomials/polynomial_step_drawing.h"

#include "drawing/markup.h"
#include "drawing/primitives.h"
#include "frame/palette.h"

namespace kalkora {

namespace {

using polynomials::StepDraw;
using polynomials::StepText;

constexpr int kPenWidth = 3;
constexpr bool kBold = true;

void DrawStepText(QPainter& painter, const StepText& t) {
  const ColourSet& colours = palette::MarkupColours;
  switch (t.draw) {
    case StepDraw::MarkupCentred:
      DrawMarkupCentred(painter, t.x, t.y, t.text, t.size, kBold, colours);
      break;
    case StepDraw::Markup6Left:
      DrawMarkup6(painter, t.x, t.y, t.text, t.size, kBold, colours, false);
      break;
    case StepDraw::Markup6Centred:
      DrawMarkup6(painter, t.x, t.y, t.text, t.size, kBold, colours, true);
      break;
    case StepDraw::Markup3Centred:
      DrawMarkup3(painter, t.x, t.y, t.text, t.size, kBold, colours, true);
      break;
    case StepDraw::AlternatingCentred:
      DrawAlternating(painter, t.x, t.y, t.text, t.size, kBold, colours, true);
      break;
    case StepDraw::TwoColourLeft: {
      const auto mark = static_cast<std::size_t>(t.markColour);
      DrawTwoColour(painter, t.x, t.y, t.text, t.size, kBold, colours[0],
                    mark < colours.size() ? colours[mark] : colours[0]);
      break;
    }
    case StepDraw::SymbolMixedCentred:
      DrawSymbolMixedCentred(painter, t.x, t.y, t.text, t.size, kBold, Qt::black);
      break;
  }
}

}  // namespace

void DrawStepShapes(QPainter& painter, const polynomials::StepShapes& shapes) {
  for (const polynomials::StepLine& line : shapes.lines) {
    PageLine(painter, kPenWidth, Qt::black, line.x1, line.y1, line.x2, line.y2, LineStyle::Solid);
  }
  for (const polynomials::StepArrow& arrow : shapes.arrows) {
    PageArrow(painter, kPenWidth, Qt::black, arrow.x1, arrow.x2, arrow.y, 'R');
  }
  for (const StepText& text : shapes.texts) DrawStepText(painter, text);
}

}  // namespace kalkora

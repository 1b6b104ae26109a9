#include "reference/page_items.h"

#include "drawing/fraction_expression.h"
#include "drawing/markup.h"
#include "drawing/primitives.h"
#include "frame/palette.h"

namespace kalkora {

namespace {

constexpr bool kBold = true;

ColourSet colourSet(TextColours colours) {
  switch (colours) {
    case TextColours::Markup: return palette::MarkupColours;
    case TextColours::BlackRose: {
      ColourSet set = palette::BlackColours;
      set[1] = palette::palRose;
      return set;
    }
    case TextColours::Black: break;
  }
  return palette::BlackColours;
}

void drawText(QPainter& canvas, const TextRow& row) {
  const ColourSet colours = colourSet(row.colours);
  switch (row.op) {
    case TextOp::MarkupLeft:
      DrawMarkupLeft(canvas, row.x, row.y, row.text, row.size, kBold, colours);
      break;
    case TextOp::MarkupCentred:
      DrawMarkupCentred(canvas, row.x, row.y, row.text, row.size, kBold, colours);
      break;
    case TextOp::Markup3Left:
      DrawMarkup3(canvas, row.x, row.y, row.text, row.size, kBold, colours, /*centred=*/false);
      break;
    case TextOp::Markup3Centred:
      DrawMarkup3(canvas, row.x, row.y, row.text, row.size, kBold, colours, /*centred=*/true);
      break;
    case TextOp::AlternatingCentred:
      DrawAlternating(canvas, row.x, row.y, row.text, row.size, kBold, colours, /*centred=*/true);
      break;
    case TextOp::TwoColour:
      DrawTwoColour(canvas, row.x, row.y, row.text, row.size, kBold, colours[0], colours[1]);
      break;
    case TextOp::Title:
      DrawTitle(canvas, row.x, row.y, row.text, row.size, kBold, colours[0], colours[1]);
      break;
    case TextOp::SymbolMixed:
      DrawSymbolMixed(canvas, row.x, row.y, row.text, row.size, kBold, colours[0]);
      break;
    case TextOp::FractionExpression:
      DrawFractionExpr(canvas, row.x, row.y, row.text, row.size, colours[0]);
      break;
  }
}

struct ItemPainter {
  QPainter& canvas;
  void operator()(const TextRow& row) const { drawText(canvas, row); }
  void operator()(const LineRow& line) const {
    PageLine(canvas, line.width, InkColour(line.colour), line.x1, line.y1, line.x2, line.y2,
             LineStyle::Solid);
  }
  void operator()(const CircleRow& circle) const {
    PageCircle(canvas, circle.width, InkColour(circle.outline), circle.x, circle.y, circle.radius,
               InkColour(circle.fill));
  }
};

}  // namespace

QColor InkColour(Ink ink) {
  switch (ink) {
    case Ink::Rose: return palette::palRose;
    case Ink::Blue: return QColor(0, 0, 255);
    case Ink::DarkGreen: return palette::palDarkGreen;
    case Ink::PaleGreen: return palette::palPaleGreen;
    case Ink::Black: break;
  }
  return QColor(0, 0, 0);
}

void DrawPageItems(QPainter& canvas, std::span<const PageItem> items) {
  for (const PageItem& item : items) std::visit(ItemPainter{canvas}, item);
}

}  // namespace kalkora

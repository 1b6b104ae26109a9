#include "topics/fractions/fraction_example_drawing.h"

#include <algorithm>

#include "drawing/fraction_expression.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/markup_layout.h"
#include "frame/palette.h"

namespace kalkora {
namespace {

using fractions::Ink;
using fractions::PieceForm;
using fractions::RowPiece;

constexpr bool kBold = true;
// A placed piece keeps at least this distance to the end of the piece before it.
constexpr double kPlacedGap = 2;
// The pieces of a chain row are never drawn smaller than this to fit its room.
constexpr int kSmallestSize = 10;

// DrawMarkup3 centres by the width without its markers and carets.
double Markup3CentringWidth(TextView text, int size) {
  return MarkupTextWidth(WithoutChars(text, u"#_~^"), size, kBold) / 10.0;
}

ColourSet Colours(Ink ink) {
  switch (ink) {
    case Ink::Black: return palette::BlackColours;
    case Ink::Rose: {
      ColourSet rose;
      rose.fill(palette::palRose);
      return rose;
    }
    case Ink::Markup: break;
  }
  return palette::MarkupColours;
}

QColor OneColour(Ink ink) { return ink == Ink::Rose ? palette::palRose : QColor(0, 0, 0); }

// The left edge of a placed piece when nothing stands before it.
double WantedLeft(const RowPiece& piece) {
  if (!piece.centred) return piece.x;
  if (piece.form == PieceForm::Markup3)
    return piece.x - Markup3CentringWidth(piece.texts[0], piece.size) / 2;
  return piece.x - PieceWidth(piece) / 2;
}

void DrawPiece(QPainter& painter, const RowPiece& piece, double left, double y) {
  const auto& t = piece.texts;
  const ColourSet colours = Colours(piece.ink);
  const int size = piece.size;
  const double at = y + piece.raise;
  switch (piece.form) {
    case PieceForm::Markup:
    case PieceForm::Equals:
    case PieceForm::Sign: DrawMarkupLeft(painter, left, at, t[0], size, kBold, colours); break;
    case PieceForm::Markup6:
      DrawMarkup6(painter, left, at, t[0], size, kBold, colours, false);
      break;
    case PieceForm::Markup3:
      DrawMarkup3(painter, left + Markup3CentringWidth(t[0], size) / 2, at, t[0], size, kBold,
                  colours, true);
      break;
    case PieceForm::Fraction: DrawFraction(painter, left, at, t[0], t[1], size, colours); break;
    case PieceForm::PowerFraction:
      DrawPowerFraction(painter, left, at, t[0], t[1], size, colours);
      break;
    case PieceForm::Fraction6: DrawFraction6(painter, left, at, t[0], t[1], size, colours); break;
    case PieceForm::FractionPair6:
      DrawFractionOpFraction6(painter, left, at, t[0], t[1], t[2], t[3], t[4], size, colours);
      break;
    case PieceForm::FractionTriple6:
      DrawThreeFractions6(painter, left, at, t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], size,
                          colours);
      break;
    case PieceForm::SymbolMixed:
      DrawSymbolMixed(painter, left, at, t[0], size, kBold, OneColour(piece.ink));
      break;
    case PieceForm::TextWithFraction:
      DrawTextWithFraction(painter, left, at, t[0], t[1], size, OneColour(piece.ink));
      break;
    case PieceForm::Arrow:
      DrawSymbolText(painter, left, at, t[0], size, kBold, QColor(0, 0, 0));
      break;
  }
}

}  // namespace

double PieceWidth(const RowPiece& piece) {
  const auto& t = piece.texts;
  const int size = piece.size;
  switch (piece.form) {
    case PieceForm::Markup:
    case PieceForm::Markup6:
    case PieceForm::Equals:
    case PieceForm::Sign: return MarkupTextWidth(t[0], size, kBold) / 10.0;
    case PieceForm::Markup3: return MarkupWidth(WithoutChars(t[0], u"#_~"), size, kBold) / 10.0;
    case PieceForm::Fraction:
    case PieceForm::Fraction6: return FractionWidth(t[0], t[1], size);
    case PieceForm::PowerFraction: return PowerFractionWidth(t[0], t[1], size);
    case PieceForm::FractionPair6:
      return FractionOpFraction6Width(t[0], t[1], t[2], t[3], t[4], size);
    case PieceForm::FractionTriple6:
      return ThreeFractions6Width(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], size);
    case PieceForm::SymbolMixed: return SymbolMixedWidth(t[0], size, kBold) / 10.0;
    case PieceForm::TextWithFraction: return TextWithFractionWidth(t[0], t[1], size);
    case PieceForm::Arrow: return SymbolTextWidth(t[0], size, kBold) / 10.0;
  }
  return 0;
}

namespace {

double ChainWidth(const fractions::ExampleRow& row) {
  double total = 0;
  for (const RowPiece& piece : row.pieces) {
    total += piece.gap + piece.advance.value_or(PieceWidth(piece));
  }
  return total;
}

std::vector<double> Lefts(const fractions::ExampleRow& row) {
  std::vector<double> lefts;
  if (row.placement == fractions::RowPlacement::Chain) {
    double x = row.centre - ChainWidth(row) / 2;
    for (const RowPiece& piece : row.pieces) {
      x += piece.gap;
      lefts.push_back(x);
      x += piece.advance.value_or(PieceWidth(piece));
    }
    return lefts;
  }
  double previousEnd = 0;
  for (const RowPiece& piece : row.pieces) {
    double left = WantedLeft(piece);
    if (!lefts.empty()) left = std::max(left, previousEnd + kPlacedGap);
    lefts.push_back(left);
    previousEnd = left + PieceWidth(piece);
  }
  return lefts;
}

}  // namespace

fractions::ExampleRow FittedRow(const fractions::ExampleRow& row) {
  fractions::ExampleRow fitted = row;
  if (row.placement != fractions::RowPlacement::Chain) return fitted;
  while (ChainWidth(fitted) > row.room) {
    bool smaller = false;
    for (RowPiece& piece : fitted.pieces) {
      if (piece.size > kSmallestSize) {
        --piece.size;
        smaller = true;
      }
    }
    if (!smaller) break;
  }
  return fitted;
}

std::vector<double> PieceLefts(const fractions::ExampleRow& row) { return Lefts(FittedRow(row)); }

RowSpan ExampleRowSpan(const fractions::ExampleRow& row) {
  const fractions::ExampleRow fitted = FittedRow(row);
  const std::vector<double> lefts = Lefts(fitted);
  RowSpan span{1e9, -1e9};
  for (std::size_t i = 0; i < lefts.size(); ++i) {
    span.left = std::min(span.left, lefts[i]);
    span.right = std::max(span.right, lefts[i] + PieceWidth(fitted.pieces[i]));
  }
  return span;
}

void DrawExampleRow(QPainter& painter, const fractions::ExampleRow& row) {
  const fractions::ExampleRow fitted = FittedRow(row);
  const std::vector<double> lefts = Lefts(fitted);
  for (std::size_t i = 0; i < lefts.size(); ++i) {
    DrawPiece(painter, fitted.pieces[i], lefts[i], fitted.y);
  }
}

}  // namespace kalkora

#include "topics/fractions/example_row_pieces.h"

#include <utility>

namespace kalkora::fractions::pieces {

RowPiece Piece(PieceForm form, std::vector<Text> texts, double gap, int size) {
  RowPiece piece;
  piece.form = form;
  piece.texts = std::move(texts);
  piece.gap = gap;
  piece.size = size;
  return piece;
}

RowPiece Fraction(PieceForm form, TextView numerator, TextView denominator, double gap, int size) {
  return Piece(form, {Text(numerator), Text(denominator)}, gap, size);
}

RowPiece Sign(TextView sign, double gap, std::optional<double> advance, double raise, int size) {
  RowPiece piece =
      Piece(sign == u"=" ? PieceForm::Equals : PieceForm::Sign, {Text(sign)}, gap, size);
  piece.advance = advance;
  piece.raise = raise;
  return piece;
}

RowPiece Equals(double gap, std::optional<double> advance, double raise, int size) {
  return Sign(u"=", gap, advance, raise, size);
}

RowPiece Words(PieceForm form, TextView text, double gap, double raise, int size) {
  RowPiece piece = Piece(form, {Text(text)}, gap, size);
  piece.raise = raise;
  return piece;
}

RowPiece Pair6(TextView n1, TextView d1, TextView op, TextView n2, TextView d2, double gap,
               int size, Ink ink) {
  RowPiece piece = Piece(PieceForm::FractionPair6,
                         {Text(n1), Text(d1), Text(op), Text(n2), Text(d2)}, gap, size);
  piece.ink = ink;
  return piece;
}

RowPiece At(RowPiece piece, double x, Ink ink) {
  piece.x = x;
  piece.ink = ink;
  return piece;
}

ExampleRow Chain(double y, std::vector<RowPiece> pieces) {
  ExampleRow row;
  row.placement = RowPlacement::Chain;
  row.y = y;
  row.pieces = std::move(pieces);
  return row;
}

ExampleRow Placed(double y, std::vector<RowPiece> pieces) {
  ExampleRow row;
  row.placement = RowPlacement::Placed;
  row.y = y;
  row.pieces = std::move(pieces);
  return row;
}

ExampleRow ChainIn(double y, double centre, double room, std::vector<RowPiece> pieces) {
  ExampleRow row = Chain(y, std::move(pieces));
  row.centre = centre;
  row.room = room;
  return row;
}

}  // namespace kalkora::fractions::pieces

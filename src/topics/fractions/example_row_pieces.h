#pragma once
// Making the pieces and rows of the fraction worked examples (fraction_example_rows.h): each
// helper gives a piece of one drawing operation with its texts, size and place.

#include <optional>
#include <vector>

#include "base/text.h"
#include "topics/fractions/fraction_example_rows.h"

namespace kalkora::fractions::pieces {

// The size (points) of most example texts.
inline constexpr int kSize = 18;

// A piece of the form with its texts and size, placed `gap` after the previous one.
RowPiece Piece(PieceForm form, std::vector<Text> texts, double gap = 0, int size = kSize);

// A stacked fraction of the form.
RowPiece Fraction(PieceForm form, TextView numerator, TextView denominator, double gap = 0,
                  int size = kSize);

// "=" or a sign, drawn `raise` above the line; `advance` is the room it takes in the chain.
RowPiece Sign(TextView sign, double gap, std::optional<double> advance, double raise,
              int size = kSize);
RowPiece Equals(double gap, std::optional<double> advance, double raise, int size = kSize);

// A text of the form (Markup, Markup6, Markup3, SymbolMixed), `raise` above the line.
RowPiece Words(PieceForm form, TextView text, double gap, double raise, int size = kSize);

// DrawFractionOpFraction6 of n1/d1 op n2/d2.
RowPiece Pair6(TextView n1, TextView d1, TextView op, TextView n2, TextView d2, double gap,
               int size = kSize, Ink ink = Ink::Markup);

// A piece of a placed row at x, in the ink.
RowPiece At(RowPiece piece, double x, Ink ink = Ink::Markup);

// A chain row centred on x = 0 and a placed row.
ExampleRow Chain(double y, std::vector<RowPiece> pieces);
ExampleRow Placed(double y, std::vector<RowPiece> pieces);

// A chain row centred on `centre` that takes at most `room` units (smaller where it would
// take more).
ExampleRow ChainIn(double y, double centre, double room, std::vector<RowPiece> pieces);

}  // namespace kalkora::fractions::pieces

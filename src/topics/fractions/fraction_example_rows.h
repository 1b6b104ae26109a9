#pragma once
// What a fraction worked example shows, as data: its rows, each a list of pieces with the
// drawing operation, the texts, the size and the place of each piece. The window only measures
// and draws them; tests read the equations of a row without a window.
//
// A chain row places its pieces left to right, each `gap` page units after the previous one
// ends (a piece with an `advance` ends that far after its own left edge, whatever it draws),
// and centres the whole line on its `centre` (x = 0 unless a table cell says otherwise); a
// chain wider than its `room` is drawn smaller. A placed row draws each piece at its page x (its
// left edge, or its middle when `centred`), but never closer than two units to the end of the piece
// before it, so a long condition pushes what follows it to the right.

#include <optional>
#include <vector>

#include "base/text.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

enum class PieceForm {
  Markup,            // DrawMarkupLeft of texts[0]
  Markup6,           // DrawMarkup6 of texts[0]
  Markup3,           // DrawMarkup3 of texts[0]
  Equals,            // "=" with DrawMarkupLeft
  Sign,              // texts[0], "+", "–", "·" or ":", with DrawMarkupLeft
  Fraction,          // DrawFraction: texts[0] over texts[1]
  PowerFraction,     // DrawPowerFraction: texts[0] over texts[1]
  Fraction6,         // DrawFraction6: texts[0] over texts[1]
  FractionPair6,     // DrawFractionOpFraction6: texts[0]/[1], operator texts[2], [3]/[4], "="
  FractionTriple6,   // DrawThreeFractions6: [0]/[1] [2] [3]/[4] [5] [6]/[7] "="
  SymbolMixed,       // DrawSymbolMixed of texts[0] ("~¹" is ≠)
  TextWithFraction,  // DrawTextWithFraction: texts[0], then the fraction texts[1]
  Arrow,             // DrawSymbolText of "Þ", the arrow ⇒
};

// The colours of a piece: the markup colours, all black, or all rose.
enum class Ink { Markup, Black, Rose };

struct RowPiece {
  PieceForm form = PieceForm::Markup;
  std::vector<Text> texts;
  int size = 18;  // points
  Ink ink = Ink::Markup;
  double gap = 0;                 // chain rows: page units after the previous piece
  std::optional<double> advance;  // chain rows: the room the piece takes instead of its width
  double raise = 0;               // page units above the row's y
  double x = 0;                   // placed rows: the piece's left edge (its middle if centred)
  bool centred = false;
};

enum class RowPlacement { Chain, Placed };

struct ExampleRow {
  RowPlacement placement = RowPlacement::Chain;
  double y = 0;  // page y of the row (the line of its fractions)
  std::vector<RowPiece> pieces;
  double centre = 0;  // chain rows: the page x the row is centred on
  double room = 98;   // chain rows: the widest the row may be
};

// The rows of example `example` (1 … 3) of the topic (1 … 8, selFractionExample) and level
// (1 … 3), made from its item. Topics and levels whose examples are stepwise (5; 8 at Stufe 2
// and 3) have no rows here: their pages are unlike_example_page.h and worked_division.h.
std::vector<ExampleRow> FractionExampleRows(const TBruchM& item, int topic, int level, int example);

}  // namespace kalkora::fractions

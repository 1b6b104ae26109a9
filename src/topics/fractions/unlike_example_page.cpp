#include "topics/fractions/unlike_example_page.h"

#include <algorithm>

#include "topics/fractions/example_row_pieces.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

using namespace pieces;

// The columns of the table: their middles and the room inside them.
constexpr double kDenominatorColumn = -27;
constexpr double kDenominatorRoom = 43;
constexpr double kMainColumn = 10.5;
constexpr double kMainRoom = 30;
constexpr double kFactorColumn = 37.5;
constexpr double kFactorRoom = 22;

// The colour marks of fraction 1, 2, 3: rose, olive, violet.
constexpr char16_t kMarkers[] = {u'#', u'_', u'~'};

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The task line under the table; each later step's line 8 units lower.
double TaskY(int count) { return count == 3 ? -2 : 4; }

Text SignText(char16_t sign) { return Text(1, sign); }

char16_t SignBefore(const TUngleich& u, int fraction) {
  return fraction == 2 ? u.Zeichen1 : u.Zeichen2;
}

// numerator_1/denominator op numerator_2/denominator … "=".
std::vector<RowPiece> FractionChain(const TBruchM& item, const std::vector<Text>& numerators,
                                    const std::vector<Text>& denominators) {
  std::vector<RowPiece> line;
  for (int i = 1; i <= item.Anzahl; ++i) {
    if (i > 1) line.push_back(Sign(SignText(SignBefore(item.Ungleich, i)), 1.5, 2.5, 0.5));
    line.push_back(Fraction(PieceForm::Fraction, numerators[At(i - 1)], denominators[At(i - 1)]));
  }
  line.push_back(Equals(1.5, 4, 0.3));
  return line;
}

// A result fraction after "=", with the minus of a negative leading coefficient before it.
void AppendResult(std::vector<RowPiece>& line, TextView numerator, TextView denominator) {
  if (!numerator.empty() && numerator.front() == kDisplayMinus) {
    line.push_back(Sign(u"–", 0, 2.5, 0.5));
    line.push_back(Fraction(PieceForm::Fraction, NegatedSum(numerator), denominator));
  } else {
    line.push_back(Fraction(PieceForm::Fraction, numerator, denominator));
  }
}

// The extension factor of fraction i between the marks of its colour.
Text MarkedWithColourOf(int fraction, TextView text) {
  return Marked(text, kMarkers[At(fraction - 1)]);
}

// ErwZaehler marks its factor violet; each fraction's factor gets the fraction's colour.
Text ExtendedNumerator(const TUngleich& u, int fraction) {
  Text text = u.ErwZaehler[At(fraction)];
  std::replace(text.begin(), text.end(), u'~', kMarkers[At(fraction - 1)]);
  return text;
}

// A factorisation that says more than the denominator: not the same text, nor the same in
// brackets (‹(x + 4)›).
bool HasFactorisation(TextView denominator, TextView factorised) {
  return factorised != denominator && factorised != Bracketed(denominator);
}

// The main denominator's line: in power notation ‹2^2·3·x = 12·x›, else the main denominator.
std::vector<RowPiece> MainDenominatorPieces(const TUngleich& u) {
  const std::size_t equals = u.HNZeile.find(u" = ");
  if (equals == Text::npos) return {Words(PieceForm::Markup, u.HNZeile, 0, 0)};
  return {Words(PieceForm::Markup, TextView(u.HNZeile).substr(0, equals), 0, 0),
          Equals(0.6, std::nullopt, 0), Words(PieceForm::Markup, u.HN, 0.6, 0)};
}

}  // namespace

double UnlikeTableRowY(int fraction) { return 19.5 - 6.0 * (fraction - 1); }

double UnlikeMainDenominatorY(int count) {
  return (UnlikeTableRowY(1) + UnlikeTableRowY(count)) / 2;
}

UnlikeExamplePage UnlikeExampleAt(const TBruchM& item, int step) {
  const TUngleich& u = item.Ungleich;
  const int count = std::clamp(item.Anzahl, 2, 3);
  UnlikeExamplePage page;
  page.table.rows = count + 1;

  // Step 1: the denominators, factored where they can be, and the task.
  std::vector<Text> numerators;
  std::vector<Text> denominators;
  for (int i = 1; i <= count; ++i) {
    std::vector<RowPiece> cell{Words(PieceForm::Markup, u.Nenner[At(i)], 0, 0)};
    if (HasFactorisation(u.Nenner[At(i)], u.Zerlegung[At(i)])) {
      cell.push_back(Equals(0.6, std::nullopt, 0));
      cell.push_back(Words(PieceForm::Markup, u.Zerlegung[At(i)], 0.6, 0));
    }
    page.cells.push_back(
        ChainIn(UnlikeTableRowY(i), kDenominatorColumn, kDenominatorRoom, std::move(cell)));
    numerators.push_back(u.Zaehler[At(i)]);
    denominators.push_back(u.Nenner[At(i)]);
  }
  const double y = TaskY(count);
  ExampleRow task = Chain(y, FractionChain(item, numerators, denominators));
  for (RowPiece& piece : task.pieces) piece.ink = Ink::Black;
  page.lines.push_back(std::move(task));
  if (step < 2) return page;

  // Step 2: the main denominator and the extension factors.
  page.cells.push_back(
      ChainIn(UnlikeMainDenominatorY(count), kMainColumn, kMainRoom, MainDenominatorPieces(u)));
  for (int i = 1; i <= count; ++i) {
    page.cells.push_back(
        ChainIn(UnlikeTableRowY(i), kFactorColumn, kFactorRoom,
                {Words(PieceForm::Markup, MarkedWithColourOf(i, u.Faktor[At(i)]), 0, 0)}));
  }
  if (step < 3) return page;

  // Step 3: every fraction extended to the main denominator.
  const std::vector<Text> mainDenominators(At(count), u.HN);
  std::vector<Text> extended;
  for (int i = 1; i <= count; ++i) extended.push_back(ExtendedNumerator(u, i));
  page.lines.push_back(Chain(y - 8, FractionChain(item, extended, mainDenominators)));
  if (step < 4) return page;

  // Step 4: multiplied out, the result, and the result cancelled.
  std::vector<Text> multiplied;
  for (int i = 1; i <= count; ++i) multiplied.push_back(u.NeuZaehler[At(i)]);
  std::vector<RowPiece> line = FractionChain(item, multiplied, mainDenominators);
  AppendResult(line, u.Ergebnis, u.HN);
  if (item.Kenn[1]) {
    line.push_back(Equals(1.5, 4, 0.3));
    AppendResult(line, u.GekZaehler, u.GekNenner);
  }
  page.lines.push_back(Chain(y - 16, std::move(line)));
  return page;
}

}  // namespace kalkora::fractions

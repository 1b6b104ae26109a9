#include "topics/fractions/fraction_example_rows.h"

#include "topics/fractions/example_row_pieces.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

using namespace pieces;

// The base line of example i of three: y = 45 − 20·i.
double ExampleY(int example) { return 45 - 20.0 * example; }

// ---- topic 1: the domain ----

// ‹letter ≠ value›, a quotient value drawn as a fraction with its minus before it.
RowPiece Condition(char16_t letter, TextView value, TextView quotientDenominator, double x) {
  const Text unequal = Write(letter, u" ~¹ ");
  if (quotientDenominator.empty()) {
    return At(Words(PieceForm::SymbolMixed, Write(unequal, value), 0, 0), x, Ink::Rose);
  }
  const bool negative = !value.empty() && value.front() == kDisplayMinus;
  const Text text = negative ? Write(unequal, kDisplayMinus, u' ') : unequal;
  const Text fraction = Write(negative ? value.substr(1) : value, u'/', quotientDenominator);
  return At(Piece(PieceForm::TextWithFraction, {text, fraction}), x, Ink::Rose);
}

RowPiece DenominatorNotZero(TextView denominator, double x, Ink ink) {
  return At(Words(PieceForm::SymbolMixed, Write(denominator, u" ~¹ 0"), 0, 0), x, ink);
}

std::vector<ExampleRow> DomainRows(const TBruchM& item, int level, int example) {
  const double y = ExampleY(example);
  RowPiece fraction =
      At(Fraction(PieceForm::PowerFraction, item.Text[1], Marked(item.Text[4], u'#')), -16);
  fraction.centred = true;
  ExampleRow row = Placed(y, {fraction});
  const Text& denominator = item.Text[4];
  if (level < 3) {
    if (denominator == Text(1, item.Var1)) {  // ‹h ≠ 0› is all there is to say
      row.pieces.push_back(DenominatorNotZero(denominator, 23, Ink::Rose));
      return {row};
    }
    row.pieces.push_back(DenominatorNotZero(denominator, 0, Ink::Rose));
    row.pieces.push_back(At(Piece(PieceForm::Arrow, {u"Þ"}), 15, Ink::Black));
    row.pieces.push_back(
        Condition(item.Var1, item.Text[9], item.Schalter ? item.Text[10] : Text{}, 23));
    return {row};
  }
  row.pieces.push_back(DenominatorNotZero(denominator, 0, Ink::Rose));
  // A sum is factored first; the excluded values follow from the factored form.
  ExampleRow factored = Placed(y - 4, {});
  ExampleRow& values = item.Text[11].empty() ? row : factored;
  if (!item.Text[11].empty()) {
    factored.pieces.push_back(DenominatorNotZero(item.Text[11], 0, Ink::Black));
  }
  values.pieces.push_back(At(Piece(PieceForm::Arrow, {u"Þ"}), 18, Ink::Black));
  const char16_t second = item.Anzahl == 2 ? item.Var2 : item.Var1;
  values.pieces.push_back(Condition(item.Var1, item.Text[9], Text{}, 23));
  values.pieces.push_back(
      Condition(second, item.Text[10], item.Schalter ? item.Text[12] : Text{}, 32));
  if (factored.pieces.empty()) return {row};
  return {row, factored};
}

// ---- topic 2: cancelling ----

std::vector<ExampleRow> CancellingRows(const TBruchM& item, int level, int example) {
  std::vector<RowPiece> pieces{
      Fraction(PieceForm::Fraction, item.Text[1], item.Text[4]),
      Equals(1, 2, 0.2),
      Fraction(PieceForm::Fraction, item.Text[11], item.Text[12]),
      Equals(1, 2, 0.2),
  };
  if (item.Schalter) {
    pieces.push_back(Fraction(PieceForm::Fraction, item.Text[9], item.Text[10]));
  } else {
    pieces.push_back(Words(PieceForm::Markup, item.Text[9], 0, level == 1 ? 0.3 : 0.5));
  }
  return {Chain(ExampleY(example), std::move(pieces))};
}

// ---- topic 3: least common multiple ----

std::vector<ExampleRow> LcmRows(const TBruchM& item, int example) {
  const auto line = [](TextView text, double y) {
    RowPiece piece = At(Words(PieceForm::Markup3, text, 0, 0), 0);
    piece.centred = true;
    return Placed(y, {piece});
  };
  return {line(item.Text[1], 48 - 20.0 * example), line(item.Text[11], 44 - 20.0 * example)};
}

// ---- topic 4: like denominators ----

std::vector<ExampleRow> LikeDenominatorRows(const TBruchM& item, int level, int example) {
  std::vector<RowPiece> pieces;
  const std::size_t numerators[3] = {1, 3, 5};
  const std::size_t operators[3] = {0, 2, 4};
  for (int k = 0; k < item.Anzahl && k < 3; ++k) {
    if (k > 0) pieces.push_back(Sign(item.Daten[operators[k]], 1.5, 2.5, 0.5));
    const Text& denominator =
        level == 3 ? item.Text[static_cast<std::size_t>(5 + k)] : item.Text[4];
    pieces.push_back(Fraction(PieceForm::Fraction, item.Daten[numerators[k]], denominator));
  }
  pieces.push_back(Equals(1.5, 4, 0.3));
  if (!item.Daten[8].empty()) pieces.push_back(Sign(item.Daten[8], 0, 2.5, 0.5));
  if (item.Daten[9] == u"0") {
    pieces.push_back(Words(PieceForm::Markup, u"0", 0, 0.3));
  } else {
    pieces.push_back(Fraction(PieceForm::Fraction, item.Daten[9], item.Text[4]));
  }
  if (item.Kenn[1]) {
    pieces.push_back(Equals(1.5, 4, 0.3));
    pieces.push_back(Fraction(PieceForm::Fraction, item.Daten[10], item.Text[7]));
    pieces.push_back(Equals(1.5, 4, 0.3));
    if (item.Daten[12].empty()) {
      pieces.push_back(Words(PieceForm::Markup, item.Daten[11], 0, 0.3));
    } else {
      pieces.push_back(Fraction(PieceForm::Fraction, item.Daten[11], item.Daten[12]));
    }
  }
  const double y = level == 3 ? 40 - 20.0 * example : ExampleY(example);
  return {Chain(y, std::move(pieces))};
}

// ---- topics 6 and 7: multiplying and dividing ----

RowPiece ProductResult(const TBruchM& item, double gap) {
  if (item.Text[10] == u"1") return Words(PieceForm::Markup6, item.Text[9], gap, 0.4);
  return Fraction(PieceForm::Fraction6, item.Text[9], item.Text[10], gap);
}

// The marked pair (the task at Stufe 1, the factored pair above).
RowPiece MarkedPair(const TBruchM& item, double gap) {
  return Pair6(item.Daten[1], item.Daten[2], u"·", item.Daten[3], item.Daten[4], gap);
}

// The division with the second fraction turned over, in black.
RowPiece Division(const TBruchM& item, int size) {
  return Pair6(item.Text[1], item.Text[5], u":", item.Text[6], item.Text[2], 0, size, Ink::Black);
}

std::vector<ExampleRow> MultiplyRows(const TBruchM& item, int level, int example) {
  std::vector<RowPiece> pieces;
  if (level == 1) {
    pieces.push_back(MarkedPair(item, 0));
    pieces.push_back(Pair6(item.Daten[5], item.Daten[6], u"·", item.Daten[7], item.Daten[8], 1));
  } else {
    pieces.push_back(Pair6(item.Text[1], item.Text[5], u"·", item.Text[2], item.Text[6], 0));
    pieces.push_back(MarkedPair(item, 1));
  }
  pieces.push_back(ProductResult(item, 1));
  const double y = level == 3 ? 41 - 20.0 * example : ExampleY(example);
  return {Chain(y, std::move(pieces))};
}

std::vector<ExampleRow> DivideRows(const TBruchM& item, int level, int example) {
  if (level == 1) {
    return {Chain(ExampleY(example),
                  {Division(item, kSize), MarkedPair(item, 1),
                   Pair6(item.Daten[5], item.Daten[6], u"·", item.Daten[7], item.Daten[8], 1),
                   ProductResult(item, 1)})};
  }
  // The division and the product with the second fraction turned back, then on a second line
  // the factored pair and the result.
  const int size = level == 2 ? 16 : 18;
  ExampleRow division = Chain(
      47 - 20.0 * example,
      {Division(item, size), Fraction(PieceForm::Fraction6, item.Text[1], item.Text[5], 0, size),
       Sign(u"·", 1, 1.4, 0.5, size),
       Fraction(PieceForm::Fraction6, item.Text[2], item.Text[6], 0, size)});
  ExampleRow product = Chain(39 - 20.0 * example,
                             {Equals(0, 2.4, 0.3), MarkedPair(item, 0), ProductResult(item, 1)});
  return {division, product};
}

// ---- topic 8 at Stufe 1: dividing by a monomial ----

std::vector<ExampleRow> TermDivisionRows(const TBruchM& item, int example) {
  const bool two = item.Anzahl == 2;
  const int size = two ? kSize : 16;
  const int splitSize = two ? kSize : 15;
  std::vector<RowPiece> pieces{
      Words(PieceForm::Markup, Write(Bracketed(item.Text[1]), u':', Bracketed(item.Text[5])), 0,
            0.3, size),
      Equals(0.7, std::nullopt, 0.3, size),
      Fraction(PieceForm::Fraction6, item.Text[1], item.Text[5], 1.2, size),
      Equals(1.5, 2.5, 0.3),
  };
  const double resultRaise = two ? 0.3 : 0.2;
  if (item.Schalter) {
    pieces.push_back(Fraction(PieceForm::Fraction6, item.Text[11], item.Text[12], 0, size));
    pieces.push_back(Equals(1, std::nullopt, 0.3));
    pieces.push_back(Words(PieceForm::Markup6, item.Text[9], 1, resultRaise, splitSize));
  } else if (two) {
    pieces.push_back(Pair6(item.Daten[1], item.Daten[11], item.Daten[7], item.Daten[2],
                           item.Daten[12], 0, splitSize));
    pieces.push_back(Words(PieceForm::Markup6, item.Text[9], 0, resultRaise, splitSize));
  } else {
    pieces.push_back(Piece(PieceForm::FractionTriple6,
                           {item.Daten[1], item.Daten[11], item.Daten[7], item.Daten[2],
                            item.Daten[12], item.Daten[8], item.Daten[3], item.Daten[13]},
                           0, splitSize));
    pieces.push_back(Words(PieceForm::Markup6, item.Text[9], 0, resultRaise, splitSize));
  }
  return {Chain(42 - 20.0 * example, std::move(pieces))};
}

}  // namespace

std::vector<ExampleRow> FractionExampleRows(const TBruchM& item, int topic, int level,
                                            int example) {
  switch (topic) {
    case 1: return DomainRows(item, level, example);
    case 2: return CancellingRows(item, level, example);
    case 3: return LcmRows(item, example);
    case 4: return LikeDenominatorRows(item, level, example);
    case 6: return MultiplyRows(item, level, example);
    case 7: return DivideRows(item, level, example);
    case 8: return level == 1 ? TermDivisionRows(item, example) : std::vector<ExampleRow>{};
    default: return {};
  }
}

}  // namespace kalkora::fractions

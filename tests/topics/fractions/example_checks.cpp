#include "example_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>

#include "base/random.h"
#include "generator_checks.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions::test {

namespace {
constexpr TextView kMarkers = u"#_~$§ß";
bool IsMarker(char16_t ch) { return kMarkers.find(ch) != TextView::npos; }
bool IsLetter(char16_t ch) { return ch >= u'a' && ch <= u'z'; }
}  // namespace

std::string ExampleTrace(const TBruchM& item) {
  std::string trace = "Variante " + std::to_string(item.Variante);
  for (std::size_t slot = 0; slot <= TextSlots::kLast; ++slot) {
    if (!item.Text[slot].empty()) {
      trace += " T" + std::to_string(slot) + "=" + Utf8FromText(item.Text[slot]);
    }
  }
  for (std::size_t slot = 1; slot <= item.Daten.size(); ++slot) {
    if (!item.Daten[slot].empty()) {
      trace += " D" + std::to_string(slot) + "=" + Utf8FromText(item.Daten[slot]);
    }
  }
  trace += item.Schalter ? " Schalter" : "";
  trace += " Anzahl " + std::to_string(item.Anzahl);
  return trace;
}

void ForManyExamples(std::uint32_t seed, void (*builder)(int),
                     const std::function<void(const TBruchM&)>& check) {
  SetRandomSeed(seed);
  for (int n = 0; n < kExamplesPerBuilder; ++n) {
    const int index = n % 3 + 1;
    builder(index);
    const TBruchM& item = Bruch[static_cast<std::size_t>(index)];
    SCOPED_TRACE(ExampleTrace(item));
    check(item);
    if (testing::Test::HasFailure()) return;
  }
}

void ExpectEveryVariant(void (*builder)(int), int count) {
  std::set<int> seen;
  SetRandomSeed(77);
  for (int n = 0; n < 40 * count; ++n) {
    builder(1);
    seen.insert(Bruch[1].Variante);
  }
  std::set<int> expected;
  for (int v = 1; v <= count; ++v) expected.insert(v);
  EXPECT_EQ(seen, expected);
}

Text Unmarked(TextView text) {
  Text result;
  for (char16_t ch : text) {
    if (!IsMarker(ch)) result += ch;
  }
  return result;
}

std::vector<Text> MarkedParts(TextView text, char16_t marker) {
  std::vector<Text> parts;
  std::size_t open = text.find(marker);
  while (open != TextView::npos) {
    const std::size_t close = text.find(marker, open + 1);
    if (close == TextView::npos) break;
    parts.emplace_back(text.substr(open + 1, close - open - 1));
    open = text.find(marker, close + 1);
  }
  return parts;
}

void ExpectFinishedText(TextView text) {
  const std::string shown = Utf8FromText(text);
  for (char16_t marker : kMarkers) {
    EXPECT_EQ(std::count(text.begin(), text.end(), marker) % 2, 0) << "unclosed mark in " << shown;
  }
  const Text plain = Unmarked(text);
  ExpectDisplayForm(plain);
  ExpectNoUnitCoefficient(plain);
}

Text LettersIn(std::initializer_list<TextView> texts) {
  std::set<char16_t> letters;
  for (TextView text : texts) {
    for (char16_t ch : text) {
      if (IsLetter(ch)) letters.insert(ch);
    }
  }
  return Text(letters.begin(), letters.end());
}

double ValueOfFraction(TextView numerator, TextView denominator, const LetterValues& values) {
  return ValueOf(Unmarked(numerator), values) / ValueOf(Unmarked(denominator), values);
}

namespace {

Text Quotient(TextView numerator, TextView denominator) {
  return Write(u"((", Unmarked(numerator), u")/(", Unmarked(denominator), u"))");
}

Text Operator(TextView op) {
  if (op == u":") return u" / ";
  return Write(u' ', op, u' ');
}

}  // namespace

std::vector<Text> EquationSides(const std::vector<ExampleRow>& rows) {
  std::vector<Text> sides;
  Text side;
  const auto close = [&] {
    sides.push_back(side);
    side.clear();
  };
  for (const ExampleRow& row : rows) {
    if (row.placement != RowPlacement::Chain) continue;
    for (const RowPiece& piece : row.pieces) {
      const auto& t = piece.texts;
      switch (piece.form) {
        case PieceForm::Equals: close(); break;
        case PieceForm::Sign: side += Operator(t[0]); break;
        case PieceForm::Markup:
        case PieceForm::Markup6:
        case PieceForm::Markup3: {
          Text text = Unmarked(t[0]);
          std::replace(text.begin(), text.end(), u':', u'/');
          side += Write(u'(', text, u')');
          break;
        }
        case PieceForm::Fraction:
        case PieceForm::PowerFraction:
        case PieceForm::Fraction6: side += Quotient(t[0], t[1]); break;
        case PieceForm::FractionPair6:
          side += Write(Quotient(t[0], t[1]), Operator(t[2]), Quotient(t[3], t[4]));
          close();
          break;
        case PieceForm::FractionTriple6:
          side += Write(Quotient(t[0], t[1]), Operator(t[2]), Quotient(t[3], t[4]), Operator(t[5]),
                        Quotient(t[6], t[7]));
          close();
          break;
        case PieceForm::SymbolMixed:
        case PieceForm::TextWithFraction:
        case PieceForm::Arrow: ADD_FAILURE() << "a condition in a chain"; break;
      }
    }
  }
  if (!side.empty()) close();
  return sides;
}

void ExpectEquationsHold(const std::vector<ExampleRow>& rows) {
  const std::vector<Text> sides = EquationSides(rows);
  ASSERT_GE(sides.size(), 2u) << "no equation";
  for (std::size_t i = 0; i + 1 < sides.size(); ++i) {
    const Text& left = sides[i];
    const Text& right = sides[i + 1];
    SCOPED_TRACE(Utf8FromText(left) + "  =  " + Utf8FromText(right));
    ASSERT_FALSE(left.empty());
    ASSERT_FALSE(right.empty());
    // Five sets of letter values (neither integers nor 0): sides that are equal there are
    // equal rational functions of the small degrees the examples have, all but by accident.
    const Text letters = LettersIn({left, right});
    int counted = 0;
    for (int trial = 0; trial < 5; ++trial) {
      const LetterValues values = SampleValues(letters, trial);
      const double expected = ValueOf(left, values);
      if (!std::isfinite(expected) || std::abs(expected) > 1e12) continue;
      const double actual = ValueOf(right, values);
      ASSERT_TRUE(std::isfinite(actual)) << "trial " << trial;
      EXPECT_NEAR(actual, expected, 1e-7 * std::max(1.0, std::abs(expected))) << "trial " << trial;
      ++counted;
    }
    EXPECT_GE(counted, 3);
  }
}

bool ShareAFactor(const Polynomial& a, const Polynomial& b) {
  if (std::gcd(a.content(), b.content()) > 1) return true;
  for (char16_t letter : a.letters()) {
    if (a.minExponent(letter) > 0 && b.minExponent(letter) > 0) return true;
  }
  const Factorisation fa = Factorise(a);
  const Factorisation fb = Factorise(b);
  for (const auto& [factor, count] : fa.factors) {
    if (fb.factors.count(factor) > 0) return true;
  }
  return false;
}

namespace {

void ExpectSameRecord(const TBruchM& a, const TBruchM& b) {
  for (std::size_t slot = 0; slot <= TextSlots::kLast; ++slot) {
    EXPECT_EQ(a.Text[slot], b.Text[slot]) << "Text " << slot;
  }
  for (std::size_t slot = 1; slot <= a.Daten.size(); ++slot) {
    EXPECT_EQ(a.Daten[slot], b.Daten[slot]) << "Daten " << slot;
  }
  for (std::size_t k = 1; k <= 4; ++k) EXPECT_EQ(a.Kenn[k], b.Kenn[k]) << "Kenn " << k;
  EXPECT_EQ(a.Schalter, b.Schalter);
  EXPECT_EQ(a.Anzahl, b.Anzahl);
  EXPECT_EQ(a.Variante, b.Variante);
  EXPECT_EQ(a.Op1, b.Op1);
  EXPECT_EQ(a.Op2, b.Op2);
  EXPECT_EQ(a.Ungleich.HN, b.Ungleich.HN);
}

}  // namespace

void ExpectFreshRecord(void (*builder)(int)) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    Bruch[2] = TBruchM{};
    SetRandomSeed(seed);
    builder(2);
    const TBruchM clean = Bruch[2];

    TBruchM& leftover = Bruch[2];
    for (std::size_t slot = 0; slot <= TextSlots::kLast; ++slot) leftover.Text[slot] = u"alt";
    for (std::size_t slot = 1; slot <= leftover.Daten.size(); ++slot) leftover.Daten[slot] = u"alt";
    for (std::size_t k = 1; k <= 4; ++k) leftover.Kenn[k] = true;
    leftover.Schalter = true;
    leftover.Anzahl = 3;
    leftover.Op1 = u':';
    leftover.Op2 = u'–';
    leftover.Ungleich.HN = u"alt";
    SetRandomSeed(seed);
    builder(2);
    SCOPED_TRACE(ExampleTrace(clean));
    ExpectSameRecord(Bruch[2], clean);
    if (testing::Test::HasFailure()) return;
  }
}

}  // namespace kalkora::fractions::test

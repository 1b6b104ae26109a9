// The like-term generators over many seeds. Every item is checked by computations of its own:
// the task (its display form read back into the evaluator) and the expected answer (rebuilt
// from the input form) are evaluated at several pairs of letter values and must agree; the
// shape is read back from the written task.

#include "topics/terms/like_term_generators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/random_term_parts.h"
#include "terms/zeph_parser.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using term_builders::Vorzeichen;
using terms_topic::AddSubTerme;

constexpr int kSeeds = 1500;  // × 5 items per level

// Pairs of values for Var1 and Var2 at which task and answer are compared.
constexpr std::array<std::pair<int, int>, 6> kValuePairs{
    {{2, 3}, {-1, 5}, {7, -4}, {1, 0}, {0, 1}, {-3, -8}}};

std::string Utf8(TextView text) { return Utf8FromText(text); }

bool IsLetter(char16_t c) { return c >= u'a' && c <= u'z'; }

Text WithoutMarkers(TextView text) { return RemoveChar(RemoveChar(text, u'#'), u'_'); }

// Every occurrence of letter replaced by "(n)".
Text PutIn(TextView text, char16_t letter, int n) {
  Text result;
  for (char16_t c : text) {
    if (c == letter) {
      result += u'(';
      result += IntText(n);
      result += u')';
    } else {
      result += c;
    }
  }
  return result;
}

// The value of an internal-form term with the letters L and M set to x and y.
double ValueAt(TextView internal, char16_t L, char16_t M, int x, int y) {
  const Text put = PutIn(PutIn(internal, L, x), M, y);
  const TFunktion function(put, u'x');
  EXPECT_EQ(function.ErrorCode(), TFunktion::kNoError) << Utf8(put);
  return function.Evaluate(0);
}

// A shown text (display form, possibly marked) as a text the evaluator reads.
Text ShownToInternal(TextView shown) { return NormaliseInput(WithoutMarkers(shown)); }

// An answer in input form ("–12a+15b", "–a") as a text the evaluator reads ("-12*a+15*b").
Text InputFormToInternal(TextView answer) {
  Text result;
  for (char16_t c : answer) {
    if (IsLetter(c) && !result.empty() && result.back() >= u'0' && result.back() <= u'9') {
      result += u'*';
    }
    result += c == u'–' ? u'-' : c;
  }
  return result;
}

// The display form: "·" and "–", no ASCII "*" or "-", no pair of signs.
void ExpectDisplayForm(TextView text) {
  EXPECT_EQ(text.find(u'*'), Text::npos) << Utf8(text);
  EXPECT_EQ(text.find(u'-'), Text::npos) << Utf8(text);
  for (TextView pair : {u"+ –", u"– –", u"– +", u"+ +"}) {
    EXPECT_EQ(text.find(pair), Text::npos) << Utf8(text);
  }
}

// The answer: "0", or the multiple of Var1 before that of Var2, no coefficient 1, no blank,
// no "·"; with oneLetter only a multiple of Var1.
void ExpectAnswerForm(const TTerm& item, bool oneLetter) {
  EXPECT_EQ(item.Antwort.find(u' '), Text::npos) << Utf8(item.Antwort);
  EXPECT_EQ(item.Antwort.find(u'·'), Text::npos) << Utf8(item.Antwort);
  // Var1 read as "A" and Var2 as "B" (an item with one letter must not hold "B").
  std::string answer;
  for (char16_t c : item.Antwort) {
    answer += c == item.Var1 ? 'A' : c == item.Var2 ? 'B' : c == u'–' ? '-' : static_cast<char>(c);
  }
  static const std::string coefficient = "([2-9]|[1-9][0-9]+)?";
  static const std::regex oneLetterForm("0|-?" + coefficient + "A");
  static const std::regex twoLetterForm("0|-?" + coefficient + "A([+-]" + coefficient + "B)?|-?" +
                                        coefficient + "B");
  EXPECT_TRUE(std::regex_match(answer, oneLetter ? oneLetterForm : twoLetterForm))
      << Utf8(item.Antwort);
}

// Every Var1 of a marked text stands as "#a#", every Var2 as "_b_", and no other letter
// occurs.
void ExpectMarkedLetters(TextView text, char16_t var1, char16_t var2) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsLetter(text[i])) continue;
    ASSERT_TRUE(i > 0 && i + 1 < text.size()) << Utf8(text);
    if (text[i] == var1) {
      EXPECT_TRUE(text[i - 1] == u'#' && text[i + 1] == u'#') << Utf8(text);
    } else {
      EXPECT_EQ(text[i], var2) << Utf8(text);
      EXPECT_TRUE(text[i - 1] == u'_' && text[i + 1] == u'_') << Utf8(text);
    }
  }
}

// What the checks of every level share: the forms of the texts, and task, shown solution,
// marked solution and answer with the same value at every pair of letter values; the
// coefficients read from the task describe it.
struct Totals {
  double koef1 = 0;
  double koef2 = 0;
};
Totals CheckItem(const TTerm& item, bool oneLetter) {
  SCOPED_TRACE(Utf8(item.Term) + " = " + Utf8(item.Loesung));
  const char16_t L = item.Var1;
  const char16_t M = oneLetter ? item.Var1 : item.Var2;
  if (!oneLetter) {
    EXPECT_LT(item.Var1, item.Var2);
  }
  EXPECT_NE(L, u'l');
  EXPECT_NE(M, u'l');

  ExpectDisplayForm(item.Term);
  ExpectDisplayForm(item.LoesungMarkiert);
  ExpectDisplayForm(item.Loesung);
  EXPECT_EQ(item.TermAnzeige, WithoutMarkers(item.Term));
  EXPECT_EQ(item.TermAnzeige.find(u'#'), Text::npos);
  ExpectMarkedLetters(item.LoesungMarkiert, L, M);
  EXPECT_EQ(item.Loesung.find(u'#'), Text::npos);
  EXPECT_EQ(item.Loesung.find(u'_'), Text::npos);
  EXPECT_NE(item.Loesung.find(u"1·"), 0u) << Utf8(item.Loesung);
  EXPECT_EQ(item.Loesung.find(u" 1·"), Text::npos) << Utf8(item.Loesung);
  ExpectAnswerForm(item, oneLetter);

  const Text task = ShownToInternal(item.Term);
  const Text answer = InputFormToInternal(item.Antwort);
  const std::optional<int> koef1 = TextInt(item.Koef1Text);
  const std::optional<int> koef2 = TextInt(item.Koef2Text);
  EXPECT_TRUE(koef1 && koef2) << Utf8(item.Koef1Text) << " " << Utf8(item.Koef2Text);
  const int konst = TextInt(item.KonstText).value_or(0);  // a constant only at Stufe 3
  for (const auto& [x, y] : kValuePairs) {
    const double value = ValueAt(task, L, M, x, y);
    EXPECT_DOUBLE_EQ(ValueAt(answer, L, M, x, y), value) << x << ", " << y;
    EXPECT_DOUBLE_EQ(ValueAt(ShownToInternal(item.Loesung), L, M, x, y), value);
    EXPECT_DOUBLE_EQ(ValueAt(ShownToInternal(item.LoesungMarkiert), L, M, x, y), value);
    EXPECT_DOUBLE_EQ(koef1.value_or(0) * x + koef2.value_or(0) * y + konst, value);
  }
  return {ValueAt(task, L, M, 1, 0), ValueAt(task, L, M, 0, 1)};
}

// The numbers of a shown term in order, read with their sign when it stands against them.
std::vector<int> NumbersOf(TextView shown) {
  std::vector<int> numbers;
  const std::string text = Utf8(ReplaceChar(shown, u'–', u'-'));
  static const std::regex number("(^-|\\(-)?[0-9]+");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it) {
    std::string match = it->str();
    if (match[0] == '(') match.erase(0, 1);
    numbers.push_back(std::stoi(match));
  }
  return numbers;
}

// The signs between the summands of a shown term, as "+" and "-", in order; the minus before
// a parenthesis is not one of them.
std::string SignsBetweenSummands(TextView shown) {
  std::string signs;
  for (std::size_t i = 1; i + 2 < shown.size(); ++i) {
    if (shown[i - 1] != u' ' || shown[i + 1] != u' ' || shown[i + 2] == u'(') continue;
    if (shown[i] == u'+') signs += '+';
    if (shown[i] == u'–') signs += '-';
  }
  return signs;
}

// Vorzeichen[1 … n] of the last item.
std::string DrawnSigns(int n) {
  std::string signs;
  for (int j = 1; j <= n; ++j) signs += static_cast<char>(Vorzeichen[static_cast<std::size_t>(j)]);
  return signs;
}

// The letters of a text in order.
Text LettersOf(TextView text) {
  Text letters;
  for (char16_t c : text) {
    if (IsLetter(c)) letters += c;
  }
  return letters;
}

// Var1 replaced by the digit of K1 and Var2 by that of K2.
Text LettersToDigits(TextView text, const TTerm& item) {
  Text digits(text);
  for (char16_t& c : digits) {
    if (c == item.Var1) c = static_cast<char16_t>(u'0' + item.K1);
    if (c == item.Var2) c = static_cast<char16_t>(u'0' + item.K2);
  }
  return digits;
}

// Fields the generators of this topic never write keep their contents.
void FillWithMarkers(TTerm& item) {
  item = TTerm{};
  item.Term = item.Wert1Text = item.Wert2Text = item.TermNorm = item.TermAnzeige = u"keep";
  item.Einsetzung = item.Ergebnis = item.LoesungMarkiert = item.Loesung = u"keep";
  item.Antwort = item.Koef1Text = item.Koef2Text = item.KonstText = u"keep";
  item.Var2 = u'~';  // after every letter, so a kept one-letter Var2 shows
  item.Wert1 = 111;
  item.Wert2 = 222;
  item.ErgebnisWert = 333;
  item.Feldbreite = 4242;
  item.Praefixbreite = 4711;
  item.K1 = 11;
  item.K2 = 22;
  item.K3 = 33;
  item.K4 = 44;
  item.K5 = 55;
  item.K6 = 66;
  item.Aktiv = item.Richtig = item.Gezeigt = true;
}

void ExpectUntouched(const TTerm& item) {
  EXPECT_EQ(item.Wert1Text, u"keep");
  EXPECT_EQ(item.Wert2Text, u"keep");
  EXPECT_EQ(item.TermNorm, u"keep");
  EXPECT_EQ(item.Wert1, 111);
  EXPECT_EQ(item.Wert2, 222);
  EXPECT_EQ(item.ErgebnisWert, 333);
  EXPECT_EQ(item.Feldbreite, 4242);  // the window measures the answer
  EXPECT_EQ(item.Praefixbreite, 4711);
  EXPECT_TRUE(item.Aktiv && item.Richtig && item.Gezeigt);
}

// What the three levels must reach over the seeds.
struct Reached {
  std::set<std::string> shapes;
  bool zero = false;        // everything cancels
  bool minusOne = false;    // an answer starting "–a"
  bool onlySecond = false;  // Var1 cancels, Var2 stays
  bool unitSecond = false;  // "+b" or "–b" after the first multiple
  std::set<char16_t> letters;
};

void Note(Reached& reached, const TTerm& item) {
  reached.zero = reached.zero || item.Antwort == u"0";
  reached.minusOne = reached.minusOne || item.Antwort == Text{u'–', item.Var1};
  reached.onlySecond = reached.onlySecond || (item.Koef1Text == u"0" && item.Koef2Text != u"0");
  reached.unitSecond = reached.unitSecond || item.Antwort.ends_with(Text{u'+', item.Var2}) ||
                       (item.Antwort.size() > 2 && item.Antwort.ends_with(Text{u'–', item.Var2}));
  reached.letters.insert(item.Var1);
}

TEST(AddSubStufe1, ItemsOverManySeeds) {
  Reached reached;
  std::set<int> koef1Seen;
  std::set<int> koef2Seen;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (std::size_t i = 1; i <= 5; ++i) {
      TTerm& item = AddSubTerme[i];
      FillWithMarkers(item);
      terms_topic::AddSubStufe1(static_cast<int>(i));
      SCOPED_TRACE(Utf8(item.Term));
      const Totals totals = CheckItem(item, /*oneLetter=*/false);
      ExpectUntouched(item);
      Note(reached, item);
      EXPECT_EQ(item.KonstText, u"keep");
      EXPECT_EQ(item.K3, 33);

      // Letters only, each summand a single letter, both letters present; no markers.
      EXPECT_EQ(item.Term, item.TermAnzeige);
      const Text letters = LettersOf(item.Term);
      EXPECT_TRUE(NumbersOf(item.Term).empty());
      const auto count1 = std::count(letters.begin(), letters.end(), item.Var1);
      const auto count2 = std::count(letters.begin(), letters.end(), item.Var2);
      ASSERT_EQ(static_cast<std::size_t>(count1 + count2), letters.size());
      reached.shapes.insert(std::to_string(letters.size()) + "/" + std::to_string(count1));
      EXPECT_EQ(SignsBetweenSummands(item.Term), DrawnSigns(static_cast<int>(letters.size()) - 1));
      koef1Seen.insert(static_cast<int>(totals.koef1));
      koef2Seen.insert(static_cast<int>(totals.koef2));
      EXPECT_LE(std::abs(totals.koef1), 4);
      EXPECT_LE(std::abs(totals.koef2), 6);

      // The analogue with digits: K1 ≠ K2 stand where the letters stand.
      ASSERT_NE(item.K1, item.K2);
      ASSERT_TRUE(item.K1 >= 2 && item.K1 <= 9 && item.K2 >= 2 && item.K2 <= 9);
      EXPECT_EQ(item.Einsetzung, LettersToDigits(item.Term, item));
      const double sum = ValueAt(NormaliseInput(item.Einsetzung), u'?', u'?', 0, 0);
      EXPECT_DOUBLE_EQ(sum, totals.koef1 * item.K1 + totals.koef2 * item.K2);
      ExpectDisplayForm(item.Ergebnis);
      EXPECT_DOUBLE_EQ(ValueAt(ShownToInternal(item.Ergebnis), u'?', u'?', 0, 0), sum);
      // The marked solution keeps coefficients 1, and so does the analogue.
      if (item.Antwort != u"0") {
        for (std::size_t p = 0; p < item.LoesungMarkiert.size(); ++p) {
          if (IsLetter(item.LoesungMarkiert[p])) {
            EXPECT_EQ(item.LoesungMarkiert[p - 2], u'·') << Utf8(item.LoesungMarkiert);
          }
        }
        EXPECT_EQ(item.Ergebnis, LettersToDigits(item.LoesungMarkiert, item));
      } else {
        EXPECT_EQ(item.Ergebnis, u"0");
      }
    }
  }
  EXPECT_EQ(reached.shapes,
            (std::set<std::string>{"5/2", "5/3", "6/2", "6/3", "7/2", "7/3", "8/2", "8/3", "8/4"}));
  EXPECT_TRUE(reached.zero && reached.minusOne && reached.onlySecond && reached.unitSecond);
  EXPECT_EQ(koef1Seen.size(), 9u);         // −4 … 4
  EXPECT_EQ(koef2Seen.size(), 13u);        // −6 … 6
  EXPECT_EQ(reached.letters.size(), 24u);  // every letter but "l" and "z" comes first
  ClearFixedRandomSeed();
}

TEST(AddSubStufe2, ItemsOverManySeeds) {
  Reached reached;
  bool unitOne = false;
  bool minusUnitOne = false;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (std::size_t i = 1; i <= 5; ++i) {
      TTerm& item = AddSubTerme[i];
      FillWithMarkers(item);
      terms_topic::AddSubStufe2(static_cast<int>(i));
      SCOPED_TRACE(Utf8(item.Term));
      EXPECT_LT(item.Var1, item.Var2);  // drawn also when only Var1 is used
      const Text letters = LettersOf(item.Term);
      const bool oneLetter = letters.find(item.Var2) == Text::npos;
      CheckItem(item, oneLetter);
      ExpectUntouched(item);
      Note(reached, item);
      EXPECT_EQ(item.Einsetzung, u"keep");
      EXPECT_EQ(item.Ergebnis, u"keep");
      EXPECT_EQ(item.KonstText, u"keep");
      ExpectMarkedLetters(item.Term, item.Var1, item.Var2);

      // Summand j is Kj times a letter, K1 … K6 in 2 … 9.
      const std::vector<int> numbers = NumbersOf(item.TermAnzeige);
      const std::array<int, 6> k{item.K1, item.K2, item.K3, item.K4, item.K5, item.K6};
      for (int kj : k) EXPECT_TRUE(kj >= 2 && kj <= 9) << kj;
      ASSERT_EQ(numbers.size(), letters.size());
      for (std::size_t j = 0; j < numbers.size(); ++j) EXPECT_EQ(numbers[j], k[j]);
      const auto count1 = std::count(letters.begin(), letters.end(), item.Var1);
      EXPECT_EQ(SignsBetweenSummands(item.TermAnzeige),
                DrawnSigns(static_cast<int>(letters.size()) - 1));
      reached.shapes.insert((oneLetter ? "one/" : "two/") + std::to_string(letters.size()) + "/" +
                            std::to_string(count1));

      // The marked solution drops a "1·" after a blank, not at the start.
      EXPECT_EQ(item.LoesungMarkiert.find(u" 1·"), Text::npos) << Utf8(item.LoesungMarkiert);
      unitOne = unitOne || item.LoesungMarkiert.starts_with(u"1·#");
      minusUnitOne =
          minusUnitOne || item.LoesungMarkiert.ends_with(Text{u'–', u' ', u'_', item.Var2, u'_'});
      if (oneLetter && item.Koef1Text == u"1") {
        EXPECT_EQ(item.LoesungMarkiert, (Text{u'#', item.Var1, u'#'}));
      }
      if (oneLetter && item.Koef1Text == u"-1") {
        EXPECT_EQ(item.LoesungMarkiert, (Text{u'–', u'#', item.Var1, u'#'}));
      }
    }
  }
  // Shapes 4 and 6 and shapes 5 and 7 write the same kind of sum.
  EXPECT_EQ(reached.shapes, (std::set<std::string>{"one/3/3", "one/4/4", "two/3/1", "two/4/2",
                                                   "two/5/2", "two/6/3"}));
  EXPECT_TRUE(reached.zero && reached.minusOne && reached.onlySecond && reached.unitSecond);
  EXPECT_TRUE(unitOne && minusUnitOne);
  ClearFixedRandomSeed();
}

// The shape of a Stufe 3 task: numbers become N (a sign against them belongs to them),
// letters X, "·" goes, signs between summands become "±"; with the number of letters.
std::string Stufe3Skeleton(const TTerm& item) {
  std::string text;
  for (char16_t c : ReplaceChar(RemoveChar(item.TermAnzeige, u'·'), u'–', u'-')) {
    text += IsLetter(c) ? 'X' : static_cast<char>(c);
  }
  static const std::regex number("-?[0-9]+");
  static const std::regex sign(" [+-] ");
  text = std::regex_replace(text, number, "N");
  text = std::regex_replace(text, sign, " ± ");
  const Text letters = LettersOf(item.TermAnzeige);
  const bool twoLetters = letters.find(item.Var2) != Text::npos;
  return (twoLetters ? "two: " : "one: ") + text;
}

TEST(AddSubStufe3, ItemsOverManySeeds) {
  const std::map<std::string, int> shapes = {{"one: NX ± (NX ± NX)", 1},
                                             {"one: NX ± NX ± (NX ± NX)", 2},
                                             {"one: NX ± (NX ± NX ± NX)", 3},
                                             {"two: NX ± (NX ± NX)", 4},
                                             {"two: NX ± (NX ± NX) ± NX", 5},
                                             {"two: NX ± (NX ± NX ± NX)", 6},
                                             {"two: NX ± (NX ± NX) ± (NX ± NX)", 7}};
  Reached reached;
  std::set<int> shapesReached;
  std::set<int> numbersSeen;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (std::size_t i = 1; i <= 5; ++i) {
      TTerm& item = AddSubTerme[i];
      FillWithMarkers(item);
      terms_topic::AddSubStufe3(static_cast<int>(i));
      SCOPED_TRACE(Utf8(item.Term));
      const auto found = shapes.find(Stufe3Skeleton(item));
      ASSERT_NE(found, shapes.end()) << Stufe3Skeleton(item);
      const int shape = found->second;
      shapesReached.insert(shape);
      // The signs s and t: shape 7 puts s into both parentheses.
      const std::string s = DrawnSigns(1);
      const std::string st = DrawnSigns(2);
      const std::map<int, std::string> signs = {{1, s},  {2, st}, {3, st},   {4, s},
                                                {5, st}, {6, st}, {7, s + s}};
      EXPECT_EQ(SignsBetweenSummands(item.TermAnzeige), signs.at(shape));
      const bool oneLetter = shape <= 3;
      if (oneLetter) {
        EXPECT_EQ(item.Var2, u'~');  // not drawn, kept
      }
      CheckItem(item, oneLetter);
      ExpectUntouched(item);
      Note(reached, item);
      EXPECT_EQ(item.Einsetzung, u"keep");
      EXPECT_EQ(item.Ergebnis, u"keep");
      EXPECT_EQ(item.KonstText, u"0");
      if (oneLetter) {
        EXPECT_EQ(item.Koef2Text, u"0");
      }
      ExpectMarkedLetters(item.Term, item.Var1, item.Var2);

      // Every parenthesis has a minus before it; the numbers are K1 … Kn in order, 2 … 9,
      // a minus only against the first two (shape 2: the first and the third).
      const std::string shown = Utf8(item.TermAnzeige);
      static const std::regex minusParenthesis("– \\(");
      EXPECT_EQ(std::regex_replace(shown, minusParenthesis, "").find('('), std::string::npos)
          << shown;
      const std::vector<int> numbers = NumbersOf(item.TermAnzeige);
      const std::array<int, 6> k{item.K1, item.K2, item.K3, item.K4, item.K5, item.K6};
      for (std::size_t j = 0; j < numbers.size(); ++j) {
        EXPECT_EQ(numbers[j], k[j]);
        EXPECT_TRUE(std::abs(numbers[j]) >= 2 && std::abs(numbers[j]) <= 9) << numbers[j];
        const bool mayBeNegative = shape == 2 ? (j == 0 || j == 2) : j <= 1;
        if (!mayBeNegative) {
          EXPECT_GT(numbers[j], 0);
        }
        numbersSeen.insert(numbers[j]);
      }
      for (std::size_t j = numbers.size(); j < k.size(); ++j) {
        EXPECT_EQ(k[j], 11 * static_cast<int>(j + 1));  // not drawn, kept
      }
      if (oneLetter && item.Koef1Text == u"1") {
        EXPECT_EQ(item.Loesung, Text(1, item.Var1));
      }
    }
  }
  EXPECT_EQ(shapesReached.size(), 7u);
  EXPECT_EQ(numbersSeen.size(), 16u);  // ±2 … ±9
  EXPECT_TRUE(reached.zero && reached.minusOne && reached.onlySecond && reached.unitSecond);
  ClearFixedRandomSeed();
}

TEST(AddSubStufe, ChoosesTheGeneratorOfTheLevel) {
  for (int level : {0, 1, 2, 3, 7}) {
    SetRandomSeed(99);
    terms_topic::AddSubStufe(level, 2);
    const TTerm viaLevel = AddSubTerme[2];
    SetRandomSeed(99);
    if (level == 2) {
      terms_topic::AddSubStufe2(2);
    } else if (level == 3) {
      terms_topic::AddSubStufe3(2);
    } else {
      terms_topic::AddSubStufe1(2);
    }
    EXPECT_EQ(AddSubTerme[2].Term, viaLevel.Term) << level;
    EXPECT_EQ(AddSubTerme[2].Antwort, viaLevel.Antwort) << level;
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

// The substitution generators over many seeds. Every item is checked against computations of
// its own: the shape is read back from the written term, the values come from the expression
// evaluator applied to the displayed texts, never from the generator's string building.

#include "topics/terms/substitution_generators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/random_term_parts.h"
#include "terms/zeph_parser.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using term_builders::Vorzeichen;
using terms_topic::EinsetzenTerme;

constexpr int kSeeds = 1500;  // × 5 items per level

std::string Utf8(TextView text) { return Utf8FromText(text); }

// Every occurrence of letter replaced by "(replacement)".
Text PutIn(TextView text, char16_t letter, TextView replacement) {
  Text result;
  for (char16_t c : text) {
    if (c == letter) {
      result += u'(';
      result += replacement;
      result += u')';
    } else {
      result += c;
    }
  }
  return result;
}

// The value of a text without letters in display or internal form (markers removed).
double ValueOf(TextView text) {
  const Text plain = NormaliseInput(RemoveChar(text, u'#'));
  const TFunktion function(plain, u'x');
  EXPECT_EQ(function.ErrorCode(), TFunktion::kNoError) << Utf8(plain);
  return function.Evaluate(0);
}

// An answer in input form ("–60m+8") as a text the evaluator reads ("-60*m+8").
Text InputFormToInternal(TextView answer) {
  Text result;
  for (char16_t c : answer) {
    const bool letter = c >= u'a' && c <= u'z';
    if (letter && !result.empty() && result.back() >= u'0' && result.back() <= u'9') {
      result += u'*';
    }
    result += c == u'–' ? u'-' : c;
  }
  return result;
}

// The skeleton of an internal-form term: numbers become N (a sign written against the number
// belongs to it), the letters L, M (X for the term variable), the signs between summands "±".
std::string Skeleton(TextView internal, char16_t L, char16_t M = 0, char16_t X = 0) {
  std::string text;
  for (char16_t c : internal) {
    if (c == L) {
      text += 'L';
    } else if (M != 0 && c == M) {
      text += 'M';
    } else if (X != 0 && c == X) {
      text += 'X';
    } else {
      text += static_cast<char>(c < 128 ? c : '?');
    }
  }
  text = std::regex_replace(text, std::regex("-?[0-9]+"), "N");
  text = std::regex_replace(text, std::regex(" [+-] "), " ± ");
  return std::regex_replace(text, std::regex("\\*\\(N\\)$"), "*N");
}

// The display form: "·" and "–", no ASCII "*" or "-", no pair of signs.
void ExpectDisplayForm(TextView text) {
  EXPECT_EQ(text.find(u'*'), Text::npos) << Utf8(text);
  EXPECT_EQ(text.find(u'-'), Text::npos) << Utf8(text);
  for (TextView pair : {u"+ –", u"– –", u"– +", u"+ +"}) {
    EXPECT_EQ(text.find(pair), Text::npos) << Utf8(text);
  }
}

// The internal form of Stufe 1 and 2: a negative number never directly after "*" (it is put in
// parentheses), a positive multiplier never in parentheses.
void ExpectInternalForm(TextView text) {
  const std::string term = Utf8(text);
  EXPECT_EQ(term.find("*-"), std::string::npos) << term;
  EXPECT_FALSE(std::regex_search(term, std::regex("\\*\\([0-9]+\\)"))) << term;
  for (const char* pair : {"+ -", "- -", "- +", "+ +"}) {
    EXPECT_EQ(term.find(pair), std::string::npos) << term;
  }
}

bool IsSubstValue(int v) { return (v >= 0 && v <= 4) || (v >= -10 && v <= -5); }

bool IsCoefficient(int k) { return std::abs(k) >= 2 && std::abs(k) <= 10; }

int Sign(char16_t s, int v) { return s == u'-' ? -v : v; }

// The shapes as formulas in the coefficients, the drawn sign s (and t) and the values.
using Formula1 = std::function<int(int a, int b, int c, char16_t s, int x)>;
const std::map<std::string, std::pair<int, Formula1>>& Stufe1Shapes() {
  static const std::map<std::string, std::pair<int, Formula1>> shapes = {
      {"N*L ± N", {1, [](int a, int b, int, char16_t s, int x) { return a * x + Sign(s, b); }}},
      {"N ± N*L", {2, [](int a, int b, int, char16_t s, int x) { return a + Sign(s, b) * x; }}},
      {"N*L ± N*L",
       {3, [](int a, int b, int, char16_t s, int x) { return a * x + Sign(s, b) * x; }}},
      {"N*(N ± N*L)",
       {4, [](int a, int b, int c, char16_t s, int x) { return a * (b + Sign(s, c) * x); }}},
      {"N*(N*L ± N)",
       {5, [](int a, int b, int c, char16_t s, int x) { return a * (b * x + Sign(s, c)); }}},
      {"N*(N*L ± N*L)",
       {6, [](int a, int b, int c, char16_t s, int x) { return a * (b * x + Sign(s, c) * x); }}},
      {"(N ± N*L)*N",
       {7, [](int a, int b, int c, char16_t s, int x) { return (a + Sign(s, b) * x) * c; }}},
      {"(N*L ± N)*N",
       {8, [](int a, int b, int c, char16_t s, int x) { return (a * x + Sign(s, b)) * c; }}},
      {"(N*L ± N*L)*N",
       {9, [](int a, int b, int c, char16_t s, int x) { return (a * x + Sign(s, b) * x) * c; }}},
  };
  return shapes;
}

using Formula2 = std::function<int(int a, int b, int c, char16_t s, char16_t t, int x, int y)>;
const std::map<std::string, std::pair<int, Formula2>>& Stufe2Shapes() {
  static const std::map<std::string, std::pair<int, Formula2>> shapes = {
      {"N*L ± N*M",
       {1, [](int a, int b, int, char16_t s, char16_t, int x,
              int y) { return a * x + Sign(s, b) * y; }}},
      {"N*L ± N*M ± N",
       {2, [](int a, int b, int c, char16_t s, char16_t t, int x,
              int y) { return a * x + Sign(s, b) * y + Sign(t, c); }}},
      {"N*L ± N ± N*M",
       {3, [](int a, int b, int c, char16_t s, char16_t t, int x,
              int y) { return a * x + Sign(s, c) + Sign(t, b) * y; }}},
      {"N ± N*L ± N*M",
       {4, [](int a, int b, int c, char16_t s, char16_t t, int x,
              int y) { return a + Sign(s, b) * x + Sign(t, c) * y; }}},
  };
  return shapes;
}

struct Stufe3Shape {
  int number;
  int limit;
  bool letterFirst;  // the answer's first summand holds the letter, else the constant
  std::function<int(int a, int b, int c, char16_t s, int x)> term;        // the term in x
  std::function<int(int a, int b, int c, char16_t s, int k)> checkValue;  // size check
};
const std::map<std::string, Stufe3Shape>& Stufe3Shapes() {
  static const std::map<std::string, Stufe3Shape> shapes = {
      {"N*X ± N",
       {1, 100, true, [](int a, int b, int, char16_t s, int x) { return a * x + Sign(s, b); },
        [](int a, int b, int, char16_t s, int k) { return a * k + Sign(s, b); }}},
      {"N ± N*X",
       {2, 100, false, [](int a, int b, int, char16_t s, int x) { return a + Sign(s, b) * x; },
        [](int a, int b, int, char16_t s, int k) { return a + Sign(s, b) * k; }}},
      {"N*(N ± N*X)",
       {3, 80, false, [](int a, int b, int c, char16_t, int x) { return a * (b + c * x); },
        [](int a, int b, int c, char16_t s, int k) { return (c * k + Sign(s, b)) * a; }}},
      {"N*(N*X ± N)",
       {4, 80, true, [](int a, int b, int c, char16_t, int x) { return a * (b * x + c); },
        [](int a, int b, int c, char16_t s, int k) { return (b * k + Sign(s, c)) * a; }}},
      {"(N ± N*X)*N",
       {5, 100, false, [](int a, int b, int c, char16_t, int x) { return (a + b * x) * c; },
        [](int a, int b, int c, char16_t, int k) { return (b * k + a) * c; }}},
      {"(N*X ± N)*N",
       {6, 100, true, [](int a, int b, int c, char16_t, int x) { return (a * x + b) * c; },
        [](int a, int b, int c, char16_t s, int k) { return (a * k + Sign(s, b)) * c; }}},
  };
  return shapes;
}

const std::set<int> kAllSubstValues = {0, 1, 2, 3, 4, -5, -6, -7, -8, -9, -10};

// Fields no substitution generator writes keep their contents.
void ExpectUntouched(const TTerm& item) {
  EXPECT_EQ(item.LoesungMarkiert, u"keep");
  EXPECT_EQ(item.Koef1Text, u"keep");
  EXPECT_EQ(item.Koef2Text, u"keep");
  EXPECT_EQ(item.KonstText, u"keep");
  EXPECT_EQ(item.Praefixbreite, 4711);
  EXPECT_EQ(item.K4, 44);
  EXPECT_EQ(item.K5, 55);
  EXPECT_EQ(item.K6, 66);
  EXPECT_TRUE(item.Aktiv);
  EXPECT_TRUE(item.Richtig);
  EXPECT_TRUE(item.Gezeigt);
}

void FillWithMarkers(TTerm& item) {
  item = TTerm{};
  item.Term = item.Wert1Text = item.Wert2Text = item.TermNorm = item.TermAnzeige = u"keep";
  item.Einsetzung = item.Ergebnis = item.LoesungMarkiert = item.Loesung = u"keep";
  item.Antwort = item.Koef1Text = item.Koef2Text = item.KonstText = u"keep";
  item.Var2 = u'?';
  item.Wert2 = 333;
  item.Praefixbreite = 4711;
  item.K3 = 33;
  item.K4 = 44;
  item.K5 = 55;
  item.K6 = 66;
  item.Aktiv = item.Richtig = item.Gezeigt = true;
}

// The checks shared by Stufe 1 and 2: forms of the term, the value of the displayed term at
// the substituted values, the substituted term and the texts of the result.
void CheckValueItem(const TTerm& item, int expectedValue) {
  ExpectInternalForm(item.TermNorm);
  ExpectDisplayForm(item.TermAnzeige);
  ExpectDisplayForm(item.Einsetzung);
  EXPECT_EQ(NormaliseInput(item.TermAnzeige), RemoveChar(item.TermNorm, u' '));

  EXPECT_EQ(item.ErgebnisWert, expectedValue);
  EXPECT_LE(std::abs(item.ErgebnisWert), 100);
  const std::optional<int> answer = TextInt(ReplaceChar(item.Antwort, u'–', u'-'));
  ASSERT_TRUE(answer.has_value()) << Utf8(item.Antwort);
  EXPECT_EQ(*answer, expectedValue);
  EXPECT_EQ(item.Ergebnis, item.Antwort);
  EXPECT_EQ(item.Loesung, item.Antwort);
  EXPECT_EQ(item.Antwort.find(u'-'), Text::npos);  // a minus is "–"
  EXPECT_EQ(item.Feldbreite, 50);

  // The substituted term has no letters left and the same value.
  for (char16_t c : item.Einsetzung) EXPECT_FALSE(c >= u'a' && c <= u'z') << Utf8(item.Einsetzung);
  EXPECT_DOUBLE_EQ(ValueOf(item.Einsetzung), expectedValue) << Utf8(item.Einsetzung);
}

// A value is marked as ‹#3#›, a negative one in parentheses ‹#(–7)#›.
Text MarkedValue(int value, TextView shown) {
  Text marked{u"#"};
  if (value < 0) marked += u'(';
  marked += shown;
  if (value < 0) marked += u')';
  marked += u'#';
  return marked;
}

TEST(EinsetzenStufe1, ItemsOverManySeeds) {
  std::set<int> shapes;
  std::set<int> values;
  std::set<char16_t> letters;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (std::size_t i = 1; i <= 5; ++i) {
      TTerm& item = EinsetzenTerme[i];
      FillWithMarkers(item);
      terms_topic::EinsetzenStufe1(static_cast<int>(i));
      SCOPED_TRACE(Utf8(item.TermNorm));
      const char16_t s = Vorzeichen[1];
      const char16_t L = item.Var1;
      ASSERT_TRUE(L >= u'a' && L <= u'z');
      ASSERT_NE(L, u'l');
      letters.insert(L);
      ASSERT_TRUE(IsSubstValue(item.Wert1)) << item.Wert1;
      values.insert(item.Wert1);
      EXPECT_EQ(item.Wert1Text, ReplaceChar(IntText(item.Wert1), u'-', u'–'));

      const auto found = Stufe1Shapes().find(Skeleton(item.TermNorm, L));
      ASSERT_NE(found, Stufe1Shapes().end()) << Skeleton(item.TermNorm, L);
      const auto& [shape, formula] = found->second;
      shapes.insert(shape);
      EXPECT_TRUE(IsCoefficient(item.K1));
      EXPECT_TRUE(IsCoefficient(item.K2));
      if (shape >= 4) {
        EXPECT_TRUE(IsCoefficient(item.K3));
      } else {
        EXPECT_EQ(item.K3, 33);  // shapes 1 … 3 draw no c
      }
      // The written term is the shape's formula in K1 … K3 and s, at every value.
      for (int x = -3; x <= 3; ++x) {
        EXPECT_DOUBLE_EQ(ValueOf(PutIn(item.TermAnzeige, L, IntText(x))),
                         formula(item.K1, item.K2, item.K3, s, x));
      }
      const double value = ValueOf(PutIn(item.TermAnzeige, L, IntText(item.Wert1)));
      CheckValueItem(item, static_cast<int>(value));
      EXPECT_NE(item.Einsetzung.find(MarkedValue(item.Wert1, item.Wert1Text)), Text::npos);
      EXPECT_EQ(item.Var2, u'?');
      EXPECT_EQ(item.Wert2, 333);
      EXPECT_EQ(item.Wert2Text, u"keep");
      ExpectUntouched(item);
    }
  }
  EXPECT_EQ(shapes.size(), 9u);
  EXPECT_EQ(values, kAllSubstValues);
  EXPECT_EQ(letters.size(), 25u);
  ClearFixedRandomSeed();
}

TEST(EinsetzenStufe2, ItemsOverManySeeds) {
  std::set<int> shapes;
  std::set<int> values;
  bool letterX = false;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (std::size_t i = 1; i <= 5; ++i) {
      TTerm& item = EinsetzenTerme[i];
      FillWithMarkers(item);
      terms_topic::EinsetzenStufe2(static_cast<int>(i));
      SCOPED_TRACE(Utf8(item.TermNorm));
      const char16_t s = Vorzeichen[1];
      const char16_t t = Vorzeichen[2];
      const char16_t L = item.Var1;
      const char16_t M = item.Var2;
      ASSERT_NE(L, M);
      ASSERT_NE(L, u'l');
      ASSERT_NE(M, u'l');
      letterX = letterX || L == u'x' || M == u'x';
      ASSERT_TRUE(IsSubstValue(item.Wert1)) << item.Wert1;
      ASSERT_TRUE(IsSubstValue(item.Wert2)) << item.Wert2;
      values.insert(item.Wert1);
      values.insert(item.Wert2);
      EXPECT_EQ(item.Wert1Text, ReplaceChar(IntText(item.Wert1), u'-', u'–'));
      EXPECT_EQ(item.Wert2Text, ReplaceChar(IntText(item.Wert2), u'-', u'–'));

      const auto found = Stufe2Shapes().find(Skeleton(item.TermNorm, L, M));
      ASSERT_NE(found, Stufe2Shapes().end()) << Skeleton(item.TermNorm, L, M);
      const auto& [shape, formula] = found->second;
      shapes.insert(shape);
      EXPECT_TRUE(IsCoefficient(item.K1));
      EXPECT_TRUE(IsCoefficient(item.K2));
      if (shape == 1) {
        EXPECT_EQ(item.K3, 33);
      } else {
        EXPECT_GT(item.K2, 0);
        EXPECT_TRUE(IsCoefficient(item.K3));
        EXPECT_GT(item.K3, 0);
        if (shape != 4) {
          EXPECT_GT(item.K1, 0);
        }
      }
      for (int x = -2; x <= 2; ++x) {
        for (int y = -2; y <= 2; ++y) {
          const Text put = PutIn(PutIn(item.TermAnzeige, L, IntText(x)), M, IntText(y));
          EXPECT_DOUBLE_EQ(ValueOf(put), formula(item.K1, item.K2, item.K3, s, t, x, y));
        }
      }
      const Text put =
          PutIn(PutIn(item.TermAnzeige, L, IntText(item.Wert1)), M, IntText(item.Wert2));
      CheckValueItem(item, static_cast<int>(ValueOf(put)));
      EXPECT_NE(item.Einsetzung.find(MarkedValue(item.Wert1, item.Wert1Text)), Text::npos);
      EXPECT_NE(item.Einsetzung.find(MarkedValue(item.Wert2, item.Wert2Text)), Text::npos);
      ExpectUntouched(item);
    }
  }
  EXPECT_EQ(shapes.size(), 4u);
  EXPECT_EQ(values, kAllSubstValues);
  EXPECT_TRUE(letterX);
  ClearFixedRandomSeed();
}

TEST(EinsetzenStufe3, ItemsOverManySeeds) {
  std::set<int> shapes;
  std::set<int> multipliers;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (std::size_t i = 1; i <= 5; ++i) {
      TTerm& item = EinsetzenTerme[i];
      FillWithMarkers(item);
      terms_topic::EinsetzenStufe3(static_cast<int>(i));
      SCOPED_TRACE(Utf8(item.Term));
      const char16_t s = Vorzeichen[1];
      const char16_t L = item.Var1;
      const int k = item.Wert1;
      ASSERT_NE(L, u'x');
      ASSERT_NE(L, u'l');
      ASSERT_TRUE(L >= u'a' && L <= u'z');
      ASSERT_TRUE(k >= 2 && k <= 9) << k;
      multipliers.insert(k);
      EXPECT_EQ(item.Wert1Text, IntText(k) + u"·" + Text(1, L));

      ExpectDisplayForm(item.Term);
      ExpectDisplayForm(item.Ergebnis);
      const Text internal = ReplaceChar(ReplaceChar(item.Term, u'·', u'*'), u'–', u'-');
      ExpectInternalForm(internal);
      const auto found = Stufe3Shapes().find(Skeleton(internal, 0, 0, u'x'));
      ASSERT_NE(found, Stufe3Shapes().end()) << Skeleton(internal, 0, 0, u'x');
      const Stufe3Shape& shape = found->second;
      shapes.insert(shape.number);
      EXPECT_TRUE(IsCoefficient(item.K1));
      EXPECT_TRUE(IsCoefficient(item.K2));
      if (shape.number >= 3) {
        EXPECT_TRUE(IsCoefficient(item.K3));
      } else {
        EXPECT_EQ(item.K3, 33);
      }
      EXPECT_EQ(item.ErgebnisWert, shape.checkValue(item.K1, item.K2, item.K3, s, k));
      EXPECT_LE(std::abs(item.ErgebnisWert), shape.limit);

      // The answer term equals the task term with k·L put in for x, at several values of L;
      // so does the displayed substitution.
      const Text answer = InputFormToInternal(item.Antwort);
      for (int v = -4; v <= 4; ++v) {
        const int x = k * v;
        const double task = ValueOf(PutIn(item.Term, u'x', IntText(x)));
        EXPECT_DOUBLE_EQ(task, shape.term(item.K1, item.K2, item.K3, s, x));
        EXPECT_DOUBLE_EQ(ValueOf(PutIn(answer, L, IntText(v))), task) << Utf8(item.Antwort);
        EXPECT_DOUBLE_EQ(ValueOf(PutIn(item.TermAnzeige, L, IntText(v))), task)
            << Utf8(item.TermAnzeige);
      }
      EXPECT_EQ(item.TermAnzeige.find(u'x'), Text::npos);
      EXPECT_NE(item.TermAnzeige.find(u"#" + item.Wert1Text + u"#"), Text::npos);

      // The answer: input form of the shown solution.
      EXPECT_EQ(item.Loesung, item.Ergebnis);
      for (char16_t c : item.Antwort) {
        EXPECT_TRUE((c >= u'0' && c <= u'9') || c == u'–' || c == u'+' || c == L)
            << Utf8(item.Antwort);
      }
      EXPECT_EQ(item.Antwort, RemoveChar(RemoveChar(item.Loesung, u' '), u'·'));
      EXPECT_EQ(item.Feldbreite, 140);

      // Two summands in the shape's order: ‹–60·m + 8› or ‹8 – 60·m›. The value alone would
      // pass a swapped order, and then no learner writing the task's order is judged right.
      const TextView solution = item.Loesung;
      const std::size_t gap = solution.find(u' ');
      ASSERT_NE(gap, TextView::npos) << Utf8(solution);
      const TextView first = solution.substr(0, gap);
      const TextView between = solution.substr(gap, 3);
      const TextView second = solution.substr(gap + 3);
      EXPECT_TRUE(between == u" + " || between == u" – ") << Utf8(solution);
      EXPECT_EQ(second.find(u' '), TextView::npos) << Utf8(solution);
      EXPECT_EQ(first.find(L) != TextView::npos, shape.letterFirst) << Utf8(solution);
      EXPECT_EQ(second.find(L) != TextView::npos, !shape.letterFirst) << Utf8(solution);

      EXPECT_EQ(item.TermNorm, u"keep");
      EXPECT_EQ(item.Einsetzung, u"keep");
      EXPECT_EQ(item.Var2, u'?');
      EXPECT_EQ(item.Wert2, 333);
      EXPECT_EQ(item.Wert2Text, u"keep");
      ExpectUntouched(item);
    }
  }
  EXPECT_EQ(shapes.size(), 6u);
  EXPECT_EQ(multipliers.size(), 8u);
  ClearFixedRandomSeed();
}

TEST(EinsetzenStufe, ChoosesTheGeneratorOfTheLevel) {
  SetRandomSeed(5);
  for (int level : {0, 1, 2, 3, 4}) {
    SCOPED_TRACE(level);
    FillWithMarkers(EinsetzenTerme[1]);
    terms_topic::EinsetzenStufe(level, 1);
    const TTerm& item = EinsetzenTerme[1];
    EXPECT_EQ(item.Feldbreite, level == 3 ? 140 : 50);
    EXPECT_EQ(item.Wert2Text == u"keep", level != 2);
  }
  ClearFixedRandomSeed();
}

TEST(EinsetzenStufe, AllItemsOfTheArrayAreFilled) {
  SetRandomSeed(9);
  for (std::size_t i = 1; i <= 5; ++i) FillWithMarkers(EinsetzenTerme[i]);
  for (int i = 1; i <= 5; ++i) terms_topic::EinsetzenStufe1(i);
  for (std::size_t i = 1; i <= 5; ++i) EXPECT_NE(EinsetzenTerme[i].Term, u"keep") << i;
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora

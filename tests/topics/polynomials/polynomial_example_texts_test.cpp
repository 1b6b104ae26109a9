// The generated worked examples of the polynomial kinds as lines: every line with an equals
// sign is a true equation of its letters, over many seeds, at every kind and level.

#include "topics/polynomials/polynomial_example_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "base/random.h"
#include "base/selection.h"
#include "base/shared_functions.h"
#include "term_value.h"
#include "terms/term_exponents.h"
#include "topics/polynomials/polynomial_items.h"
#include "topics/polynomials/polynomial_record.h"

namespace kalkora {
namespace {

Text WithoutMarkers(TextView markup) {
  Text text{markup};
  for (char16_t marker : {u'#', u'_', u'~', u'$', u'§'}) text = RemoveChar(text, marker);
  return text;
}

// Both sides of ‹left = right› (or ‹left =right›) agree at a few values of the item's letters.
void ExpectTrueEquation(TextView line, const TPolynom& item) {
  const Text plain = JoinExponentDigits(WithoutMarkers(line));
  const std::size_t at = plain.find(u'=');
  ASSERT_NE(at, Text::npos) << Utf8FromText(line);
  ASSERT_EQ(plain.find(u'=', at + 1), Text::npos) << "one equals sign: " << Utf8FromText(line);
  const Text left = plain.substr(0, at);
  const Text right = plain.substr(at + 1);
  for (int k = 0; k < 6; ++k) {
    std::map<char16_t, std::int64_t> values;
    std::int64_t value = k - 3;
    for (char16_t letter : {item.Var1, item.Var2, item.Var3, item.Var4}) {
      if (letter != 0) values[letter] = value;
      value = value * 2 + 1;
    }
    const auto l = test::TermValue(left, values);
    const auto r = test::TermValue(right, values);
    ASSERT_TRUE(l.has_value()) << Utf8FromText(left);
    ASSERT_TRUE(r.has_value()) << Utf8FromText(right);
    ASSERT_EQ(*l, *r) << Utf8FromText(plain);
  }
}

TEST(PolynomExampleLinesTest, EveryKindAndLevelShowsTrueEquations) {
  for (int kind = 1; kind <= 5; ++kind) {
    for (int level = 1; level <= 3; ++level) {
      SCOPED_TRACE("kind " + std::to_string(kind) + ", Stufe " + std::to_string(level));
      selection::selLevel = level;
      for (int seed = 1; seed <= 60; ++seed) {
        SetRandomSeed(static_cast<std::uint32_t>(seed));
        PreparePolynomItems(3, kind);
        for (int i = 1; i <= 3; ++i) {
          const TPolynom& item = polynomials::Polynom[static_cast<std::size_t>(i)];
          const std::vector<Text> lines = polynomials::PolynomExampleLines(item, kind);
          ASSERT_EQ(lines.size(), kind == 4 ? 2u : 1u);
          // Kind 4: the task with "?" over the completed formula, which must hold.
          if (kind == 4) {
            EXPECT_NE(lines[0].find(u'?'), Text::npos);
            ExpectTrueEquation(lines[1], item);
          } else {
            ExpectTrueEquation(lines[0], item);
          }
          if (HasFailure()) return;
        }
      }
    }
  }
  selection::ResetSelection();
}

TEST(PolynomExampleLinesTest, HowTaskAndSolutionAreJoined) {
  TPolynom item;
  item.AufgabeMarkup = u"T";
  item.LoesungMarkup = u"L";
  EXPECT_EQ(polynomials::PolynomExampleLines(item, 1), std::vector<Text>{u"T = L"});
  EXPECT_EQ(polynomials::PolynomExampleLines(item, 2), std::vector<Text>{u"T = L"});
  EXPECT_EQ(polynomials::PolynomExampleLines(item, 4), (std::vector<Text>{u"T", u"L"}));
  // The task ends with its equals sign; the solution stands one blank after it.
  item.AufgabeMarkup = u"(#t# + 1)^2 =";
  item.LoesungMarkup = u"#t^2# + 2·#t# + 1";
  EXPECT_EQ(polynomials::PolynomExampleLines(item, 3),
            std::vector<Text>{u"(#t# + 1)^2 = #t^2# + 2·#t# + 1"});
  item.AufgabeMarkup = u"24·e – 16·w = ";
  item.LoesungMarkup = u"#8#·(3·e – 2·w)";
  EXPECT_EQ(polynomials::PolynomExampleLines(item, 5),
            std::vector<Text>{u"24·e – 16·w = #8#·(3·e – 2·w)"});
}

TEST(PolynomExampleTextsTest, TheChosenKind) {
  for (const auto& [chosen, kind] : std::map<int, int>{{0, 1}, {1, 1}, {4, 4}, {5, 5}, {9, 5}}) {
    selection::selPolyExample = chosen;
    EXPECT_EQ(polynomials::SelectedPolynomExample(), kind) << chosen;
  }
  selection::ResetSelection();
}

}  // namespace
}  // namespace kalkora

// Every polynomial generator over many seeds. The expected answer is never rebuilt the way the
// generator builds it: task, solution and answer are evaluated exactly at several values of
// the letters (term_value.h) and must agree, and the texts are checked for the writing rules.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "base/text.h"
#include "term_value.h"
#include "terms/term_exponents.h"
#include "topics/polynomials/completion_example_generators.h"
#include "topics/polynomials/polynomial_generators.h"
#include "topics/polynomials/polynomial_items.h"
#include "topics/polynomials/polynomial_writing.h"

namespace kalkora {
namespace {

struct GeneratorRules {
  const char* name;
  int kind;
  int level;
  int variants;    // Variante 1 … variants
  int letters;     // Var1 … Var<letters> are drawn
  bool ordered12;  // Var1 < Var2
  bool ordered34;  // Var3 < Var4
  int lowest;      // the numbers written in the task (not exponents) lie in lowest … highest
  int highest;
  int lowestExponent;   // the task's exponents lie in lowestExponent … highestExponent and reach
  int highestExponent;  // both ends; 0 … 0: the task has no exponent
  bool fallingPowers;   // the solution is ordered by falling powers of Var1
  bool productForm;     // the solution is a product (factoring)
  // Variante → its own lowest number, where it differs; as that is above 1, every letter of
  // such a Variante has a coefficient written in front of it.
  std::map<int, int> lowestIn{};
};

std::ostream& operator<<(std::ostream& out, const GeneratorRules& rules) {
  return out << rules.name;
}

const GeneratorRules kGeneratorRules[] = {
    {"PolynomMonom1", 1, 1, 4, 4, false, false, 1, 9, 0, 0, false, false},
    {"PolynomMonom2", 1, 2, 5, 2, false, false, 1, 9, 0, 0, false, false},
    {"PolynomMonom3", 1, 3, 6, 2, false, false, 2, 6, 2, 6, false, false},
    {"PolynomPolynom1", 2, 1, 3, 1, false, false, 1, 9, 0, 0, true, false, {{2, 2}, {3, 2}}},
    {"PolynomPolynom2", 2, 2, 4, 2, true, false, 1, 6, 2, 5, true, false},
    {"PolynomPolynom3", 2, 3, 1, 2, true, false, 1, 6, 2, 6, true, false},
    {"Binome1", 3, 1, 1, 1, false, false, 1, 9, 2, 2, true, false},
    {"Binome2", 3, 2, 6, 2, false, false, 2, 9, 2, 5, true, false},
    {"Binome3", 3, 3, 12, 1, false, false, 1, 144, 2, 2, false, true},
    {"Herausheben1", 5, 1, 8, 3, false, false, 2, 50, 2, 7, false, true},
    {"Herausheben2", 5, 2, 4, 4, false, false, 2, 50, 0, 0, false, true},
    {"Herausheben3", 5, 3, 2, 4, true, true, 2, 9, 0, 0, false, true},
};

constexpr int kSeeds = 500;  // five items each

Text Letters(const TPolynom& item, int count) {
  const char16_t all[] = {item.Var1, item.Var2, item.Var3, item.Var4};
  return Text(all, all + count);
}

// A task or solution as a term to evaluate: without the equals sign of the task, exponents
// joined, in the internal form.
Text AsTerm(TextView text) {
  Text term{text};
  while (!term.empty() && (term.back() == u' ' || term.back() == u'=')) term.pop_back();
  return NormaliseInput(JoinExponentDigits(term));
}

Text WithoutMarkers(TextView markup) {
  Text text{markup};
  for (char16_t m : {u'#', u'_', u'~', u'$', u'§'}) text = RemoveChar(text, m);
  return text;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLetter(char16_t c) { return c >= u'a' && c <= u'z'; }

// The numbers written in a text, the exponents apart (‹^1^0› is the exponent 10).
struct WrittenNumbers {
  std::vector<int> numbers;
  std::vector<int> exponents;
  int bareLetters = 0;  // letters without a factor "·" before them: ‹x›, ‹–x› (coefficient ±1)
};

WrittenNumbers ReadNumbers(TextView shown) {
  const Text text = JoinExponentDigits(shown);
  WrittenNumbers written;
  for (std::size_t k = 0; k < text.size();) {
    if (!IsDigit(text[k])) {
      if (IsLetter(text[k]) && (k == 0 || text[k - 1] != u'·')) ++written.bareLetters;
      ++k;
      continue;
    }
    const std::size_t start = k;
    while (k < text.size() && IsDigit(text[k])) ++k;
    const bool exponent = start > 0 && text[start - 1] == u'^';
    (exponent ? written.exponents : written.numbers)
        .push_back(TextInt(text.substr(start, k - start)).value_or(-1));
  }
  return written;
}

// The writing rules every shown text keeps.
void CheckWriting(TextView text) {
  SCOPED_TRACE(Utf8FromText(text));
  EXPECT_EQ(text.find(u'-'), Text::npos) << "internal minus left";
  EXPECT_EQ(text.find(u'*'), Text::npos) << "internal times left";
  const Text compact = RemoveChar(text, u' ');
  for (std::size_t k = 0; k + 1 < compact.size(); ++k) {
    const bool sign1 = compact[k] == u'+' || compact[k] == u'–';
    const bool sign2 = compact[k + 1] == u'+' || compact[k + 1] == u'–';
    EXPECT_FALSE(sign1 && sign2) << "sign pair";
  }
  const Text joined = JoinExponentDigits(text);
  for (std::size_t k = 0; k < joined.size();) {
    if (!IsDigit(joined[k])) {
      ++k;
      continue;
    }
    const std::size_t start = k;
    while (k < joined.size() && IsDigit(joined[k])) ++k;
    const Text digits = joined.substr(start, k - start);
    EXPECT_NE(TextInt(digits), 0) << "a number 0";
    EXPECT_NE(digits[0], u'0') << "a leading zero";
    const bool unit = digits == u"1" && k < joined.size() && joined[k] == u'·';
    EXPECT_FALSE(unit) << "a coefficient 1 written out";
  }
}

// The answer in input form: no blanks or "·", no coefficient 1, only what the field accepts.
void CheckAnswer(const GeneratorRules& rules, const TPolynom& item) {
  const Text answer = JoinExponentDigits(item.Antwort);
  SCOPED_TRACE(Utf8FromText(answer));
  const Text accepted =
      Text{u"0123456789+–^"} + PolynomAnswerLetters(rules.kind, rules.level, item);
  for (char16_t c : answer) EXPECT_NE(accepted.find(c), Text::npos) << "the field refuses it";
  EXPECT_LE(answer.size(), 40u) << "longer than an answer field takes";
  for (std::size_t k = 0; k + 1 < answer.size(); ++k) {
    const bool afterSign = k == 0 || answer[k - 1] == u'+' || answer[k - 1] == u'–' ||
                           answer[k - 1] == u'(' || answer[k - 1] == u')';
    const bool unit = answer[k] == u'1' && (IsLetter(answer[k + 1]) || answer[k + 1] == u'(');
    EXPECT_FALSE(afterSign && unit) << "a coefficient 1 in the answer";
  }
}

// The exponent of the letter in a summand (0 when it does not occur).
int ExponentOf(TextView summand, char16_t letter) {
  const std::size_t at = summand.find(letter);
  if (at == Text::npos) return 0;
  if (at + 1 >= summand.size() || summand[at + 1] != u'^') return 1;
  std::size_t end = at + 2;
  while (end < summand.size() && IsDigit(summand[end])) ++end;
  return TextInt(summand.substr(at + 2, end - at - 2)).value_or(-1);
}

// The summands of a sum written with " + " and " – " between them.
std::vector<Text> Summands(TextView sum) {
  std::vector<Text> summands{Text{}};
  int depth = 0;
  for (std::size_t k = 0; k < sum.size(); ++k) {
    const char16_t c = sum[k];
    if (c == u'(') ++depth;
    if (c == u')') --depth;
    if (depth == 0 && k > 0 && (c == u'+' || c == u'–') && sum[k - 1] == u' ') {
      summands.emplace_back();
      continue;
    }
    summands.back() += c;
  }
  return summands;
}

// Whether the text is a product: outside brackets there is no sign but a leading minus.
bool IsProduct(TextView text) {
  int depth = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == u'(') ++depth;
    if (text[k] == u')') --depth;
    if (depth == 0 && k > 0 && (text[k] == u'+' || text[k] == u'–')) return false;
  }
  return true;
}

// Letter values for the trial: spread over −6 … 6, different for every letter, trial and seed.
std::map<char16_t, std::int64_t> LetterValues(int seed, int trial) {
  std::map<char16_t, std::int64_t> values;
  for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
    const std::uint32_t mixed = (static_cast<std::uint32_t>(letter) * 2654435761u) ^
                                (static_cast<std::uint32_t>(seed * 31 + trial) * 40503u + 12345u);
    values[letter] = static_cast<std::int64_t>((mixed >> 7) % 13) - 6;
  }
  return values;
}

void CheckValues(const TPolynom& item, int seed) {
  const Text texts[] = {AsTerm(item.Aufgabe), AsTerm(WithoutMarkers(item.AufgabeMarkup)),
                        AsTerm(item.Loesung), AsTerm(WithoutMarkers(item.LoesungMarkup)),
                        AsTerm(JoinExponentDigits(item.Antwort))};
  for (int trial = 0; trial < 6; ++trial) {
    const auto values = LetterValues(seed, trial);
    const auto task = test::TermValue(texts[0], values);
    ASSERT_TRUE(task.has_value()) << Utf8FromText(texts[0]);
    for (const Text& text : texts) {
      const auto value = test::TermValue(text, values);
      ASSERT_TRUE(value.has_value()) << Utf8FromText(text);
      EXPECT_EQ(*value, *task) << Utf8FromText(text) << " differs from the task "
                               << Utf8FromText(texts[0]);
    }
  }
}

class PolynomialGeneratorTest : public ::testing::TestWithParam<GeneratorRules> {};

TEST_P(PolynomialGeneratorTest, EveryItemKeepsTheRulesAndEqualsItsTask) {
  const GeneratorRules& rules = GetParam();
  const PolynomGenerator generator = PolynomGeneratorFor(rules.kind, rules.level);
  ASSERT_NE(generator, nullptr);
  std::set<int> variants;
  std::set<int> exponents;
  polynomials::LongestRedraw = 0;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (int i = 1; i <= 5; ++i) {
      generator(i);
      const TPolynom& item = polynomials::Polynom[static_cast<std::size_t>(i)];
      SCOPED_TRACE(Utf8FromText(item.Aufgabe) + "  →  " + Utf8FromText(item.Loesung));
      ASSERT_GE(item.Variante, 1);
      ASSERT_LE(item.Variante, rules.variants);
      variants.insert(item.Variante);

      // Letters: pairwise different, in the required order, and the only letters written.
      const Text letters = Letters(item, rules.letters);
      for (std::size_t j = 0; j < letters.size(); ++j) {
        EXPECT_TRUE(IsLetter(letters[j]));
        EXPECT_NE(letters[j], u'l');
        for (std::size_t k = j + 1; k < letters.size(); ++k) EXPECT_NE(letters[j], letters[k]);
      }
      if (rules.ordered12) {
        EXPECT_LT(item.Var1, item.Var2);
      }
      if (rules.ordered34) {
        EXPECT_LT(item.Var3, item.Var4);
      }
      for (char16_t c : item.Aufgabe + item.Loesung) {
        if (IsLetter(c)) {
          EXPECT_NE(letters.find(c), Text::npos) << "a letter not drawn";
        }
      }

      // Numbers and exponents of the task in their ranges.
      const WrittenNumbers written = ReadNumbers(item.Aufgabe);
      const auto own = rules.lowestIn.find(item.Variante);
      const int lowest = own == rules.lowestIn.end() ? rules.lowest : own->second;
      for (int n : written.numbers) {
        EXPECT_GE(n, lowest) << "Variante " << item.Variante;
        EXPECT_LE(n, rules.highest);
      }
      if (own != rules.lowestIn.end()) {
        EXPECT_EQ(written.bareLetters, 0) << "a coefficient ±1 in Variante " << item.Variante;
      }
      for (int e : written.exponents) {
        EXPECT_GE(e, rules.lowestExponent) << "an exponent";
        EXPECT_LE(e, rules.highestExponent) << "an exponent";
        exponents.insert(e);
      }

      CheckWriting(item.Aufgabe);
      CheckWriting(item.Loesung);
      CheckWriting(WithoutMarkers(item.AufgabeMarkup));
      // The markup of a factored-out −1 keeps it (‹#–1#·(x + y)›), the shown solution not.
      Text solutionMarkup = WithoutMarkers(item.LoesungMarkup);
      if (rules.kind == 5 && solutionMarkup.substr(0, 3) == u"–1·") solutionMarkup.erase(1, 2);
      CheckWriting(solutionMarkup);
      CheckAnswer(rules, item);
      CheckValues(item, seed * 5 + i);

      if (rules.fallingPowers) {
        int previous = 1000;
        for (const Text& summand : Summands(JoinExponentDigits(item.Loesung))) {
          const int exponent = ExponentOf(summand, item.Var1);
          EXPECT_LT(exponent, previous) << "not by falling powers";
          previous = exponent;
        }
      }
      if (rules.productForm) {
        EXPECT_TRUE(IsProduct(item.Loesung)) << "not a product";
      }
      if (HasFailure()) return;
    }
  }
  for (int v = 1; v <= rules.variants; ++v) EXPECT_TRUE(variants.count(v)) << "Variante " << v;
  if (rules.highestExponent > 0) {
    ASSERT_FALSE(exponents.empty());
    EXPECT_EQ(*exponents.begin(), rules.lowestExponent);
    EXPECT_EQ(*exponents.rbegin(), rules.highestExponent);
  }
  EXPECT_LE(polynomials::LongestRedraw, 10000);
}

INSTANTIATE_TEST_SUITE_P(AllGenerators, PolynomialGeneratorTest,
                         ::testing::ValuesIn(kGeneratorRules),
                         [](const auto& info) { return std::string(info.param.name); });

// The product kinds write the numbers of one item of Polynom·Monom Stufe 1 pairwise different
// in absolute value.
TEST(PolynomMonom1Test, NumbersArePairwiseDifferent) {
  for (int seed = 1; seed <= kSeeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    PolynomMonom1(1);
    const std::vector<int> numbers = ReadNumbers(polynomials::Polynom[1].Aufgabe).numbers;
    const std::set<int> different(numbers.begin(), numbers.end());
    EXPECT_EQ(different.size(), numbers.size()) << Utf8FromText(polynomials::Polynom[1].Aufgabe);
  }
}

// About half of the items of Polynom·Monom Stufe 1 have no negative number, and negative
// numbers do occur.
TEST(PolynomMonom1Test, NegativeNumbersInAboutHalfOfTheItems) {
  int withMinus = 0;
  for (int seed = 1; seed <= 1000; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    PolynomMonom1(1);
    const Text task = polynomials::Polynom[1].Aufgabe;
    // A minus that is a number's own sign, not the sign between two terms.
    const bool ownMinus = task.find(u"(–") != Text::npos || task.find(u"·–") != Text::npos ||
                          task.substr(0, 1) == u"–";
    if (ownMinus) ++withMinus;
  }
  EXPECT_GT(withMinus, 250);
  EXPECT_LT(withMinus, 600);
}

TEST(PolynomGeneratorForTest, DispatchTable) {
  EXPECT_EQ(PolynomGeneratorFor(1, 1), &PolynomMonom1);
  EXPECT_EQ(PolynomGeneratorFor(1, 3), &PolynomMonom3);
  EXPECT_EQ(PolynomGeneratorFor(2, 2), &PolynomPolynom2);
  EXPECT_EQ(PolynomGeneratorFor(3, 3), &Binome3);
  EXPECT_EQ(PolynomGeneratorFor(5, 1), &Herausheben1);
  EXPECT_EQ(PolynomGeneratorFor(4, 1), &ErgaenzenM1);
  EXPECT_EQ(PolynomGeneratorFor(4, 2), &ErgaenzenM2);
  EXPECT_EQ(PolynomGeneratorFor(4, 3), &ErgaenzenM3);
  EXPECT_EQ(PolynomGeneratorFor(0, 1), nullptr);
  EXPECT_EQ(PolynomGeneratorFor(6, 1), nullptr);
  EXPECT_EQ(PolynomGeneratorFor(1, 0), nullptr);
  EXPECT_EQ(PolynomGeneratorFor(1, 4), nullptr);
}

}  // namespace
}  // namespace kalkora

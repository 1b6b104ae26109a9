#include "topics/fractions/domain_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>
#include <vector>

#include "generator_checks.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

using test::LetterValues;
using test::ValueOf;

// One excluded value as written: [–] [number] [letter] [/ number].
struct ExcludedValue {
  bool negative = false;
  long long number = 1;
  bool withLetter = false;
  long long divisor = 1;
  bool numberWritten = false;
  bool divisorWritten = false;
};

bool ReadValue(TextView text, char16_t letter, ExcludedValue& value) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == u'–') {
    value.negative = true;
    ++i;
  }
  auto readNumber = [&](long long& number) {
    const std::size_t start = i;
    long long n = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') n = n * 10 + (text[i++] - u'0');
    if (i > start) number = n;
    return i > start;
  };
  value.numberWritten = readNumber(value.number);
  if (i < text.size() && text[i] == letter) {
    value.withLetter = true;
    ++i;
  }
  if (!value.numberWritten && !value.withLetter) return false;
  if (i < text.size() && text[i] == u'/') {
    ++i;
    value.divisorWritten = readNumber(value.divisor);
    if (!value.divisorWritten) return false;
  }
  return i == text.size();
}

double Evaluated(const ExcludedValue& v, double letterValue) {
  const double magnitude = static_cast<double>(v.number) * (v.withLetter ? letterValue : 1.0) /
                           static_cast<double>(v.divisor);
  return v.negative ? -magnitude : magnitude;
}

std::vector<Text> SplitAtComma(TextView text) {
  std::vector<Text> parts;
  std::size_t start = 0;
  for (;;) {
    const auto comma = text.find(u',', start);
    parts.emplace_back(
        text.substr(start, comma == TextView::npos ? TextView::npos : comma - start));
    if (comma == TextView::npos) return parts;
    start = comma + 1;
  }
}

// The first bracket group of a text (without its brackets), or the empty text.
Text FirstBracket(TextView text) {
  const auto open = text.find(u'(');
  const auto close = text.find(u')');
  if (open == TextView::npos || close == TextView::npos) return Text{};
  return Text{text.substr(open + 1, close - open - 1)};
}

TEST(DefmengeU, ExcludedValuesAreExactlyTheZerosOfTheDenominator) {
  std::set<int> variants;
  int withMinus = 0;
  std::set<int> numeratorLetters;  // variants 14–17: 1 for a·Var1, 2 for a·Var2
  test::ForManyItems(101, DefmengeU, [&](const TBruchM& item) {
    variants.insert(item.Variante);
    ASSERT_GE(item.Variante, 1);
    ASSERT_LE(item.Variante, 25);
    const char16_t x = item.Var1;
    const char16_t y = item.Var2;
    EXPECT_LT(x, y);
    EXPECT_NE(x, u'l');
    EXPECT_NE(y, u'l');
    test::ExpectDisplayForm(item.Text[1]);
    test::ExpectDisplayForm(item.Text[4]);
    // A numerator 1·x is written ‹x›.
    EXPECT_NE(item.Text[1].rfind(u"1·", 0), 0u) << Utf8FromText(item.Text[1]);
    const Text& solution = item.Loesung;
    EXPECT_EQ(solution.find(u' '), Text::npos);
    EXPECT_EQ(solution.find(u'·'), Text::npos);
    if (solution.find(u'–') != Text::npos) ++withMinus;

    const std::vector<Text> parts = SplitAtComma(solution);
    ASSERT_EQ(parts.size(), item.Variante >= 18 ? 2u : 1u) << Utf8FromText(solution);
    if (item.Variante >= 18 && item.Variante <= 23) {
      EXPECT_EQ(parts[0], u"0");
    }
    if (item.Variante == 1) {
      EXPECT_EQ(solution, u"0");
    }
    if (item.Variante >= 18 && item.Variante <= 20) {
      EXPECT_TRUE(solution == u"0,–1" || solution == u"0,1") << Utf8FromText(solution);
    }

    // The letter y takes a value that no integer x can reach by accident.
    const double yValue = 0.37;
    std::vector<double> excluded;
    for (const Text& part : parts) {
      ExcludedValue value;
      ASSERT_TRUE(ReadValue(part, y, value)) << Utf8FromText(part);
      EXPECT_EQ(value.withLetter, item.Variante >= 10 && item.Variante <= 17);
      if (value.divisorWritten) {
        EXPECT_GT(value.divisor, 1);
        EXPECT_EQ(std::gcd(value.number, value.divisor), 1) << "not in lowest terms";
      }
      excluded.push_back(Evaluated(value, yValue));
    }
    for (double value : excluded) {
      const double at = ValueOf(item.Text[4], LetterValues{{x, value}, {y, yValue}});
      EXPECT_NEAR(at, 0.0, 1e-9) << "denominator not 0 at " << value;
    }
    for (int k = -30; k <= 30; ++k) {
      bool listed = false;
      for (double value : excluded) listed = listed || std::abs(value - k) < 1e-12;
      if (listed) continue;
      const double at = ValueOf(item.Text[4], LetterValues{{x, k}, {y, yValue}});
      EXPECT_GT(std::abs(at), 1e-9) << "denominator 0 at " << k << " but not excluded";
    }
    if (item.Variante >= 24) {
      // The values stand in the order of their factors.
      const double first = ValueOf(FirstBracket(item.Text[4]), LetterValues{{x, excluded[0]}});
      EXPECT_NEAR(first, 0.0, 1e-9);
    }
    // The numerator: a number 1 … 20, or that number times a letter.
    const test::Polynomial numerator = test::MustRead(item.Text[1]);
    ASSERT_EQ(numerator.terms.size(), 1u);
    const long long a = numerator.terms.begin()->second;
    EXPECT_GE(a, 1);
    EXPECT_LE(a, 20);
    const bool letterNumerator =
        (item.Variante >= 6 && item.Variante <= 9) || (item.Variante >= 14 && item.Variante <= 17);
    EXPECT_EQ(numerator.isConstant(), !letterNumerator);
    if (letterNumerator) {
      const char16_t letter = item.Text[1].back();
      if (item.Variante <= 9) {
        EXPECT_EQ(letter, x);
      } else {
        EXPECT_TRUE(letter == x || letter == y) << Utf8FromText(item.Text[1]);
        numeratorLetters.insert(letter == x ? 1 : 2);
      }
    }
  });
  EXPECT_EQ(variants.size(), 25u);
  EXPECT_GT(withMinus, 0);
  EXPECT_EQ(numeratorLetters, (std::set<int>{1, 2}));
}

// The numbers a, b, c (and d) as the texts show them: Gcd(a, b) = 1 and Gcd(b, c) = 1 in
// variants 1–17; pairwise different and Gcd(b, c) = 1 in 18–25.
TEST(DefmengeU, RedrawConditionsHold) {
  test::ForManyItems(102, DefmengeU, [&](const TBruchM& item) {
    const std::vector<long long> numerator = test::NumbersInText(item.Text[1]);
    ASSERT_LE(numerator.size(), 1u);
    const long long a = numerator.empty() ? 1 : numerator[0];  // ‹x› stands for 1·x
    EXPECT_GE(a, 1);
    EXPECT_LE(a, 20);
    const std::vector<long long> numbers = test::NumbersInText(item.Text[4]);
    for (long long n : numbers) {
      EXPECT_GE(n, 2);
      EXPECT_LE(n, 9);
    }
    const int v = item.Variante;
    if (v <= 17) {
      if (!numbers.empty()) {
        EXPECT_EQ(std::gcd(a, numbers[0]), 1);
      }
      if (numbers.size() == 2) {
        EXPECT_EQ(std::gcd(numbers[0], numbers[1]), 1);
      }
    } else {
      if (v == 20) {
        ASSERT_EQ(numbers.size(), 2u);
        EXPECT_EQ(numbers[0], numbers[1]);
      } else if (numbers.size() >= 2) {
        EXPECT_EQ(std::gcd(numbers[0], numbers[1]), 1);
      }
      std::set<long long> all{a};
      all.insert(numbers.begin(), numbers.end());
      if (v != 20) {
        EXPECT_EQ(all.size(), numbers.size() + 1);
      }
    }
    // How many numbers each variant's denominator shows.
    static constexpr std::size_t kNumbersShown[26] = {0, 0, 1, 1, 2, 2, 1, 1, 2, 2, 0, 1, 1,
                                                      2, 0, 1, 1, 2, 0, 0, 2, 1, 2, 2, 3, 3};
    const std::size_t expectedCount = kNumbersShown[v];
    EXPECT_EQ(numbers.size(), expectedCount);
  });
}

}  // namespace
}  // namespace kalkora::fractions

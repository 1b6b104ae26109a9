#include "formula_identity.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "base/shared_functions.h"
#include "term_value.h"

namespace kalkora::test {

Sides SplitAtEquals(TextView formula) {
  const std::size_t at = formula.find(u" = ");
  if (at == TextView::npos) return {};
  return {Text{formula.substr(0, at)}, Text{formula.substr(at + 3)}};
}

void ExpectIdentity(TextView formula, char16_t x, char16_t y) {
  const Sides sides = SplitAtEquals(formula);
  ASSERT_FALSE(sides.left.empty()) << "no ‹ = › in " << Utf8FromText(formula);
  for (std::int64_t u = -3; u <= 3; ++u) {
    for (std::int64_t v = -3; v <= 3; ++v) {
      std::map<char16_t, std::int64_t> values{{x, u}};
      if (y != 0) values[y] = v;
      const auto left = TermValue(sides.left, values);
      const auto right = TermValue(sides.right, values);
      ASSERT_TRUE(left.has_value()) << Utf8FromText(sides.left);
      ASSERT_TRUE(right.has_value()) << Utf8FromText(sides.right);
      ASSERT_EQ(*left, *right) << "at " << u << ", " << v;
    }
  }
}

std::vector<int> Numbers(TextView text) {
  const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  std::vector<int> numbers;
  for (std::size_t k = 0; k < text.size();) {
    if (!isDigit(text[k])) {
      ++k;
      continue;
    }
    const std::size_t start = k;
    while (k < text.size() && isDigit(text[k])) ++k;
    if (start > 0 && text[start - 1] == u'^') continue;
    numbers.push_back(TextInt(text.substr(start, k - start)).value_or(-1));
  }
  return numbers;
}

}  // namespace kalkora::test

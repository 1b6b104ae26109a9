#include "power_generator_checks.h"

#include "base/random.h"
#include "power_value.h"

namespace kalkora::powers::test {

std::vector<TPotenz> Generate(PowerGenerator generator, int seeds) {
  std::vector<TPotenz> records;
  records.reserve(static_cast<std::size_t>(seeds));
  for (int seed = 1; seed <= seeds; ++seed) {
    SetRandomSeed(static_cast<std::uint32_t>(seed));
    const int item = seed % 5 + 1;
    generator(item);
    records.push_back(Potenzen[static_cast<std::size_t>(item)]);
  }
  return records;
}

std::string Describe(const TPotenz& record) {
  std::string line = "variant " + std::to_string(record.Variante);
  for (std::size_t slot = 0; slot < record.Text.size(); ++slot) {
    if (!record.Text[slot].empty()) {
      line += " | " + std::to_string(slot) + ": " + Utf8FromText(record.Text[slot]);
    }
  }
  return line;
}

::testing::AssertionResult SameValue(TextView a, TextView b) {
  for (int round = 0; round < 4; ++round) {
    const auto values = kalkora::test::LetterValues(round);
    const auto valueA = kalkora::test::PowerValue(a, values);
    const auto valueB = kalkora::test::PowerValue(b, values);
    if (!valueA || !valueB) {
      return ::testing::AssertionFailure()
             << "no value: " << Utf8FromText(a) << " or " << Utf8FromText(b);
    }
    if (!kalkora::test::NearlyEqual(*valueA, *valueB)) {
      return ::testing::AssertionFailure() << Utf8FromText(a) << " = " << *valueA << " but "
                                           << Utf8FromText(b) << " = " << *valueB;
    }
  }
  return ::testing::AssertionSuccess();
}

Text Quotient(TextView numerator, TextView denominator) {
  return Text(u"(").append(numerator).append(u")/(").append(denominator).append(u")");
}

Text FractionText(TextView fraction) {
  const auto bar = fraction.find(u'/');
  if (bar == TextView::npos) return Text(fraction);
  return Quotient(fraction.substr(0, bar), fraction.substr(bar + 1));
}

std::vector<Text> Split(TextView text, TextView separator) {
  std::vector<Text> parts;
  std::size_t start = 0;
  for (auto at = text.find(separator); at != TextView::npos; at = text.find(separator, start)) {
    parts.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

std::optional<int> Number(TextView text) {
  bool negative = false;
  if (!text.empty() && text.front() == u'–') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  return negative ? -value : value;
}

std::vector<int> Exponents(TextView text) {
  std::vector<int> exponents;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'^') continue;
    int value = 0;
    bool any = false;
    std::size_t j = i + 1;
    for (; j < text.size(); ++j) {
      const char16_t c = text[j];
      if (c == u'^' || c == u'#' || c == u'_' || c == u'~' || c == u'$' || c == u'§') continue;
      if (c < u'0' || c > u'9') break;
      value = value * 10 + (c - u'0');
      any = true;
    }
    if (any) exponents.push_back(value);
    i = j - 1;
  }
  return exponents;
}

Text LettersInOrder(TextView text) {
  Text letters;
  for (const char16_t c : text) {
    if (c >= u'a' && c <= u'z' && letters.find(c) == Text::npos) letters.push_back(c);
  }
  return letters;
}

bool HasAnyOf(TextView text, TextView characters) {
  return text.find_first_of(characters) != TextView::npos;
}

void ExpectCommonForms(const TPotenz& record) {
  const std::string context = Describe(record);
  const Text& answer = record.Antwort();
  EXPECT_FALSE(record.Loesung().empty()) << context;
  EXPECT_FALSE(answer.empty()) << context;
  EXPECT_FALSE(HasAnyOf(record.Loesung(), u"#_~$§")) << context;
  EXPECT_FALSE(HasAnyOf(answer, u"#_~$§ ·*-")) << context;
  // Exponents are typed with one caret: no ‹^d^›.
  for (std::size_t i = 0; i + 2 < answer.size(); ++i) {
    const bool digit = answer[i + 1] >= u'0' && answer[i + 1] <= u'9';
    EXPECT_FALSE(answer[i] == u'^' && digit && answer[i + 2] == u'^') << context;
  }
  Text letters;
  bool blankSeen = false;
  for (std::size_t i = 1; i <= record.Buchst.size(); ++i) {
    const char16_t letter = record.Buchst[i];
    if (letter == u' ') {
      blankSeen = true;
      continue;
    }
    EXPECT_FALSE(blankSeen) << "a letter after a blank: " << context;
    EXPECT_TRUE(letter >= u'a' && letter <= u'z' && letter != u'l') << context;
    EXPECT_EQ(letters.find(letter), Text::npos) << "letter twice: " << context;
    letters.push_back(letter);
  }
  EXPECT_FALSE(letters.empty()) << context;
  for (const char16_t c : LettersInOrder(answer)) {
    EXPECT_NE(letters.find(c), Text::npos) << "the key filter drops " << char(c) << ": " << context;
  }
}

void ExpectAllVariants(const std::vector<TPotenz>& records, int count) {
  std::set<int> seen;
  for (const TPotenz& record : records) {
    EXPECT_GE(record.Variante, 1) << Describe(record);
    EXPECT_LE(record.Variante, count) << Describe(record);
    seen.insert(record.Variante);
  }
  EXPECT_EQ(static_cast<int>(seen.size()), count);
}

}  // namespace kalkora::powers::test

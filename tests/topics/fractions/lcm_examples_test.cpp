// The least-common-multiple examples: the result is the least common multiple of the terms,
// computed here from a factorisation of each term; each term's written factorisation is the
// term; the coloured factors make up the result.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "example_checks.h"
#include "generator_checks.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions::test {
namespace {

struct Builder {
  void (*build)(int);
  int level;
  int variants;
};

const Builder kBuilders[] = {{KgvM1, 1, 2}, {KgvM2, 2, 2}, {KgvM3, 3, 8}};

// The parts of a text separated by ", ".
std::vector<Text> SplitAtCommas(TextView text) {
  std::vector<Text> parts;
  std::size_t start = 0;
  for (std::size_t comma = text.find(u", "); comma != TextView::npos;
       comma = text.find(u", ", start)) {
    parts.emplace_back(text.substr(start, comma - start));
    start = comma + 2;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

Polynomial Power(const Polynomial& p, int exponent) {
  Polynomial result = MustRead(u"1");
  for (int k = 0; k < exponent; ++k) result = result * p;
  return result;
}

// The least common multiple: the least common multiple of the numbers, each letter and each
// irreducible factor with the highest exponent it has in a term.
Polynomial LeastCommonMultiple(const std::vector<Polynomial>& terms) {
  long long number = 1;
  Monomial letters;
  std::map<Polynomial, int> factors;
  for (const Polynomial& term : terms) {
    const Factorisation f = Factorise(term);
    EXPECT_TRUE(f.complete);
    number = std::lcm(number, std::llabs(f.number));
    for (const auto& [letter, exponent] : f.monomial) {
      letters[letter] = std::max(letters[letter], exponent);
    }
    for (const auto& [factor, count] : f.factors)
      factors[factor] = std::max(factors[factor], count);
  }
  Polynomial result;
  result.terms[letters] = number;
  for (const auto& [factor, count] : factors) result = result * Power(factor, count);
  return result;
}

// Equal up to the sign (a common multiple is determined up to a unit).
void ExpectSameUpToSign(const Polynomial& a, const Polynomial& b) {
  EXPECT_TRUE(a == b || a == Polynomial{} - b);
}

TEST(LcmExamples, EveryVariantIsBuilt) {
  for (const Builder& b : kBuilders) ExpectEveryVariant(b.build, b.variants);
}

TEST(LcmExamples, EachStartsFromAFreshRecord) {
  for (const Builder& b : kBuilders) ExpectFreshRecord(b.build);
}

TEST(LcmExamples, TheResultIsTheLeastCommonMultipleAndItsFactorsAreColoured) {
  for (const Builder& b : kBuilders) {
    SCOPED_TRACE(b.level);
    ForManyExamples(60 + static_cast<std::uint32_t>(b.level), b.build, [&](const TBruchM& item) {
      ExpectFinishedText(item.Text[1]);
      ExpectFinishedText(item.Text[11]);
      // "kgV(" terms ") = " result
      const Text& task = item.Text[1];
      ASSERT_EQ(task.rfind(u"kgV(", 0), 0u);
      const std::size_t close = task.find(u") = ");
      ASSERT_NE(close, Text::npos);
      const std::vector<Text> terms = SplitAtCommas(TextView(task).substr(4, close - 4));
      ASSERT_EQ(static_cast<int>(terms.size()), item.Anzahl);
      ASSERT_GE(terms.size(), 2u);
      const Text result = task.substr(close + 4);
      std::vector<Polynomial> read;
      for (const Text& term : terms) read.push_back(MustRead(term));
      ExpectSameUpToSign(MustRead(Unmarked(result)), LeastCommonMultiple(read));

      // Only the three colours of DrawMarkup3.
      for (const TextView text : {TextView(task), TextView(item.Text[11])}) {
        EXPECT_EQ(text.find_first_of(u"$§ß"), TextView::npos);
      }
      // One factorisation per term, each the term itself, with primes as numbers.
      const std::vector<Text> factorisations = SplitAtCommas(item.Text[11]);
      ASSERT_EQ(factorisations.size(), terms.size());
      // The coloured factors make up the result: the coloured primes multiplied, times the
      // highest coloured power of each letter and bracket.
      long long colouredNumber = 1;
      std::vector<Polynomial> colouredPowers;
      for (std::size_t i = 0; i < terms.size(); ++i) {
        EXPECT_EQ(MustRead(Unmarked(factorisations[i])), read[i]);
        for (const Text& factor : ProductPieces(Unmarked(factorisations[i]))) {
          const Polynomial p = MustRead(factor);
          if (!p.isConstant()) continue;
          const long long n = p.content();
          EXPECT_TRUE(n == 2 || n == 3 || n == 5 || n == 7 || n == 11 || n == 13) << n;
        }
        for (const char16_t marker : {u'#', u'_', u'~'}) {
          for (const Text& part : MarkedParts(factorisations[i], marker)) {
            const Polynomial p = MustRead(part);
            if (p.isConstant()) {
              colouredNumber *= p.content();
            } else {
              colouredPowers.push_back(p);
            }
          }
        }
      }
      Polynomial number;
      number.terms[{}] = colouredNumber;
      const Polynomial powers =
          colouredPowers.empty() ? MustRead(u"1") : LeastCommonMultiple(colouredPowers);
      ExpectSameUpToSign(number * powers, MustRead(Unmarked(result)));
      // The first term is coloured whole: nothing outside its marks but "·".
      Text outside;
      bool inside = false;
      for (char16_t ch : factorisations[0]) {
        if (ch == u'#' || ch == u'_' || ch == u'~') {
          inside = !inside;
        } else if (!inside && ch != u'·') {
          outside += ch;
        }
      }
      EXPECT_TRUE(outside.empty()) << Utf8FromText(outside);
    });
  }
}

}  // namespace
}  // namespace kalkora::fractions::test

#include "topics/fractions/long_division_generators.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/term_letters.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/long_division_writing.h"

namespace kalkora::fractions {
namespace {

// The signs of one case: of the quotient's coefficients after the first, and of the divisor's
// after the first (variant 2: all three). '*' marks the quotient coefficient drawn as
// 1 − Random(6) (1, 0, −1 … −4) with its sign.
struct SignCase {
  std::string_view quotient;
  std::string_view divisor;
};

constexpr SignCase kCases1[] = {{"++", "+"}, {"++", "-"}, {"+-", "+"}, {"+-", "-"},
                                {"-+", "+"}, {"-+", "-"}, {"--", "+"}, {"--", "-"}};
constexpr SignCase kCases2[] = {{"++", "+++"}, {"++", "++-"}, {"++", "+-+"}, {"+-", "-++"},
                                {"+*", "+++"}, {"++", "+--"}, {"+-", "++-"}, {"-+", "++-"},
                                {"+-", "+--"}, {"-+", "+--"}, {"--", "+-+"}};
constexpr SignCase kCases3[] = {{"+++", "+"}, {"+++", "-"}, {"++-", "+"}, {"++-", "-"},
                                {"+-+", "+"}, {"+-+", "-"}, {"-++", "+"}, {"-++", "-"},
                                {"+--", "+"}, {"+--", "-"}, {"-+-", "+"}, {"-+-", "-"},
                                {"--+", "+"}, {"--+", "-"}, {"---", "+"}};
constexpr SignCase kCases4[] = {
    {"+++", "++"}, {"+++", "+-"}, {"+++", "-+"}, {"+--", "++"}, {"+-+", "++"}, {"--+", "++"},
    {"+++", "--"}, {"++-", "+-"}, {"+-+", "+-"}, {"-++", "+-"}, {"+--", "++"}, {"-+-", "+-"},
    {"--+", "++"}, {"++-", "--"}, {"+-+", "--"}, {"-++", "--"}, {"---", "+-"}, {"+--", "--"},
    {"-+-", "--"}, {"--+", "--"}, {"---", "-+"}, {"---", "+-"}};

std::span<const SignCase> CasesOf(int variante) {
  switch (variante) {
    case 2: return kCases2;
    case 3: return kCases3;
    case 4: return kCases4;
    default: return kCases1;
  }
}

// A coefficient with the sign of the case: leading coefficients 2 … 7, the others 1 … 6.
int SignedMagnitude(char sign, bool leading) {
  if (sign == '*') return 1 - Random(6);
  const int magnitude = leading ? 2 + Random(6) : 1 + Random(6);
  return sign == '-' ? -magnitude : magnitude;
}

void DrawCoefficients(const SignCase& signCase, DivisionNumbers& numbers) {
  numbers.quotient[0] = SignedMagnitude('+', true);
  for (std::size_t i = 1; i < numbers.quotient.size(); ++i) {
    numbers.quotient[i] = SignedMagnitude(signCase.quotient[i - 1], false);
  }
  // Only variant 2 gives the leading divisor coefficient a sign of its own.
  const bool allSigns = signCase.divisor.size() == numbers.divisor.size();
  const std::size_t first = allSigns ? 0 : 1;
  numbers.divisor[0] = SignedMagnitude(allSigns ? signCase.divisor[0] : '+', true);
  for (std::size_t j = 1; j < numbers.divisor.size(); ++j) {
    numbers.divisor[j] = SignedMagnitude(signCase.divisor[j - first], false);
  }
}

bool HasZero(const std::vector<int>& coefficients) {
  return std::find(coefficients.begin(), coefficients.end(), 0) != coefficients.end();
}

// The conditions of a drawn quotient and divisor (numbers without remainder yet), with Gcd's
// sign behaviour: a result of −1 fails.
bool Admissible(int variante, bool level3, const DivisionNumbers& numbers) {
  if (HasZero(DividendCoefficients(numbers))) return false;
  const std::vector<int>& q = numbers.quotient;
  const std::vector<int>& d = numbers.divisor;
  switch (variante) {
    case 1: return Gcd(d[0], d[1]) == 1 && Gcd3(q[0], q[1], q[2]) == 1;
    case 2: return Gcd(d[0], d[2]) == 1 && Gcd3(q[0], q[1], q[2]) == 1 && !(level3 && q[2] == d[2]);
    case 3: return Gcd(d[0], d[1]) == 1 && Gcd(Gcd(q[0], q[1]), Gcd(q[2], q[3])) == 1;
    default: return Gcd3(d[0], d[1], d[2]) == 1;
  }
}

void BuildDivision(int variante, bool withRest, char16_t& letter, TTermDiv& termDiv) {
  if (variante < 1 || variante > 4) variante = 1;
  const bool fourQuotientTerms = variante >= 3;
  const bool threeDivisorTerms = variante == 2 || variante == 4;

  letter = RandomLetter();
  DivisionNumbers numbers;
  numbers.quotient.assign(fourQuotientTerms ? 4 : 3, 0);
  numbers.divisor.assign(threeDivisorTerms ? 3 : 2, 0);
  if (withRest) {
    numbers.r0 = 1 + Random(9);
    numbers.r1 = 1 + Random(9);
    // A linear remainder needs a divisor of degree 2: over a two-term divisor it would be of
    // the divisor's degree, and the division would not end with it.
    numbers.restArt = threeDivisorTerms ? Random(3) : 0;
  }

  const std::span<const SignCase> cases = CasesOf(variante);
  const SignCase& signCase =
      cases[static_cast<std::size_t>(Random(static_cast<int>(cases.size())))];
  do {
    DrawCoefficients(signCase, numbers);
  } while (!Admissible(variante, withRest, numbers));

  if (withRest) {
    numbers.withRest = true;
    // The remainder may cancel a dividend coefficient, which would leave a column empty.
    while (HasZero(DividendCoefficients(numbers))) {
      numbers.r0 = 1 + Random(9);
      numbers.r1 = 1 + Random(9);
    }
  }
  termDiv = WriteTermDiv(numbers, letter);
}

}  // namespace

void TermDivU2(int variante, char16_t& letter, TTermDiv& termDiv) {
  BuildDivision(variante, false, letter, termDiv);
}

void TermDivU3(int variante, char16_t& letter, TTermDiv& termDiv) {
  BuildDivision(variante, true, letter, termDiv);
}

void MakeDivisionItem(int level, int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  item.Variante = 1 + Random(4);
  if (level == 3) {
    TermDivU3(item.Variante, item.Var1, item.TermDiv);
  } else {
    TermDivU2(item.Variante, item.Var1, item.TermDiv);
  }
}

}  // namespace kalkora::fractions

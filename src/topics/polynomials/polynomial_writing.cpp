#include "topics/polynomials/polynomial_writing.h"

#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "terms/term_exponents.h"
#include "terms/term_forms.h"
#include "terms/term_letters.h"

namespace kalkora {

Text Coefficient(int n) {
  if (n == 1) return Text{};
  if (n == -1) return Text{u"-"};
  return IntText(n) + u'*';
}

Text Power(char16_t letter, int exponent) {
  Text power(1, letter);
  if (exponent == 1) return power;
  const Text digits = IntText(exponent);
  power += u'^';
  power += digits.size() == 2 ? TwoDigitExponentMarkup(digits) : digits;
  return power;
}

Text Marked(char16_t marker, TextView inside) {
  Text text(1, marker);
  text += inside;
  text += marker;
  return text;
}

Text Between(char16_t sign) { return sign == u'+' ? Text{u" + "} : Text{u" - "}; }

char16_t Opposite(char16_t sign) { return sign == u'+' ? u'-' : u'+'; }

char16_t Times(char16_t sign1, char16_t sign2) {
  return (sign1 == u'+') == (sign2 == u'+') ? u'+' : u'-';
}

Text SignedValue(int n) { return n < 0 ? Text{u" - "} + IntText(-n) : Text{u" + "} + IntText(n); }

Text Displayed(TextView internal) { return ToDisplayForm(MergeSignPairs(internal)); }

Text MarkedPower(char16_t marker, char16_t letter, int exponent) {
  return Marked(marker, Power(letter, exponent));
}

Text Product(TextView factor1, TextView factor2) {
  Text product{factor1};
  if (!factor1.empty() && !factor2.empty()) product += u'*';
  product += factor2;
  return product;
}

Text SumText(const Summand* summands, int count) {
  Text sum;
  for (int k = 0; k < count; ++k) {
    const Summand& summand = summands[k];
    if (summand.coefficient == 0) continue;
    if (!sum.empty()) sum += u" + ";
    sum += summand.factors.empty() ? IntText(summand.coefficient)
                                   : Coefficient(summand.coefficient) + summand.factors;
  }
  return sum;
}

OneBasedArray<char16_t, 4> DrawLetters(int count, bool ordered12, bool ordered34) {
  OneBasedArray<char16_t, 4> letters;
  RedrawUntil([&] {
    for (int k = 1; k <= count; ++k) letters[k] = RandomLetter();
    for (int j = 1; j <= count; ++j) {
      for (int k = j + 1; k <= count; ++k) {
        if (letters[j] == letters[k]) return false;
      }
    }
    if (ordered12 && count >= 2 && letters[2] < letters[1]) return false;
    if (ordered34 && count >= 4 && letters[4] < letters[3]) return false;
    return true;
  });
  return letters;
}

char16_t SignOf(int index) { return Vz[index] == u'+' ? u'+' : u'-'; }

}  // namespace kalkora

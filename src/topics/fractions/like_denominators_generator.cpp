#include "topics/fractions/like_denominators_generator.h"

#include <cstdlib>
#include <optional>

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "terms/evaluate_term_text.h"
#include "terms/term_forms.h"
#include "terms/term_letters.h"
#include "topics/fractions/finishing_steps.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions {
namespace {

constexpr char16_t kMinus = u'-';

// The value of a sum of numbers (internal form) as an integer.
int NumberValue(TextView sum) { return TextInt(EvaluateTermText(sum, u'x', 0)).value_or(0); }

// The coefficient of one letter in a sum of letter terms: the letters set to 1 (this one) and
// 0 (the others), the rest evaluated.
int Coefficient(TextView sum, char16_t x, char16_t y, char16_t z, int vx, int vy, int vz) {
  return NumberValue(SubstituteLetters3(sum, x, y, z, vx, vy, vz));
}

Text LetterNumerator(int p, int q, int r, char16_t x, char16_t y, char16_t z, char16_t s1,
                     char16_t s2, char16_t op) {
  return Write(p, op, x, u' ', s1, u' ', q, op, y, u' ', s2, u' ', r, op, z);
}

}  // namespace

Text CollectedNumerator(const int (&coefficients)[3], const char16_t (&letters)[3]) {
  Text text;
  for (int i = 0; i < 3; ++i) {
    const int c = coefficients[i];
    if (c == 0) continue;
    if (text.empty()) {
      text = Write(c, u'·', letters[i]);
    } else {
      text += Write(u' ', c < 0 ? kMinus : u'+', u' ', std::abs(c), u'·', letters[i]);
    }
  }
  return text.empty() ? Text{u"0"} : text;
}

void AddSubGleichU(int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  const int variante = Random(4) + 1;
  item.Variante = variante;
  DrawRandomSigns(9, kMinus);
  DrawLetters(item, 3, false);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t z = item.Var3;
  const bool three = variante >= 3;

  int n = 0;
  int a = 0;
  int b = 0;
  int c = 0;
  int d = 0;
  int e = 0;
  int f = 0;
  int g = 0;
  int h = 0;
  int i = 0;
  do {
    n = DrawNumber(2, 11);
    a = DrawNumber(2, 11);
    b = DrawNumber(2, 11);
    c = DrawNumber(2, 11);
    d = DrawNumber(2, 11);
    e = DrawNumber(2, 11);
    f = DrawNumber(2, 11);
    if (three) {
      g = DrawNumber(2, 11);
      h = DrawNumber(2, 11);
      i = DrawNumber(2, 11);
    }
  } while (Gcd(n, a) != 1 || Gcd(n, b) != 1 || Gcd(n, c) != 1 || Gcd(n, a + b) != 1 ||
           Gcd(n, a - b) != 1 || !PairwiseDifferent({a, b, c}));

  const char16_t s = Vz[1];
  Text denominator;
  switch (Random(three ? 4 : 5)) {
    case 0: denominator = Write(n, u'·', x); break;
    case 1: denominator = Write(x, u' ', s, u' ', n); break;
    case 2: denominator = Write(n, u'·', x, u' ', s, u' ', a); break;
    case 3: denominator = Write(n, u'·', x, u"^2 ", s, u' ', a); break;
    default: denominator = Write(u'(', n, u'·', x, u" - ", a, u")·(", n, u'·', x, u" - ", a, u')');
  }

  Text numerators[4];
  Text solution;
  if (variante == 1 || variante == 3) {
    numerators[1] = IntText(a);
    numerators[2] = IntText(b);
    item.Op1 = SignToDisplay(s);
    Text sum = Write(a, u' ', s, u' ', b);
    if (variante == 3) {
      numerators[3] = IntText(c);
      item.Op2 = SignToDisplay(Vz[2]);
      sum += Write(u' ', Vz[2], u' ', c);
    }
    solution = IntText(NumberValue(sum));
  } else {
    numerators[1] = LetterNumerator(a, b, c, x, y, z, Vz[1], Vz[2], u'·');
    numerators[2] = LetterNumerator(d, e, f, x, y, z, Vz[3], Vz[4], u'·');
    Text sum;
    if (variante == 2) {
      item.Op1 = SignToDisplay(Vz[5]);
      sum = Write(u'(', LetterNumerator(a, b, c, x, y, z, Vz[1], Vz[2], u'*'), u") ", Vz[5], u" (",
                  LetterNumerator(d, e, f, x, y, z, Vz[3], Vz[4], u'*'), u')');
    } else {
      numerators[3] = LetterNumerator(g, h, i, x, y, z, Vz[5], Vz[6], u'·');
      item.Op1 = SignToDisplay(Vz[7]);
      item.Op2 = SignToDisplay(Vz[8]);
      sum = Write(u'(', LetterNumerator(a, b, c, x, y, z, Vz[1], Vz[2], u'*'), u") ", Vz[7], u" (",
                  LetterNumerator(d, e, f, x, y, z, Vz[3], Vz[4], u'*'), u") ", Vz[8], u" (",
                  LetterNumerator(g, h, i, x, y, z, Vz[5], Vz[6], u'*'), u')');
    }
    const int coefficients[3] = {Coefficient(sum, x, y, z, 1, 0, 0),
                                 Coefficient(sum, x, y, z, 0, 1, 0),
                                 Coefficient(sum, x, y, z, 0, 0, 1)};
    const char16_t letters[3] = {x, y, z};
    solution = CollectedNumerator(coefficients, letters);
  }

  item.Anzahl = three ? 3 : 2;
  for (int k = 1; k <= item.Anzahl; ++k) {
    item.Text[static_cast<std::size_t>(k)] = FinishedTaskText(numerators[k]);
  }
  for (std::size_t k = 5; k <= 7; ++k) item.Text[k] = FinishedTaskText(denominator);
  item.Loesung = solution;
  FinishSolution(item);
}

}  // namespace kalkora::fractions

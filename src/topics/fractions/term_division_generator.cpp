#include "topics/fractions/term_division_generator.h"

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/finishing_steps.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions {
namespace {

char16_t DrawSign() { return Random(2) == 0 ? u'+' : u'-'; }

Text Term(int coefficient, char16_t x, int exponent) {
  return Product({IntText(coefficient), Power(x, exponent)});
}

}  // namespace

void TermDivU1(int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  const int variante = Random(4) + 1;
  item.Variante = variante;
  const char16_t s1 = DrawSign();
  const char16_t s2 = DrawSign();
  const char16_t s3 = DrawSign();
  static_cast<void>(s3);  // drawn with the others; no variant has a fourth term
  DrawLetters(item, 2, false);
  const char16_t x = item.Var1;
  int e1 = 0;
  int e2 = 0;
  int e3 = 0;
  int e4 = 0;
  do {
    e1 = DrawNumber(1, 8);
    e2 = DrawNumber(1, 8);
    e3 = DrawNumber(1, 8);
    e4 = DrawNumber(1, 8);
  } while (!(e1 > e2 && e2 > e3 && e3 > e4));
  int a1 = 0;
  int a2 = 0;
  int a3 = 0;
  int D = 0;
  do {
    a1 = DrawNumber(1, 6);
    a2 = DrawNumber(1, 8);
    a3 = DrawNumber(1, 8);
    D = DrawNumber(2, 9);
  } while (a1 == a2 || a3 >= a1 || a3 >= a2 || (a1 * D > 9 && a2 * D > 9 && a3 * D > 9));

  const bool threeTerms = variante >= 3;
  Text dividend = Write(Term(a1 * D, x, e1), u' ', s1, u' ', Term(a2 * D, x, e2));
  if (threeTerms) dividend += Write(u' ', s2, u' ', Term(a3 * D, x, e3));
  const int divisorExponent = threeTerms ? e4 : e3;
  Text solution;
  switch (variante) {
    case 1: solution = Write(Term(a1, x, e1 - e3), u' ', s1, u' ', Term(a2, x, e2 - e3)); break;
    case 2: {
      const int k = Gcd(a1, a2);
      solution =
          Write(Term(k, x, e2 - e3), u"·(", Term(a1 / k, x, e1 - e2), u' ', s1, u' ', a2 / k, u')');
      break;
    }
    case 3:
      solution = Write(Term(a1, x, e1 - e4), u' ', s1, u' ', Term(a2, x, e2 - e4), u' ', s2, u' ',
                       Term(a3, x, e3 - e4));
      break;
    default: {
      const int k = Gcd3(a1, a2, a3);
      solution = Write(Term(k, x, e3 - e4), u"·(", Term(a1 / k, x, e1 - e3), u' ', s1, u' ',
                       Term(a2 / k, x, e2 - e3), u' ', s2, u' ', a3 / k, u')');
      break;
    }
  }
  item.Text[1] = FinishedTaskText(dividend);
  item.Text[5] = FinishedTaskText(Term(D, x, divisorExponent));
  item.Loesung = solution;
  FinishSolution(item);
}

}  // namespace kalkora::fractions

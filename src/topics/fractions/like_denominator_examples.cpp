// The worked examples of adding and subtracting fractions with like denominators, built
// backwards from the result numerator: the first numerator is drawn, the others follow from
// the result, so every example adds up and its result has the wanted form.

#include <cstdlib>

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

// p·x + q with whole coefficients.
struct Linear2 {
  int p = 0;
  int q = 0;
};

Linear2 operator+(Linear2 a, Linear2 b) { return {a.p + b.p, a.q + b.q}; }
Linear2 operator-(Linear2 a, Linear2 b) { return {a.p - b.p, a.q - b.q}; }
Linear2 Combined(Linear2 a, char16_t op, Linear2 b) { return op == u'+' ? a + b : a - b; }

// The numerator in colour: the letter term rose, the number olive (‹#7·n# + _8_›).
Text Coloured(Linear2 n, char16_t x) {
  return SumText({{n.p, Text(1, x), u'#'}, {n.q, Text{}, u'_'}});
}

// The numerators and operators of the example, Anzahl and the common denominator.
void StoreTask(TBruchM& item, const Text (&numerators)[3], const char16_t (&ops)[2], int count,
               TextView denominator) {
  item.Anzahl = count;
  item.Daten[1] = numerators[0];
  item.Daten[3] = numerators[1];
  item.Daten[2] = Text(1, ops[0]);
  if (count == 3) {
    item.Daten[5] = numerators[2];
    item.Daten[4] = Text(1, ops[1]);
  }
  item.Text[4] = Text(denominator);
}

// Numerators n1, n2 (and n3) with n1 op1 n2 (op2 n3) = result: n1 (and n2) drawn, the last
// one computed. Each numerator has a letter coefficient from 1 … 12 and a number that is not
// 0, of at most 40; false when the computed one falls outside.
bool SplitResult(Linear2 result, int count, char16_t x, Text (&numerators)[3], char16_t (&ops)[2]) {
  Linear2 parts[3];
  for (int i = 0; i + 1 < count; ++i) {
    parts[i] = Linear2{DrawNumber(1, 9), DrawNumber(1, 12) * (Random(2) == 0 ? 1 : -1)};
  }
  ops[0] = DrawDisplaySign();
  ops[1] = DrawDisplaySign();
  // result = parts[0] op1 parts[1] (op2 last): solve for the last part.
  Linear2 known = parts[0];
  if (count == 3) known = Combined(known, ops[0], parts[1]);
  const char16_t lastOp = ops[count - 2];
  Linear2& last = parts[count - 1];
  last = lastOp == u'+' ? result - known : known - result;
  if (last.p < 1 || last.p > 12 || last.q == 0 || std::abs(last.q) > 40) return false;
  for (int i = 0; i < count; ++i) numerators[i] = Coloured(parts[i], x);
  return true;
}

// A linear numerator p·x + q shares no factor with the denominator a2·x² + a1·x + a0.
bool SharesNoFactor(Linear2 n, int a2, int a1, int a0) {
  // The numerator's zero −q/p is a zero of the denominator exactly when p²·D(−q/p) = 0.
  const long long p = n.p;
  const long long q = n.q;
  return a2 * q * q - a1 * q * p + a0 * p * p != 0;
}

}  // namespace

void AddSubGleichM1(int index) {
  TBruchM& item = FreshExample(index, 4, 1);
  const char16_t x = item.Var1;
  const int count = item.Variante % 2 == 1 ? 2 : 3;
  const bool monomial = item.Variante <= 2;  // n·x, else x ± n
  const char16_t s = DrawDisplaySign();
  int n = 0;
  int value[3] = {};
  char16_t ops[2] = {u'+', u'+'};
  int result = 0;
  do {
    n = DrawNumber(monomial ? 2 : 1, 9);
    for (int& v : value) v = DrawNumber(2, 15);
    ops[0] = DrawDisplaySign();
    ops[1] = DrawDisplaySign();
    result = value[0] + (ops[0] == u'+' ? value[1] : -value[1]);
    if (count == 3) result += ops[1] == u'+' ? value[2] : -value[2];
  } while (result <= 0 || (monomial && (Gcd(result, n) != 1 || Gcd(value[0], n) != 1 ||
                                        Gcd(value[1], n) != 1 || Gcd(value[2], n) != 1)));
  const Text numerators[3] = {Marked(IntText(value[0]), u'#'), Marked(IntText(value[1]), u'#'),
                              Marked(IntText(value[2]), u'#')};
  StoreTask(item, numerators, ops, count,
            monomial ? Write(n, u'·', x) : Write(x, u' ', s, u' ', n));
  item.Daten[9] = Marked(IntText(result), u'#');
}

void AddSubGleichM2(int index) {
  TBruchM& item = FreshExample(index, 4, 1);
  const char16_t x = item.Var1;
  const int count = item.Variante == 3 ? 3 : 2;
  const char16_t s = DrawDisplaySign();
  const int sign = s == u'+' ? 1 : -1;
  // The denominator a2·x² + a1·x + a0 of the variant.
  int a2 = 0;
  int a1 = 1;
  int a0 = 0;
  switch (item.Variante) {
    case 2: {
      const auto [n, m] = DrawCoprimePair(2, 9);
      a1 = n;
      a0 = sign * m;
      break;
    }
    case 4: {
      const auto [n, m] = DrawCoprimePair(2, 9);
      a2 = n;
      a1 = 0;
      a0 = sign * m;
      break;
    }
    default: a0 = sign * DrawNumber(1, 9); break;
  }
  Text numerators[3];
  char16_t ops[2] = {u'+', u'+'};
  Linear2 result;
  do {
    result = Linear2{DrawNumber(1, 9) * (Random(3) == 0 ? -1 : 1),
                     DrawNumber(1, 15) * (Random(2) == 0 ? -1 : 1)};
  } while (!SharesNoFactor(result, a2, a1, a0) || !SplitResult(result, count, x, numerators, ops));
  const Text denominator = a2 != 0 ? Write(a2, u'·', x, u"^2 ", s, u' ', std::abs(a0))
                                   : Write(Term(a1, x, 1), u' ', s, u' ', std::abs(a0));
  StoreTask(item, numerators, ops, count, denominator);
  if (result.p < 0) {
    item.Daten[8] = Text(1, kDisplayMinus);
    item.Daten[9] = Coloured(Linear2{} - result, x);
  } else {
    item.Daten[9] = Coloured(result, x);
  }
}

namespace {

// The denominator of a Stufe-3 example: factored and expanded, the factor that cancels (as a
// polynomial and as written), the factored form with that factor in violet, and what is left
// of the denominator after cancelling (empty: nothing).
struct CancellingDenominator {
  Text factored;
  Text expanded;
  Linear2 factor;
  Text factorText;
  Text marked;
  Text rest;
};

CancellingDenominator DrawCancellingDenominator(int variante, char16_t x) {
  const char16_t s = DrawDisplaySign();
  const int sign = s == u'+' ? 1 : -1;
  const int a = DrawNumber(1, 9);
  const Text xsa = Linear(1, x, s, a);
  CancellingDenominator d;
  switch (variante) {
    case 1: {  // (x – a)·(x + a)
      const Text minus = Bracketed(Linear(1, x, kDisplayMinus, a));
      const Text plus = Bracketed(Linear(1, x, u'+', a));
      d.factored = Write(minus, u'·', plus);
      d.expanded = Write(x, u"^2 – ", a * a);
      d.factor = Linear2{1, sign * a};
      d.factorText = Bracketed(xsa);
      d.marked = sign > 0 ? Write(minus, u'·', Marked(plus, u'~'))
                          : Write(Marked(minus, u'~'), u'·', plus);
      d.rest = Linear(1, x, Opposite(s, kDisplayMinus), a);
      break;
    }
    case 2:  // x·(x ± a), cancelling x or the bracket
      d.factored = Write(x, u'·', Bracketed(xsa));
      d.expanded = Write(x, u"^2 ", s, u' ', Term(a, x, 1));
      if (Random(2) == 0) {
        d.factor = Linear2{1, 0};
        d.factorText = Text(1, x);
        d.marked = Write(Marked(d.factorText, u'~'), u'·', Bracketed(xsa));
        d.rest = xsa;
      } else {
        d.factor = Linear2{1, sign * a};
        d.factorText = Bracketed(xsa);
        d.marked = Write(x, u'·', Marked(d.factorText, u'~'));
        d.rest = Text(1, x);
      }
      break;
    case 3: {  // n·(x ± a): the whole denominator cancels
      const int n = DrawNumber(2, 5);
      d.factored = Write(n, u'·', Bracketed(xsa));
      d.expanded = Write(n, u'·', x, u' ', s, u' ', n * a);
      d.factor = Linear2{n, n * sign * a};
      d.factorText = d.factored;
      d.marked = Marked(d.factored, u'~');
      break;
    }
    default:  // (x ± a)^2
      d.factored = Write(Bracketed(xsa), u"^2");
      d.expanded = Write(x, u"^2 ", s, u' ', Term(2 * a, x, 1), u" + ", a * a);
      d.factor = Linear2{1, sign * a};
      d.factorText = Bracketed(xsa);
      d.marked = Write(d.factorText, u'·', Marked(d.factorText, u'~'));
      d.rest = xsa;
      break;
  }
  return d;
}

}  // namespace

void AddSubGleichM3(int index) {
  TBruchM& item = FreshExample(index, 4, 1);
  const char16_t x = item.Var1;
  // The result numerator is k times the cancelling factor, small enough to be split into two
  // numerators of the drawn size.
  CancellingDenominator d;
  int k = 0;
  Linear2 result;
  Text numerators[3];
  char16_t ops[2] = {u'+', u'+'};
  do {
    d = DrawCancellingDenominator(item.Variante, x);
    k = DrawNumber(2, 9);
    result = Linear2{k * d.factor.p, k * d.factor.q};
  } while (result.p > 12 || std::abs(result.q) > 40 || !SplitResult(result, 2, x, numerators, ops));
  StoreTask(item, numerators, ops, 2, d.factored);
  const bool factoredFirst = Random(2) == 0;
  item.Text[5] = factoredFirst ? d.factored : d.expanded;
  item.Text[6] = factoredFirst ? d.expanded : d.factored;
  item.Text[7] = d.marked;
  item.Kenn[1] = true;
  item.Daten[9] = Coloured(result, x);
  item.Daten[10] = Write(k, u'·', Marked(d.factorText, u'~'));
  item.Daten[11] = IntText(k);
  item.Daten[12] = d.rest;
}

}  // namespace kalkora::fractions

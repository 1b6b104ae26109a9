// The worked examples of the least common multiple: each term as a number times powers of
// letters and brackets, the multiple taken factor by factor, and the factorisations written
// with the factors that make up the multiple coloured.

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/lcm_generator.h"
#include "topics/fractions/number_theory.h"

namespace kalkora::fractions {
namespace {

// A letter or a bracket with its exponent.
struct PowerFactor {
  Text base;  // "x" or ‹(x + 3)›
  int exponent = 1;
};

// One term of the task: how it is written, and its factors.
struct LcmTerm {
  Text written;
  int number = 1;
  std::vector<PowerFactor> powers;  // letters first, then brackets
};

Text PowerText(const PowerFactor& f) {
  return f.exponent == 1 ? f.base : Write(f.base, u'^', f.exponent);
}

bool IsLetter(const PowerFactor& f) { return f.base.size() == 1; }

// Writes Text[1] and Text[11] of the terms.
void WriteLcm(TBruchM& item, const std::vector<LcmTerm>& terms) {
  // The multiple: each prime as often as in the term that has it most often, each base with
  // its highest exponent; the bases in the order they first appear, letters before brackets.
  std::map<int, int> primes;
  std::vector<PowerFactor> powers;
  for (const LcmTerm& term : terms) {
    const PrimeFactors factors = Primfaktoren(term.number);
    for (std::size_t p = 1; p <= 6; ++p) {
      const int prime = kFactorPrimes[p - 1];
      primes[prime] = std::max(primes[prime], factors.exponenten[p]);
    }
    for (const PowerFactor& f : term.powers) {
      auto known = std::find_if(powers.begin(), powers.end(),
                                [&](const PowerFactor& g) { return g.base == f.base; });
      if (known == powers.end()) {
        powers.push_back(f);
      } else {
        known->exponent = std::max(known->exponent, f.exponent);
      }
    }
  }
  std::stable_partition(powers.begin(), powers.end(), IsLetter);
  int number = 1;
  for (const auto& [prime, count] : primes) {
    for (int k = 0; k < count; ++k) number *= prime;
  }

  // One colour per kind of factor: the number, then each base.
  constexpr char16_t kMarkers[] = {u'#', u'_', u'~'};
  std::size_t nextMarker = 0;
  const char16_t numberMarker = number > 1 ? kMarkers[nextMarker++] : 0;
  std::map<Text, char16_t> baseMarker;
  for (const PowerFactor& f : powers) baseMarker[f.base] = kMarkers[nextMarker++];

  Text result;
  const auto append = [](Text& product, TextView factor) {
    if (!product.empty()) product += u'·';
    product += factor;
  };
  if (number > 1) append(result, Marked(IntText(number), numberMarker));
  for (const PowerFactor& f : powers) append(result, Marked(PowerText(f), baseMarker[f.base]));

  // The factorisations: a factor is coloured where it adds to what the earlier terms have.
  std::map<int, int> primesSoFar;
  std::map<Text, int> exponentsSoFar;
  Text factorisations;
  for (const LcmTerm& term : terms) {
    Text line;
    const PrimeFactors factors = Primfaktoren(term.number);
    std::map<int, int> seen;
    for (int k = 1; k <= factors.anzahl; ++k) {
      const int prime = factors.faktoren[static_cast<std::size_t>(k)];
      const bool adds = ++seen[prime] > primesSoFar[prime];
      append(line, adds ? Marked(IntText(prime), numberMarker) : IntText(prime));
    }
    for (const auto& [prime, count] : seen)
      primesSoFar[prime] = std::max(primesSoFar[prime], count);
    for (const PowerFactor& f : term.powers) {
      int& soFar = exponentsSoFar[f.base];
      append(line, f.exponent > soFar ? Marked(PowerText(f), baseMarker[f.base]) : PowerText(f));
      soFar = std::max(soFar, f.exponent);
    }
    if (!factorisations.empty()) factorisations += u", ";
    factorisations += line;
  }

  Text task = u"kgV(";
  for (std::size_t i = 0; i < terms.size(); ++i) {
    if (i > 0) task += u", ";
    task += terms[i].written;
  }
  item.Text[1] = Write(task, u") = ", result);
  item.Text[11] = factorisations;
  item.Anzahl = static_cast<int>(terms.size());
}

bool Smooth(int n) { return !Primfaktoren(n).abgelehnt; }

LcmTerm NumberTerm(int n) { return LcmTerm{IntText(n), n, {}}; }

LcmTerm Monomial(int number, char16_t x, int ex, char16_t y, int ey) {
  return LcmTerm{Write(number, u'·', Power(x, ex), u'·', Power(y, ey)),
                 number,
                 {{Text(1, x), ex}, {Text(1, y), ey}}};
}

// The bracket (p·x s q) as a factor.
PowerFactor Bracket(int p, char16_t x, char16_t s, int q, int exponent = 1) {
  return PowerFactor{Bracketed(Linear(p, x, s, q)), exponent};
}

// Exponents 1 … 8 for the letters of the monomials; the first letter's differ.
std::vector<int> DrawExponents(int terms) {
  std::vector<int> e(static_cast<std::size_t>(2 * terms));
  do {
    for (int& exponent : e) exponent = DrawNumber(1, 8);
  } while (e[0] == e[2]);
  return e;
}

}  // namespace

void KgvM1(int index) {
  TBruchM& item = FreshExample(index, 2, 2);
  if (item.Variante == 1) {
    int g = 0;
    int p = 0;
    int q = 0;
    do {
      g = DrawNumber(2, 12);
      std::tie(p, q) = DrawPair(2, 20, false);
    } while (!Smooth(g * p) || !Smooth(g * q) || g * p > 240 || g * q > 240);
    WriteLcm(item, {NumberTerm(g * p), NumberTerm(g * q)});
    return;
  }
  int g = 0;
  int p = 0;
  int q = 0;
  int r = 0;
  const auto divides = [](int a, int b) { return b % a == 0; };
  do {
    g = DrawNumber(2, 6);
    p = DrawNumber(2, 12);
    q = DrawNumber(2, 12);
    r = DrawNumber(2, 12);
  } while (!PairwiseDifferent({p, q, r}) || Gcd3(p, q, r) != 1 || divides(p, q) || divides(q, p) ||
           divides(p, r) || divides(r, p) || divides(q, r) || divides(r, q));
  WriteLcm(item, {NumberTerm(g * p), NumberTerm(g * q), NumberTerm(g * r)});
}

void KgvM2(int index) {
  TBruchM& item = FreshExample(index, 2, 2);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const int k = DrawNumber(2, 4);
  if (item.Variante == 1) {
    const auto [p, q] = DrawPair(2, 9, false);
    const std::vector<int> e = DrawExponents(2);
    WriteLcm(item, {Monomial(p * k, x, e[0], y, e[1]), Monomial(q * k, x, e[2], y, e[3])});
    return;
  }
  const auto [p, q, r] = DrawCoprimeTriple(2, 6);
  const std::vector<int> e = DrawExponents(3);
  WriteLcm(item, {Monomial(p * k, x, e[0], y, e[1]), Monomial(q * k, x, e[2], y, e[3]),
                  Monomial(r * k, x, e[4], y, e[5])});
}

void KgvM3(int index) {
  TBruchM& item = FreshExample(index, 8, 2);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t s = DrawDisplaySign();
  const Text letter(1, x);
  switch (item.Variante) {
    case 1: {  // p·x ± pk, q·x ± qk
      const auto [p, q] = DrawPair(2, 10, true);
      const int k = DrawNumber(1, 6);
      WriteLcm(item, {LcmTerm{Write(p, u'·', x, u' ', s, u' ', p * k), p, {Bracket(1, x, s, k)}},
                      LcmTerm{Write(q, u'·', x, u' ', s, u' ', q * k), q, {Bracket(1, x, s, k)}}});
      break;
    }
    case 2: {  // x^e ± x^(e−1)·y, x·y^f ± y^(f+1)
      const int e = DrawNumber(2, 6);
      const int f = DrawNumber(1, 5);
      const PowerFactor xsy{Bracketed(Write(x, u' ', s, u' ', y)), 1};
      WriteLcm(item,
               {LcmTerm{Write(Power(x, e), u' ', s, u' ', Product({Power(x, e - 1), Text(1, y)})),
                        1,
                        {{letter, e - 1}, xsy}},
                LcmTerm{Write(Product({letter, Power(y, f)}), u' ', s, u' ', Power(y, f + 1)),
                        1,
                        {{Text(1, y), f}, xsy}}});
      break;
    }
    case 3: {  // p·x ± p, q·x^2 – q
      const auto [p, q] = DrawPair(2, 10, true);
      WriteLcm(item, {LcmTerm{Write(p, u'·', x, u' ', s, u' ', p), p, {Bracket(1, x, s, 1)}},
                      LcmTerm{Write(q, u'·', x, u"^2 – ", q),
                              q,
                              {Bracket(1, x, kDisplayMinus, 1), Bracket(1, x, u'+', 1)}}});
      break;
    }
    case 4: {  // pm·x ± qm, p²n·x^2 – q²n
      const auto [p, q] = DrawPair(2, 7, false);
      const int m = DrawNumber(2, 4);
      const int n = DrawNumber(2, 4);
      WriteLcm(item,
               {LcmTerm{Write(p * m, u'·', x, u' ', s, u' ', q * m), m, {Bracket(p, x, s, q)}},
                LcmTerm{Write(p * p * n, u'·', x, u"^2 – ", q * q * n),
                        n,
                        {Bracket(p, x, kDisplayMinus, q), Bracket(p, x, u'+', q)}}});
      break;
    }
    case 5: {  // three multiples of one bracket by 2, 3 and 4
      const auto [p, q] = DrawPair(2, 9, false);
      int m = 0;
      int n = 0;
      int r = 0;
      do {
        m = DrawNumber(2, 4);
        n = DrawNumber(2, 4);
        r = DrawNumber(2, 4);
      } while (!PairwiseDifferent({m, n, r}));
      std::vector<LcmTerm> terms;
      for (const int f : {m, n, r}) {
        terms.push_back(
            LcmTerm{Write(p * f, u'·', x, u' ', s, u' ', q * f), f, {Bracket(p, x, s, q)}});
      }
      WriteLcm(item, terms);
      break;
    }
    case 6: {  // m·(p·x ± q), n·(p·x – q)·(p·x + q), (p·x ± q)^2
      const auto [p, q] = DrawPair(2, 5, false);
      const int m = DrawNumber(2, 4);
      const int n = DrawNumber(2, 4);
      const char16_t t = DrawDisplaySign();
      WriteLcm(item,
               {LcmTerm{Write(m * p, u'·', x, u' ', s, u' ', m * q), m, {Bracket(p, x, s, q)}},
                LcmTerm{Write(n * p * p, u'·', x, u"^2 – ", n * q * q),
                        n,
                        {Bracket(p, x, kDisplayMinus, q), Bracket(p, x, u'+', q)}},
                LcmTerm{Write(Bracketed(Linear(p, x, t, q)), u"^2"), 1, {Bracket(p, x, t, q, 2)}}});
      break;
    }
    case 7: {  // x^2 ± b·x, x^2 – b²
      const int b = DrawNumber(2, 9);
      WriteLcm(
          item,
          {LcmTerm{Write(x, u"^2 ", s, u' ', b, u'·', x), 1, {{letter, 1}, Bracket(1, x, s, b)}},
           LcmTerm{Write(x, u"^2 – ", b * b),
                   1,
                   {Bracket(1, x, kDisplayMinus, b), Bracket(1, x, u'+', b)}}});
      break;
    }
    default: {  // a·x ± ab, x^2 ± 2b·x + b²
      const int a = DrawNumber(2, 9);
      const int b = DrawNumber(1, 9);
      WriteLcm(item, {LcmTerm{Write(a, u'·', x, u' ', s, u' ', a * b), a, {Bracket(1, x, s, b)}},
                      LcmTerm{Write(x, u"^2 ", s, u' ', 2 * b, u'·', x, u" + ", b * b),
                              1,
                              {Bracket(1, x, s, b, 2)}}});
      break;
    }
  }
}

}  // namespace kalkora::fractions

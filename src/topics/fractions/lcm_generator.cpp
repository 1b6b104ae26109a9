#include "topics/fractions/lcm_generator.h"

#include <algorithm>
#include <vector>

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "topics/fractions/finishing_steps.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"

namespace kalkora::fractions {
namespace {

constexpr char16_t kMinus = u'-';

struct Task {
  std::vector<Text> terms;
  Text solution;
};

Text Monomial(int coefficient, char16_t x, int ex, char16_t y, int ey) {
  return Write(coefficient, u'·', Power(x, ex), u'·', Power(y, ey));
}

// The binomial p·x s q (p = 1 written as plain letter).
Text Binomial(int p, char16_t x, char16_t s, int q) {
  return p == 1 ? Write(x, u' ', s, u' ', q) : Write(p, u'·', x, u' ', s, u' ', q);
}

}  // namespace

std::pair<int, int> DrawPair(int low, int high, bool commonFactor) {
  int p = 0;
  int q = 0;
  do {
    p = DrawNumber(low, high);
    q = DrawNumber(low, high);
  } while (p == q || (Gcd(p, q) != 1) != commonFactor);
  return {p, q};
}

std::tuple<int, int, int> DrawCoprimeTriple(int low, int high) {
  int p = 0;
  int q = 0;
  int r = 0;
  do {
    p = DrawNumber(low, high);
    q = DrawNumber(low, high);
    r = DrawNumber(low, high);
  } while (!PairwiseDifferent({p, q, r}) || Gcd3(p, q, r) != 1);
  return {p, q, r};
}

void KgvU(int index) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  const int variante = Random(9) + 1;
  item.Variante = variante;
  DrawRandomSigns(4, kMinus);
  DrawLetters(item, 2, false);
  const char16_t x = item.Var1;
  const char16_t y = item.Var2;
  const char16_t s = Vz[1];
  const char16_t t = Vz[2];
  const char16_t sBar = Opposite(s, kMinus);
  int e[7] = {};
  do {
    for (int i = 1; i <= 6; ++i) e[i] = DrawNumber(2, 8);
  } while (e[1] == e[2] || e[1] == e[3] || e[2] == e[4] || e[3] == e[4] || e[3] == e[6] ||
           e[5] == e[6]);

  Task task;
  int p = 0;
  int q = 0;
  int r = 0;
  switch (variante) {
    case 1: {
      const int k = DrawNumber(2, 4);
      std::tie(p, q) = DrawPair(2, 9, false);
      task.terms = {Monomial(p * k, x, e[1], y, e[2]), Monomial(q * k, x, e[3], y, e[4])};
      task.solution = Monomial(Lcm(p * k, q * k), x, std::max(e[1], e[3]), y, std::max(e[2], e[4]));
      break;
    }
    case 2:
    case 8: {
      const int k = variante == 2 ? DrawNumber(2, 4) : DrawNumber(2, 6);
      if (variante == 2) {
        std::tie(p, q, r) = DrawCoprimeTriple(2, 9);
      } else {
        std::tie(p, q, r) = DrawCoprimeTriple(2, 5);
      }
      task.terms = {Monomial(p * k, x, e[1], y, e[2]), Monomial(q * k, x, e[3], y, e[4]),
                    Monomial(r * k, x, e[5], y, e[6])};
      task.solution =
          Monomial(Lcm3(p * k, q * k, r * k), x, Max3(e[1], e[3], e[5]), y, Max3(e[2], e[4], e[6]));
      break;
    }
    case 3: {
      std::tie(p, q) = DrawPair(2, 10, true);
      const int k = DrawNumber(2, 6);
      task.terms = {Binomial(p, x, s, p * k), Binomial(q, x, s, q * k)};
      task.solution = Write(p * q / Gcd(p, q), u"·(", Binomial(1, x, s, k), u')');
      break;
    }
    case 4:
      task.terms = {Write(Power(x, e[1]), u' ', s, u' ', Power(x, e[1] - 1), u'·', y),
                    Write(x, u'·', Power(y, e[2]), u' ', s, u' ', Power(y, e[2] + 1))};
      task.solution =
          Write(Power(x, e[1] - 1), u'·', Power(y, e[2]), u"·(", x, u' ', s, u' ', y, u')');
      break;
    case 5:
      std::tie(p, q) = DrawPair(2, 10, true);
      task.terms = {Binomial(p, x, s, p), Write(q, u'·', x, u"^2 - ", q)};
      task.solution = Write(p * q / Gcd(p, q), u"·(", Binomial(1, x, s, 1), u")·(",
                            Binomial(1, x, sBar, 1), u')');
      break;
    case 6: {
      std::tie(p, q) = DrawPair(2, 7, false);
      const int m = DrawNumber(2, 4);
      const int n = DrawNumber(2, 4);
      task.terms = {Binomial(p * m, x, s, q * m), Write(p * p * n, u'·', x, u"^2 - ", q * q * n)};
      task.solution =
          Write(Lcm(m, n), u"·(", Binomial(p, x, s, q), u")·(", Binomial(p, x, sBar, q), u')');
      break;
    }
    case 7: {
      std::tie(p, q) = DrawPair(2, 9, false);
      int m = 0;
      int n = 0;
      do {
        m = DrawNumber(2, 4);
        n = DrawNumber(2, 4);
        r = DrawNumber(2, 4);
      } while (!PairwiseDifferent({m, n, r}));
      task.terms = {Binomial(p * m, x, s, q * m), Binomial(p * n, x, s, q * n),
                    Binomial(p * r, x, s, q * r)};
      // m, n and r are 2, 3 and 4 in some order: the coefficient is always 12.
      task.solution = Write(Lcm3(m, n, r), u"·(", Binomial(p, x, s, q), u')');
      break;
    }
    default: {
      std::tie(p, q) = DrawPair(2, 5, false);
      const int m = DrawNumber(2, 4);
      const int n = DrawNumber(2, 4);
      task.terms = {Binomial(m * p, x, s, m * q), Write(n * p * p, u'·', x, u"^2 - ", n * q * q),
                    Write(u'(', Binomial(p, x, t, q), u")^2")};
      const Text plus = Write(u'(', Binomial(p, x, u'+', q), u')');
      const Text minus = Write(u'(', Binomial(p, x, kMinus, q), u')');
      const Text factors =
          t == u'+' ? (s == u'+' ? Write(plus, u"^2·", minus) : Write(minus, u'·', plus, u"^2"))
                    : (s == u'+' ? Write(plus, u'·', minus, u"^2") : Write(minus, u"^2·", plus));
      task.solution = Write(Lcm(m, n), u'·', factors);
      break;
    }
  }
  Text whole = u"kgV(";
  for (std::size_t i = 0; i < task.terms.size(); ++i) {
    if (i > 0) whole += u", ";
    whole += task.terms[i];
  }
  whole += u") =";
  item.Text[1] = FinishedTaskText(whole);
  item.Loesung = task.solution;
  FinishSolution(item);
}

}  // namespace kalkora::fractions

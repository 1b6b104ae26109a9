#include "topics/fractions/unlike_denominators_task.h"

#include <algorithm>
#include <numeric>

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"
#include "topics/fractions/number_theory.h"
#include "topics/fractions/unlike_denominators_generators.h"

namespace kalkora::fractions {
namespace {

bool IsLetter(const SmallPolynomial& factor) {
  return factor == SmallPolynomial::X() || factor == SmallPolynomial::Y();
}

bool Contains(const std::vector<SmallPolynomial>& factors, const SmallPolynomial& factor) {
  return std::find(factors.begin(), factors.end(), factor) != factors.end();
}

// True when the text is a sum: a " + " or " – " outside brackets.
bool IsSum(TextView text) {
  int depth = 0;
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    if (text[i] == u'(') ++depth;
    if (text[i] == u')') --depth;
    if (depth == 0 && text[i] == u' ' && (text[i + 1] == u'+' || text[i + 1] == u'–')) return true;
  }
  return false;
}

Text Bracketed(TextView text) {
  if (!IsSum(text)) return Text{text};
  return Write(u'(', text, u')');
}

// number·factor·…: a letter bare, a bracket in brackets. The number 1 is written only when
// asked for or when there is no factor; a bracket alone without a number loses its brackets
// when `bracketLone` is false.
Text ProductText(const FactorProduct& product, char16_t x, char16_t y, bool unitNumber,
                 bool bracketLone) {
  Text text;
  if (product.number != 1 || unitNumber || product.factors.empty()) {
    text = IntText(product.number);
  }
  const bool alone = text.empty() && product.factors.size() == 1;
  for (const SmallPolynomial& factor : product.factors) {
    Text piece = PolynomialText(factor, x, y);
    if (!IsLetter(factor) && (bracketLone || !alone)) piece = Write(u'(', piece, u')');
    text = Product({text, piece});
  }
  return text;
}

Text NumeratorText(const UnlikeFraction& fraction, char16_t x, char16_t y) {
  const int k = fraction.numeratorNumber;
  if (k == 1) return PolynomialText(fraction.numerator, x, y);
  if (fraction.numerator.termCount() == 1) return PolynomialText(k * fraction.numerator, x, y);
  return Write(k, u"·(", PolynomialText(fraction.numerator, x, y), u')');
}

SmallPolynomial NumeratorValue(const UnlikeFraction& fraction) {
  return fraction.numeratorNumber * fraction.numerator;
}

char16_t SignText(int sign) { return sign < 0 ? u'–' : u'+'; }

}  // namespace

SmallPolynomial FactorProduct::value() const {
  SmallPolynomial p = SmallPolynomial::Constant(number);
  for (const SmallPolynomial& factor : factors) p = p * factor;
  return p;
}

FactorProduct MainDenominator(const UnlikeTask& task) {
  FactorProduct main;
  std::vector<SmallPolynomial> letters;
  std::vector<SmallPolynomial> brackets;
  for (int i = 0; i < task.count; ++i) {
    const FactorProduct& denominator = task.fractions[static_cast<std::size_t>(i)].denominator;
    main.number = std::lcm(main.number, denominator.number);
    for (const SmallPolynomial& factor : denominator.factors) {
      auto& kind = IsLetter(factor) ? letters : brackets;
      if (!Contains(kind, factor)) kind.push_back(factor);
    }
  }
  const auto letterOf = [&task](const SmallPolynomial& letter) {
    return letter == SmallPolynomial::X() ? task.x : task.y;
  };
  std::sort(letters.begin(), letters.end(),
            [&](const auto& a, const auto& b) { return letterOf(a) < letterOf(b); });
  main.factors = letters;
  main.factors.insert(main.factors.end(), brackets.begin(), brackets.end());
  return main;
}

FactorProduct ExtensionFactor(const UnlikeTask& task, const FactorProduct& main, int i) {
  const FactorProduct& denominator = task.fractions[static_cast<std::size_t>(i)].denominator;
  FactorProduct factor;
  factor.number = main.number / denominator.number;
  for (const SmallPolynomial& f : main.factors) {
    if (!Contains(denominator.factors, f)) factor.factors.push_back(f);
  }
  return factor;
}

SmallPolynomial ResultNumerator(const UnlikeTask& task) {
  const FactorProduct main = MainDenominator(task);
  SmallPolynomial sum;
  for (int i = 0; i < task.count; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const SmallPolynomial extended =
        NumeratorValue(task.fractions[index]) * ExtensionFactor(task, main, i).value();
    sum = sum + task.signs[index] * extended;
  }
  return sum;
}

bool IsDegenerate(const UnlikeTask& task) {
  const SmallPolynomial result = ResultNumerator(task);
  if (result.termCount() != task.resultTerms) return true;
  const FactorProduct main = MainDenominator(task);
  for (const SmallPolynomial& factor : main.factors) {
    if (result.isDivisibleBy(factor)) return true;
  }
  const int common = std::gcd(result.content(), main.number);
  if (common != 1 && (!task.cancels || common == main.number)) return true;
  for (int i = 0; i < task.count; ++i) {
    const UnlikeFraction& fraction = task.fractions[static_cast<std::size_t>(i)];
    for (const SmallPolynomial& factor : fraction.denominator.factors) {
      if (fraction.numerator.isDivisibleBy(factor)) return true;
    }
  }
  return false;
}

void WriteUnlikeItem(TBruchM& item, const UnlikeTask& task) {
  TUngleich& u = item.Ungleich;
  const char16_t x = task.x;
  const char16_t y = task.y;
  const FactorProduct main = MainDenominator(task);
  for (int i = 0; i < task.count; ++i) {
    const UnlikeFraction& fraction = task.fractions[static_cast<std::size_t>(i)];
    const auto k = static_cast<std::size_t>(i + 1);
    const FactorProduct factor = ExtensionFactor(task, main, i);
    u.Nenner[k] = PolynomialText(fraction.denominator.value(), x, y);
    u.NennerText[k] = u.Nenner[k];
    u.Zerlegung[k] = task.writing.powerNotation
                         ? Write(Potenzschreibweise(fraction.denominator.number), u'·', x)
                         : ProductText(fraction.denominator, x, y, false, true);
    u.Zaehler[k] = NumeratorText(fraction, x, y);
    u.Faktor[k] =
        ProductText(factor, x, y, task.writing.unitFactorNumber, task.writing.bracketLoneFactor);
    u.ErwZaehler[k] = Write(Bracketed(u.Zaehler[k]), u"·~", Bracketed(u.Faktor[k]), u'~');
    u.NeuZaehler[k] = PolynomialText(NumeratorValue(fraction) * factor.value(), x, y);
    u.Zahl[k] = fraction.denominator.number;
    u.Zahl[k + 3] = NumeratorValue(fraction).firstCoefficient();
  }
  u.Zeichen1 = SignText(task.signs[1]);
  if (task.count == 3) u.Zeichen2 = SignText(task.signs[2]);
  u.HN = ProductText(main, x, y, false, true);
  u.HNZeile = task.writing.powerNotation
                  ? Write(Potenzschreibweise(main.number), u'·', x, u" = ", u.HN)
                  : u.HN;
  const SmallPolynomial result = ResultNumerator(task);
  u.Ergebnis = PolynomialText(result, x, y);
  const int common = std::gcd(result.content(), main.number);
  if (task.cancels && common != 1) {
    item.Kenn[1] = true;
    u.GekZaehler = PolynomialText(result.dividedBy(common), x, y);
    u.GekNenner = ProductText({main.number / common, main.factors}, x, y, false, true);
  }
  item.Anzahl = task.count;
  item.Kenn[3] = true;
}

int SignOf(std::size_t k) { return Vz[k] == u'+' ? 1 : -1; }

UnlikeFraction Over(const SmallPolynomial& numerator, int number,
                    std::vector<SmallPolynomial> factors, int numeratorNumber) {
  return UnlikeFraction{numeratorNumber, numerator, FactorProduct{number, std::move(factors)}};
}

SmallPolynomial Bracket(int e, int sign, int f) {
  return e * SmallPolynomial::X() + SmallPolynomial::Constant(sign * f);
}

void MakeUnlikeItem(int index, int variants, bool (*letters)(char16_t x, char16_t y),
                    UnlikeTask (*makeTask)(int variante, char16_t x, char16_t y)) {
  TBruchM& item = Bruch[static_cast<std::size_t>(index)];
  item = TBruchM{};
  item.Variante = Random(variants) + 1;
  DrawRandomSigns(9, u'-');
  do {
    DrawLetters(item, 3, false);
  } while (!letters(item.Var1, item.Var2));
  CurrentUnlikeDraws = 0;
  WriteUnlikeItem(item, makeTask(item.Variante, item.Var1, item.Var2));
  LongestUnlikeDraws = std::max(LongestUnlikeDraws, CurrentUnlikeDraws);
}

}  // namespace kalkora::fractions

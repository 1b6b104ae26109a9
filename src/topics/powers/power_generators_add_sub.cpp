// Adding and subtracting powers: like powers, one written as a power of a product (level 1),
// collecting a polynomial in one letter (level 2), and removing brackets (level 3).

#include <array>
#include <cstdlib>

#include "base/random.h"
#include "base/random_signs.h"
#include "base/shared_functions.h"
#include "terms/evaluate_term_text.h"
#include "terms/term_letters.h"
#include "topics/powers/power_generator_support.h"
#include "topics/powers/power_generators.h"
#include "topics/powers/power_text.h"

namespace kalkora::powers {
namespace {

int IntPower(int base, int exponent) {
  int value = 1;
  for (int i = 0; i < exponent; ++i) value *= base;
  return value;
}

// A signed number in display form: "–4" for −4.
Text SignedNumber(int value) {
  return value < 0 ? Text(u"–").append(IntText(-value)) : IntText(value);
}

int SignValue(char16_t sign) { return sign == u'+' ? 1 : -1; }

// The internal-form operator of a sign character.
Text InternalJoint(char16_t sign) { return sign == u'+' ? Text(u" + ") : Text(u" - "); }

// The value of an internal-form sum in which the placeholders p, q, r stand for powers.
int SumValue(TextView expression, int p, int q, int r) {
  const Text substituted = SubstituteLetters3(expression, u'p', u'q', u'r', p, q, r);
  return TextInt(EvaluateTermText(substituted, u'x', 0)).value_or(0);
}

}  // namespace

void GenAddSub1(int item) {
  TPotenz& record = FreshItem(item);
  const int variant = Random(3) + 1;
  const char16_t letter = RandomLetter();
  DrawRandomSigns(7, u'–');
  const char16_t sign = Vz[1];
  const int direction = SignValue(sign);
  const Text base = Marked(Text(1, letter), u'#');

  int s = 0;
  int t = 0;
  int r = 0;
  const auto drawBaseAndExponent = [&] {
    s = Random(4) + 2;
    r = Random(4) + 2;
  };
  if (variant != 3) {
    do drawBaseAndExponent();
    while (IntPower(s, r) >= 100);
  } else {
    // Two different bases −5 … 4 (neither 0 nor ±1), both powers below 100. The exponent is
    // drawn with them: with r = 5 no two such bases exist.
    const auto fits = [&] {
      return s != 0 && t != 0 && std::abs(s) != 1 && std::abs(t) != 1 &&
             std::abs(s) != std::abs(t) && IntPower(std::abs(s), r) < 100 &&
             IntPower(std::abs(t), r) < 100;
    };
    do {
      r = Random(4) + 2;
      s = Random(10) - 5;
      t = Random(10) - 5;
    } while (!fits());
  }

  const Text exponent = Marked(IntText(r), u'_');
  const auto powerOfProduct = [&](int number) {
    return Text(u"(")
        .append(SignedNumber(number))
        .append(u"·")
        .append(base)
        .append(u")^")
        .append(exponent);
  };
  const Text multiple = IntText(s).append(u"·").append(base).append(u"^").append(exponent);
  Text task;
  int coefficient = 0;
  switch (variant) {
    case 1:
      task = powerOfProduct(s).append(SignJoint(sign)).append(multiple);
      coefficient = IntPower(s, r) + direction * s;
      break;
    case 2:
      task = Text(multiple).append(SignJoint(sign)).append(powerOfProduct(s));
      coefficient = s + direction * IntPower(s, r);
      break;
    default:
      task = powerOfProduct(s).append(SignJoint(sign)).append(powerOfProduct(t));
      coefficient = IntPower(s, r) + direction * IntPower(t, r);
      break;
  }

  record.Text[0] = task;
  record.Text[2] = CollectedSum({{coefficient, Text(base).append(u"^").append(exponent)}});
  WriteDisplayAndAnswer(record, record.Text[0], record.Text[2]);
  SetLetters(record, {letter});
  record.Feldbreite = 150;
  record.Variante = variant;
}

void GenAddSub2(int item) {
  // One character per summand: "#" cubic, "_" square, "~" linear, "$" constant.
  static constexpr std::array<const char16_t*, 12> kPatterns{
      u"#_~$#_~$", u"#_~#_~$", u"#_~#_~",  u"#_~$_~$", u"#_~$#_$", u"#_~$#~$",
      u"#_~$#_$",  u"#_~$#~$", u"#_~$_~$", u"#_$#~$",  u"#_~$_$",  u"#_~$~$"};

  TPotenz& record = FreshItem(item);
  const int pattern = Random(12);
  Text rest = kPatterns[static_cast<std::size_t>(pattern)];
  Text order;
  while (!rest.empty()) {
    const auto taken = static_cast<std::size_t>(Random(static_cast<int>(rest.size())));
    order.push_back(rest[taken]);
    rest.erase(taken, 1);
  }
  char16_t letter = RandomLetter();
  while (letter == u'a' || letter == u'b' || letter == u'c') letter = RandomLetter();
  DrawRandomSigns(static_cast<int>(order.size()), u'–');

  const Text cubic = Marked(PowerMarkup(letter, 3), u'#');
  const Text square = Marked(PowerMarkup(letter, 2), u'_');
  const Text linear = Marked(PowerMarkup(letter, 1), u'~');
  std::array<int, 4> collected{};  // cubic, square, linear, constant
  Text task;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const int coefficient = Random(9) + 1;
    const char16_t sign = i == 0 ? u'+' : Vz[i + 1];
    if (i > 0) task.append(SignJoint(sign));
    std::size_t kind = 3;
    switch (order[i]) {
      case u'#':
        kind = 0;
        task.append(CoefficientTimes(coefficient, cubic));
        break;
      case u'_':
        kind = 1;
        task.append(CoefficientTimes(coefficient, square));
        break;
      case u'~':
        kind = 2;
        task.append(CoefficientTimes(coefficient, linear));
        break;
      default: task.append(IntText(coefficient)); break;
    }
    collected[kind] += SignValue(sign) * coefficient;
  }

  record.Text[0] = task;
  record.Text[2] = CollectedSum(
      {{collected[0], cubic}, {collected[1], square}, {collected[2], linear}, {collected[3], {}}});
  WriteDisplayAndAnswer(record, record.Text[0], record.Text[2]);
  SetLetters(record, {letter});
  record.Feldbreite = 200;
  record.Variante = pattern + 1;
}

void GenAddSub3(int item) {
  TPotenz& record = FreshItem(item);
  const int variant = Random(3) + 1;
  std::array<int, 9> c{};  // c[1] … c[8]
  for (std::size_t i = 1; i < c.size(); ++i) c[i] = Random(4) + 1;
  int e1 = 0;
  int e2 = 0;
  int e3 = 0;
  do {
    e1 = Random(5) + 1;
    e2 = Random(5) + 1;
    e3 = Random(5) + 1;
  } while (!(e1 > e2 && e2 > e3));
  DrawRandomSigns(7, u'–');
  const std::vector<char16_t> letters = DistinctLetters(2);
  const char16_t l1 = letters[0];
  const char16_t l2 = letters[1];
  const auto term = [&](int i, TextView power) { return CoefficientTimes(c[i], power); };
  const auto internal = [&](int i, char16_t placeholder) {
    Text text = IntText(c[i]);
    text.push_back(u'*');
    text.push_back(placeholder);
    return text;
  };

  Text task;
  Text expression;  // internal form; p, q, r stand for the powers
  std::vector<Summand> solution;
  if (variant == 1) {
    const Text p1 = Marked(PowerMarkup(l1, e1), u'#');
    const Text p2 = PowerMarkup(l2, e2);
    task = term(1, p1)
               .append(SignJoint(Vz[1]))
               .append(Marked(term(2, p2), u'_'))
               .append(u" – (")
               .append(term(3, p1))
               .append(SignJoint(Vz[2]))
               .append(Marked(term(4, p2), u'_'))
               .append(u") – (")
               .append(term(5, p1))
               .append(SignJoint(Vz[3]))
               .append(Marked(term(6, p2), u'_'))
               .append(u")");
    expression = internal(1, u'p')
                     .append(InternalJoint(Vz[1]))
                     .append(internal(2, u'q'))
                     .append(u" - (")
                     .append(internal(3, u'p'))
                     .append(InternalJoint(Vz[2]))
                     .append(internal(4, u'q'))
                     .append(u") - (")
                     .append(internal(5, u'p'))
                     .append(InternalJoint(Vz[3]))
                     .append(internal(6, u'q'))
                     .append(u")");
    solution = {{SumValue(expression, 1, 0, 0), p1},
                {SumValue(expression, 0, 1, 0), Marked(p2, u'_')}};
  } else if (variant == 2) {
    // Only the exponents are coloured.
    const Text p1 = Text(1, l1).append(Marked(Text(u"^").append(ExponentMarkup(e1)), u'#'));
    const Text p2 = Text(1, l2).append(Marked(Text(u"^").append(ExponentMarkup(e2)), u'_'));
    task = term(1, p1)
               .append(u" – (")
               .append(term(2, p2))
               .append(SignJoint(Vz[1]))
               .append(term(3, p1))
               .append(u") – (")
               .append(term(4, p2))
               .append(SignJoint(Vz[2]))
               .append(term(5, p1))
               .append(u")")
               .append(SignJoint(Vz[3]))
               .append(term(6, p2));
    expression = internal(1, u'p')
                     .append(u" - (")
                     .append(internal(2, u'q'))
                     .append(InternalJoint(Vz[1]))
                     .append(internal(3, u'p'))
                     .append(u") - (")
                     .append(internal(4, u'q'))
                     .append(InternalJoint(Vz[2]))
                     .append(internal(5, u'p'))
                     .append(u")")
                     .append(InternalJoint(Vz[3]))
                     .append(internal(6, u'q'));
    solution = {{SumValue(expression, 1, 0, 0), Marked(PowerMarkup(l1, e1), u'#')},
                {SumValue(expression, 0, 1, 0), Marked(PowerMarkup(l2, e2), u'_')}};
  } else {
    const Text p1 = PowerMarkup(l1, e1);
    const Text p2 = PowerMarkup(l1, e2);
    const Text p3 = PowerMarkup(l1, e3);
    task = term(1, Marked(p1, u'#'))
               .append(u" – {")
               .append(term(2, Marked(p1, u'#')))
               .append(SignJoint(Vz[1]))
               .append(Marked(term(3, p2), u'_'))
               .append(u" – [")
               .append(term(4, Marked(p2, u'_')))
               .append(SignJoint(Vz[2]))
               .append(Marked(term(5, p3), u'~'))
               .append(SignJoint(Vz[3]))
               .append(u"(")
               .append(term(6, Marked(p3, u'~')))
               .append(SignJoint(Vz[4]))
               .append(IntText(c[7]))
               .append(u")]}");
    expression = internal(1, u'p')
                     .append(u" - (")
                     .append(internal(2, u'p'))
                     .append(InternalJoint(Vz[1]))
                     .append(internal(3, u'q'))
                     .append(u" - (")
                     .append(internal(4, u'q'))
                     .append(InternalJoint(Vz[2]))
                     .append(internal(5, u'r'))
                     .append(InternalJoint(Vz[3]))
                     .append(u"(")
                     .append(internal(6, u'r'))
                     .append(InternalJoint(Vz[4]))
                     .append(IntText(c[7]))
                     .append(u")))");
    const int constant = SumValue(expression, 0, 0, 0);
    solution = {{SumValue(expression, 1, 0, 0) - constant, Marked(p1, u'#')},
                {SumValue(expression, 0, 1, 0) - constant, Marked(p2, u'_')},
                {SumValue(expression, 0, 0, 1) - constant, Marked(p3, u'~')},
                {constant, {}}};
  }

  record.Text[0] = task;
  record.Text[2] = CollectedSum(solution);
  WriteDisplayAndAnswer(record, record.Text[0], record.Text[2]);
  if (variant == 3) {
    SetLetters(record, {l1});
  } else {
    SetLetters(record, {l1, l2});
  }
  record.Feldbreite = 200;
  record.Variante = variant;
}

}  // namespace kalkora::powers

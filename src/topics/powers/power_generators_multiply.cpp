// Multiplying powers of equal bases: products of single letters (level 1), of one letter with
// numbers and powers (level 2), and of two numbers and two letters' powers (level 3).

#include <array>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/random_term_parts.h"
#include "terms/term_letters.h"
#include "topics/powers/power_generator_support.h"
#include "topics/powers/power_generators.h"
#include "topics/powers/power_text.h"

namespace kalkora::powers {
namespace {

// Two letters, the first alphabetically smaller, and two different numbers 2 … 9.
struct TwoLettersTwoNumbers {
  char16_t first;
  char16_t second;
  int number1;
  int number2;
};

TwoLettersTwoNumbers DrawOrderedLettersAndNumbers() {
  for (;;) {
    const char16_t first = RandomLetter();
    const char16_t second = RandomLetter();
    const int number1 = Random(8) + 2;
    const int number2 = Random(8) + 2;
    if (first < second && number1 != number2) return {first, second, number1, number2};
  }
}

// letter^exponent with the exponent written (level 3 solutions: ‹r^2›).
Text PowerAlwaysWritten(char16_t letter, int exponent) {
  return Text(1, letter).append(u"^").append(ExponentMarkup(exponent));
}

}  // namespace

void GenMultiply1(int item) {
  struct Shape {
    int factors;      // n
    int firstLetter;  // k: how many of them are the first letter
  };
  static constexpr std::array<Shape, 10> kShapes{
      {{6, 2}, {6, 3}, {7, 2}, {7, 3}, {8, 2}, {8, 3}, {8, 4}, {9, 2}, {9, 3}, {9, 4}}};

  TPotenz& record = FreshItem(item);
  const int variant = Random(10) + 1;
  const Shape shape = kShapes[static_cast<std::size_t>(variant - 1)];
  const TwoLettersTwoNumbers drawn = DrawOrderedLettersAndNumbers();
  const Text order =
      RandomLetterSequence(drawn.first, drawn.second, shape.firstLetter, shape.factors);

  std::vector<Text> letters;
  std::vector<Text> numbers;
  for (const char16_t letter : order) {
    const bool first = letter == drawn.first;
    letters.push_back(Marked(Text(1, letter), first ? u'#' : u'_'));
    numbers.push_back(Marked(IntText(first ? drawn.number1 : drawn.number2), first ? u'#' : u'_'));
  }
  const Text firstExponent = ExponentMarkup(shape.firstLetter);
  const Text secondExponent = ExponentMarkup(shape.factors - shape.firstLetter);

  record.Text[0] = JoinFactors(letters);
  record.Text[1] = JoinFactors(numbers);
  record.Text[3] = Marked(Text(1, drawn.first), u'#')
                       .append(u"^")
                       .append(firstExponent)
                       .append(u"·")
                       .append(Marked(Text(1, drawn.second), u'_'))
                       .append(u"^")
                       .append(secondExponent);
  record.Text[2] = Marked(IntText(drawn.number1), u'#')
                       .append(u"^")
                       .append(firstExponent)
                       .append(u"·")
                       .append(Marked(IntText(drawn.number2), u'_'))
                       .append(u"^")
                       .append(secondExponent);
  record.Text[7] = numbers.front();
  WriteDisplayAndAnswer(record, record.Text[0], record.Text[3]);
  SetLetters(record, {drawn.first, drawn.second});
  record.Zahl1 = drawn.number1;
  record.Zahl2 = drawn.number2;
  record.Feldbreite = 150;
  record.Variante = variant;
}

void GenMultiply2(int item) {
  struct Shape {
    int factors;      // n
    int numbers;      // k: factors that are numbers
    int maxExponent;  // c
  };
  static constexpr std::array<Shape, 6> kShapes{
      {{5, 2, 2}, {6, 2, 3}, {5, 1, 2}, {6, 1, 3}, {7, 2, 4}, {8, 2, 4}}};

  TPotenz& record = FreshItem(item);
  const int variant = Random(6) + 1;
  const Shape shape = kShapes[static_cast<std::size_t>(variant - 1)];
  const char16_t letter = RandomLetter();
  int a = 0;
  int b = 0;
  do {
    a = Random(8) + 2;
    b = Random(8) + 2;
  } while (a == b);

  // Factor i is a number (its value) or the letter (value 0) with exponent exponents[i].
  std::vector<int> numberAt(static_cast<std::size_t>(shape.factors), 0);
  std::vector<int> exponentAt(static_cast<std::size_t>(shape.factors), 1);
  const auto randomFreeFactor = [&](const std::vector<int>& taken) {
    for (;;) {
      const auto at = static_cast<std::size_t>(Random(shape.factors));
      if (numberAt[at] == 0 && taken[at] == 0) return at;
    }
  };
  const std::vector<int> none(static_cast<std::size_t>(shape.factors), 0);
  numberAt[randomFreeFactor(none)] = a;
  if (shape.numbers == 2) numberAt[randomFreeFactor(none)] = b;
  std::vector<int> raised(static_cast<std::size_t>(shape.factors), 0);
  for (int e = 0; e < 2; ++e) {
    const std::size_t at = randomFreeFactor(raised);
    raised[at] = 1;
    exponentAt[at] = Random(shape.maxExponent - 1) + 2;
  }

  std::vector<Text> factors;
  int exponentSum = 0;
  for (std::size_t i = 0; i < numberAt.size(); ++i) {
    if (numberAt[i] != 0) {
      factors.push_back(IntText(numberAt[i]));
    } else {
      factors.push_back(Marked(PowerMarkup(letter, exponentAt[i]), u'#'));
      exponentSum += exponentAt[i];
    }
  }
  const int coefficient = shape.numbers == 2 ? a * b : a;

  record.Text[0] = JoinFactors(factors);
  record.Text[2] = IntText(coefficient)
                       .append(u"·")
                       .append(Marked(PowerAlwaysWritten(letter, exponentSum), u'#'));
  WriteDisplayAndAnswer(record, record.Text[0], record.Text[2]);
  SetLetters(record, {letter});
  record.Zahl1 = a;
  record.Zahl2 = b;
  record.Feldbreite = 150;
  record.Variante = variant;
}

void GenMultiply3(int item) {
  TPotenz& record = FreshItem(item);
  const TwoLettersTwoNumbers drawn = DrawOrderedLettersAndNumbers();
  std::array<int, 4> exponent{};
  for (int& e : exponent) e = Random(4) + 1;
  const auto first = [&](int e) { return Marked(PowerMarkup(drawn.first, e), u'#'); };
  const auto second = [&](int e) { return Marked(PowerMarkup(drawn.second, e), u'_'); };

  record.Text[0] = JoinFactors({IntText(drawn.number1), first(exponent[0]), second(exponent[1]),
                                IntText(drawn.number2), first(exponent[2]), second(exponent[3])});
  record.Text[2] =
      JoinFactors({IntText(drawn.number1 * drawn.number2),
                   Marked(PowerAlwaysWritten(drawn.first, exponent[0] + exponent[2]), u'#'),
                   Marked(PowerAlwaysWritten(drawn.second, exponent[1] + exponent[3]), u'_')});
  WriteDisplayAndAnswer(record, record.Text[0], record.Text[2]);
  SetLetters(record, {drawn.first, drawn.second});
  record.Zahl1 = drawn.number1;
  record.Zahl2 = drawn.number2;
  record.Feldbreite = 150;
  record.Variante = 1;
}

}  // namespace kalkora::powers

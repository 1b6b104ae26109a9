#include "topics/fractions/number_comparison.h"

#include <algorithm>
#include <cstdlib>

#include "base/random.h"
#include "base/shared_functions.h"
#include "topics/fractions/example_writing.h"

namespace kalkora::fractions {
namespace {

constexpr int kTextSize = 22;
constexpr int kSentenceSize = 16;
constexpr int kClosingSentenceSize = 14;

int Digit() { return 1 + Random(9); }

// The sign of a term after the first, with its blanks: ‹ + ›, ‹ – ›.
Text Between(int n) { return Write(u' ', SignCharacter(n), u' '); }

// `marked` ? the text between the marks : the text.
Text MarkIf(bool marked, TextView text, char16_t marker) {
  return marked ? Marked(text, marker) : Text(text);
}

// The number as the rows write a product: with a minus before it.
Text Subtracted(TextView text) { return Write(kDisplayMinus, text); }

// ---- the numbers ----

ComparisonHalf NumbersAt(const NumberComparison& c, int step) {
  ComparisonHalf half;
  half.heading = c.level == 2 ? u"~Dividieren ganzer Zahlen ohne Rest~"
                              : u"~Dividieren ganzer Zahlen mit Rest~";
  half.centre = -31.5;
  half.room = 36;
  half.lineStart = -40;
  const Text h = IntText(c.h);
  const Text t = IntText(c.t);
  const Text u = IntText(c.u);
  const Text d = IntText(c.d);
  const Text q1 = IntText(c.q1());
  const Text q2 = IntText(c.q2());
  const Text p = IntText(c.firstPartial());
  const Text p2 = IntText(c.secondPartial());
  const Text r1 = IntText(c.r1());
  const Text r = IntText(c.remainder());
  const Text q1d = IntText(c.q1() * c.d);
  const Text q2d = IntText(c.q2() * c.d);

  const Text task = Write(h, t, u, u" : ", d, u" = ");
  half.columns.wholeLine = Write(task, q1, q2);
  half.columns.columnEnds = {h, Write(h, t), Write(h, t, u)};

  // The task line: P rose while it is divided, u rose while it comes down, d olive, the
  // quotient digit violet in the steps that find and multiply it.
  WrittenLine line;
  const bool divisorNamed = step == 2 || step == 3 || step == 6 || step == 7;
  line.text = Write(MarkIf(step == 2 || step == 4, Write(h, t), u'#'), MarkIf(step == 5, u, u'#'),
                    u" : ", MarkIf(divisorNamed, d, u'_'), u" = ");
  if (step >= 2) line.text += MarkIf(step <= 3, q1, u'~');
  if (step >= 6) line.text += MarkIf(step <= 7, q2, u'~');
  half.lines.push_back(line);

  const auto row = [&](int number, int column, Text text, bool rule) {
    WrittenLine written;
    written.row = number;
    written.column = column;
    written.text = std::move(text);
    written.rule = rule;
    half.lines.push_back(std::move(written));
  };
  if (step >= 3) row(1, 2, Subtracted(MarkIf(step <= 4, q1d, u'#')), true);
  if (step == 4) row(2, 2, Marked(r1, u'#'), false);
  if (step >= 5) {
    const bool whole = step == 6 || step == 8;
    row(2, 3, whole ? Marked(p2, u'#') : Write(r1, MarkIf(step == 5, u, u'#')), false);
  }
  if (step >= 7) row(3, 3, Subtracted(MarkIf(step <= 8, q2d, u'#')), true);
  if (step >= 8) row(4, 3, MarkIf(step == 8, r, u'#'), false);

  half.sentenceSize = kSentenceSize;
  switch (step) {
    case 2: half.sentence = Write(u'_', d, u"_ ist in #", p, u"# ~", q1, u"–mal~ enthalten"); break;
    case 3: half.sentence = Write(u'~', q1, u"~ mal _", d, u"_ ergibt #", q1d, u'#'); break;
    case 4: half.sentence = Write(u'#', p, u"# – #", q1d, u"# ergibt der Rest #", r1, u'#'); break;
    case 5: half.sentence = Write(u"Die Stelle #", u, u"# wird herabgeschrieben"); break;
    case 6:
      half.sentence = Write(u'_', d, u"_ ist in #", p2, u"# ~", q2, u"–mal~ enthalten");
      break;
    case 7: half.sentence = Write(u'~', q2, u"~ mal _", d, u"_ ergibt #", q2d, u'#'); break;
    case 8: half.sentence = Write(u'#', p2, u"# – #", q2d, u"# ergibt der Rest #", r, u'#'); break;
    case 9:
      half.sentence = u"#Schreibweise als gemischte Zahl!#";
      half.sentenceSize = kClosingSentenceSize;
      half.closing.push_back(ClosingLine{
          -44, -5, Write(IntText(c.dividend()), u" : ", d, u" = ", q1, q2, u" {", r, u'/', d, u'}'),
          kTextSize, true});
      break;
    default: break;
  }
  return half;
}

// ---- the polynomials ----

ComparisonHalf PolynomialsAt(const NumberComparison& c, int step) {
  ComparisonHalf half;
  half.heading = c.level == 2 ? u"_Dividieren von mehrgliedrigen Termen ohne Rest_"
                              : u"_Dividieren von mehrgliedrigen Termen mit Rest_";
  half.centre = 18.5;
  half.room = 62;
  half.lineStart = 0;
  const char16_t x = c.letter;
  const int xTerm = c.a * c.s2 * c.e;  // the x term of the first difference and of M2
  const Text leading = Term(c.square(), x, 2);
  const Text middle = Write(Between(c.linear()), Term(std::abs(c.linear()), x, 1));
  const Text last = Write(Between(c.constant()), IntText(std::abs(c.constant())));
  const Text a = Term(c.a, x, 1);
  const Text divisor = Linear(c.a, x, SignCharacter(c.s1), c.b);
  const Text q1 = Term(c.c, x, 1);
  const Text q2 = SignedNumber(c.s2 * c.e);
  const Text q2Term = Write(Between(c.s2), IntText(c.e));
  const Text m1 = Write(leading, Between(c.s1), Term(c.b * c.c, x, 1));
  const Text m2 = Write(xTerm < 0 ? u"– " : u"", Term(std::abs(xTerm), x, 1), Between(c.product()),
                        IntText(std::abs(c.product())));
  const Text difference = Term(xTerm, x, 1);
  const Text current = Write(difference, last);
  const Text rest = SignedNumber(c.rest);
  const Text broughtDown = Write(SignCharacter(c.constant()), IntText(std::abs(c.constant())));

  const Text task = Write(u"( ", leading, middle, last, u" ) : (", divisor, u") = ");
  half.columns.wholeLine = Write(task, q1, q2Term);
  half.columns.columnEnds = {Write(u"( ", leading), Write(u"( ", leading, middle),
                             Write(u"( ", leading, middle, last)};

  // The task line, coloured as the numbers are.
  WrittenLine line;
  const Text firstTwo = step == 4 ? Marked(Write(leading, middle), u'#')
                                  : Write(MarkIf(step == 2, leading, u'#'), middle);
  const Text brought = step == 5 ? Write(u' ', Marked(TextView(last).substr(1), u'#')) : last;
  Text divisorText = divisor;
  if (step == 2 || step == 6)
    divisorText = Write(Marked(a, u'_'), TextView(divisor).substr(a.size()));
  if (step == 3 || step == 7) divisorText = Marked(divisor, u'_');
  line.text = Write(u"( ", firstTwo, brought, u" ) : (", divisorText, u") = ");
  if (step >= 2) line.text += MarkIf(step <= 3, q1, u'~');
  if (step >= 6)
    line.text += step <= 7 ? Write(u' ', Marked(TextView(q2Term).substr(1), u'~')) : q2Term;
  half.lines.push_back(line);

  const auto row = [&](int number, int column, Text text, bool product) {
    WrittenLine written;
    written.row = number;
    written.column = column;
    written.text = std::move(text);
    if (product) written.after = u")";
    written.rule = product;
    half.lines.push_back(std::move(written));
  };
  if (step >= 3) row(1, 2, Write(kDisplayMinus, u'(', MarkIf(step <= 4, m1, u'#')), true);
  if (step == 4) row(2, 2, Marked(difference, u'#'), false);
  if (step >= 5) {
    Text text;
    if (step == 8) {
      text = Marked(current, u'#');
    } else {
      text = Write(MarkIf(step == 6, difference, u'#'),
                   step == 5 ? Write(u' ', Marked(TextView(last).substr(1), u'#')) : last);
    }
    row(2, 3, std::move(text), false);
  }
  if (step >= 7) row(3, 3, Write(kDisplayMinus, u'(', MarkIf(step <= 8, m2, u'#')), true);
  if (step >= 8) row(4, 3, MarkIf(step == 8 && c.rest == 0, rest, u'#'), false);

  half.sentenceSize = kSentenceSize;
  switch (step) {
    case 2:
      half.sentence = Write(u'_', a, u"_ ist in #", leading, u"# ~", q1, u"–mal~ enthalten");
      break;
    case 3: half.sentence = Write(u'~', q1, u"~ mal _", divisor, u"_ ergibt #", m1, u'#'); break;
    case 4:
      half.sentence =
          Write(u'#', leading, middle, u"# – (#", m1, u"#) ergibt der Rest #", difference, u'#');
      break;
    case 5: half.sentence = Write(u"Der Term #", broughtDown, u"# wird herabgeschrieben"); break;
    case 6:
      half.sentence = Write(u'_', a, u"_ ist in #", difference, u"# ~", q2, u"–mal~ enthalten");
      break;
    case 7: half.sentence = Write(u'~', q2, u"~ mal _", divisor, u"_ ergibt #", m2, u'#'); break;
    case 8:
      half.sentence = Write(u'#', current, u"# – #(", m2, u")# ergibt der Rest ",
                            c.rest == 0 ? Text(u"#0#") : rest);
      break;
    case 9: {
      half.sentence = u"#Schreibweise als Ergebnis mit Rest!#";
      half.sentenceSize = kClosingSentenceSize;
      const bool negative = c.rest < 0;
      half.closing.push_back(
          ClosingLine{0, -5, Write(u"( ", leading, middle, last, u" ) : ( ", divisor, u" ) = "),
                      kTextSize, false});
      half.closing.push_back(ClosingLine{0, -12,
                                         Write(u" = ", q1, q2Term, negative ? u" – {" : u" + {",
                                               IntText(std::abs(c.rest)), u'/', divisor, u'}'),
                                         kTextSize, true});
      break;
    }
    default: break;
  }
  return half;
}

}  // namespace

NumberComparison MakeComparison(int level, char16_t letter) {
  NumberComparison c;
  c.level = level == 2 ? 2 : 3;
  c.letter = letter;
  const int highestDivisor = c.level == 2 ? 10 : 9;
  for (;;) {
    c.h = Digit();
    c.t = Digit();
    c.u = Digit();
    c.d = 2 + Random(highestDivisor - 1);
    const bool divisible = c.remainder() == 0;
    if (c.q1() <= 9 && c.r1() >= 1 && divisible == (c.level == 2)) break;
  }
  for (;;) {
    c.a = Digit();
    c.b = Digit();
    c.c = Digit();
    c.e = Digit();
    if (c.a != c.b && c.c != c.e && c.a * c.c > 10 && c.b * c.e > 10 && Gcd(c.a, c.b) == 1 &&
        Gcd(c.a, c.c) == 1 && Gcd(c.b, c.c) == 1 && Gcd(c.b, c.e) == 1) {
      break;
    }
  }
  c.s1 = Random(2) == 0 ? 1 : -1;
  c.s2 = Random(2) == 0 ? 1 : -1;
  c.rest = 0;
  if (c.level == 3) {
    const int q = c.product();
    int k = Random(20);
    while (q >= 0 && q + k >= 99) k = Random(20);
    c.rest = q >= 0 ? k + 1 : -(k + 1);
  }
  return c;
}

int ComparisonStepCount(int level) { return level == 2 ? 8 : 9; }

ComparisonPage ComparisonAt(const NumberComparison& comparison, int step) {
  const int s = std::clamp(step, 1, ComparisonStepCount(comparison.level));
  return {NumbersAt(comparison, s), PolynomialsAt(comparison, s)};
}

}  // namespace kalkora::fractions

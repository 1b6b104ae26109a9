#include "topics/fractions/worked_division.h"

#include <algorithm>

#include "base/shared_functions.h"
#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/long_division_steps.h"

namespace kalkora::fractions {
namespace {

constexpr int kSentenceSize = 16;
constexpr int kClosingSentenceSize = 15;

std::size_t At(int index) { return static_cast<std::size_t>(index); }

// The text between the marks, blanks before it left outside (‹ – 4› gives ‹ _– 4_›).
Text MarkedAfterBlanks(TextView text, char16_t marker) {
  const std::size_t start = std::min(text.find_first_not_of(u' '), text.size());
  return Write(text.substr(0, start), Marked(text.substr(start), marker));
}

// A quotient term as the sentences name it: no blanks, no plus (‹ + 5·h› gives ‹5·h›).
Text NamedTerm(TextView term) {
  Text named = RemoveSpaces(term);
  if (!named.empty() && named.front() == u'+') named.erase(0, 1);
  return named;
}

template <std::size_t N>
Text Joined(const OneBasedArray<Text, N>& terms, int count) {
  Text text;
  for (int j = 1; j <= count; ++j) text += terms[At(j)];
  return text;
}

// The step of the given kind for quotient term k in the division's answers.
const DivisionStep& StepOf(const WrittenDivision& written, DivisionAnswer kind, int k) {
  return *std::find_if(written.steps.begin(), written.steps.end(), [&](const DivisionStep& step) {
    return step.kind == kind && step.term == k;
  });
}

WrittenLine RowOf(const DivisionStep& step, Text text) {
  WrittenLine line;
  line.row = step.row;
  line.column = step.column;
  line.text = std::move(text);
  line.rule = step.ruleBelow;
  return line;
}

}  // namespace

int WorkedDivisionStepCount(const TTermDiv& d) {
  return 2 * d.AnzQuotient + (d.Rest.empty() ? 1 : 2);
}

WorkedDivisionStep WorkedDivisionAt(const TTermDiv& d, int step) {
  const WrittenDivision written = DivisionSteps(d);
  const int n = d.AnzQuotient;
  const int nd = d.AnzDivisor;
  const bool withRest = !d.Rest.empty();
  const int s = std::clamp(step, 1, WorkedDivisionStepCount(d));
  // Step 2k finds quotient term k.
  const int found = std::min(n, s / 2);
  const bool finding = s % 2 == 0 && s <= 2 * n;
  const Text divisor = Joined(d.Divisor, nd);

  WorkedDivisionStep page;
  page.columns.wholeLine = written.wholeLine;
  page.columns.columnEnds = written.columnEnds;

  // The task line and the quotient found so far.
  WrittenLine task;
  task.text = u"(";
  for (int c = 1; c <= static_cast<int>(written.columnEnds.size()); ++c) {
    const Text& term = d.Dividend[At(c)];
    task.text += c == 1 && s == 2 ? Marked(term, u'#') : term;
  }
  task.text += u") : (";
  for (int j = 1; j <= nd; ++j) {
    task.text += j == 1 && finding ? Marked(d.Divisor[1], u'#') : d.Divisor[At(j)];
  }
  task.text += u") = ";
  for (int k = 1; k <= found; ++k) {
    const Text& term = d.Quotient[At(k)];
    task.text += finding && k == found ? MarkedAfterBlanks(term, u'_') : term;
  }
  page.lines.push_back(std::move(task));

  // The rows: P_k from step 2k, R_k from step 2k + 1, the remainder from step 2n + 1.
  for (int k = 1; k <= found; ++k) {
    const DivisionStep& product = StepOf(written, DivisionAnswer::Product, k);
    page.lines.push_back(
        RowOf(product, finding && k == found ? Marked(product.text, u'_') : product.text));
    if (k < n && s >= 2 * k + 1) {
      const DivisionStep& difference = StepOf(written, DivisionAnswer::Difference, k);
      // Its first term is the leading term of the line the next quotient term is found in.
      const OneBasedArray<Text, 3>& terms = d.Zeilen[At(2 * k)];
      const bool leading = finding && found == k + 1;
      page.lines.push_back(RowOf(difference, leading
                                                 ? Write(Marked(terms[1], u'#'), terms[2], terms[3])
                                                 : difference.text));
    }
  }
  if (withRest && s >= 2 * n + 1) {
    page.lines.push_back(RowOf(StepOf(written, DivisionAnswer::FinalDifference, n), d.Rest));
  }

  // The sentence of the step.
  page.sentenceSize = kSentenceSize;
  if (finding) {
    const int k = found;
    const Text& leading = k == 1 ? d.Dividend[1] : d.Zeilen[At(2 * k - 2)][1];
    page.sentence = Write(u"Prüfe, wie oft #", d.Divisor[1], u"# in #", RemoveSpaces(leading),
                          u"# enthalten ist ", u"und multipliziere _", NamedTerm(d.Quotient[At(k)]),
                          u"_ mit dem Divisor ", divisor);
  } else if (s > 1 && s < 2 * n + 1) {
    const int k = found;
    page.sentence = Write(
        u"Subtrahiere den Term _", StepOf(written, DivisionAnswer::Product, k).text,
        u"_ und schreibe den nächsten Teilterm ", RemoveSpaces(d.Dividend[At(k + nd)]), u" herab.");
  } else if (s == 2 * n + 1) {
    const Text& product = StepOf(written, DivisionAnswer::Product, n).text;
    if (withRest) {
      page.sentence = Write(u"Subtrahiert man den Term _", product, u"_ , so erhält man als Rest ",
                            d.Rest, u" und die Division ist beendet.");
      page.sentenceSize = kClosingSentenceSize;
    } else {
      page.sentence = Write(u"Subtrahiert man den Term _", product,
                            u"_ , so erhält man Null und die Division ist beendet.");
    }
  } else if (s == 2 * n + 2) {
    page.sentence = u"Schreibweise als Ergebnis mit Rest.";
    page.sentenceSize = kClosingSentenceSize;
    page.closing = true;
    const bool negative = d.Rest.front() == kDisplayMinus;
    page.withRemainder.text = Write(Joined(d.Quotient, n), negative ? u" – " : u" + ");
    page.withRemainder.numerator = negative ? NegatedSum(d.Rest) : d.Rest;
    page.withRemainder.denominator = divisor;
  }
  return page;
}

}  // namespace kalkora::fractions

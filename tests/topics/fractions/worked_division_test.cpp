// The long division as a worked example: the steps of a known division word for word, and over
// many generated divisions the mathematics of every step (what is coloured is what the sentence
// names, the quotient term times the divisor's leading term is the line's leading term, the
// product is the quotient term times the divisor, the result with remainder is the division).

#include "topics/fractions/worked_division.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "example_checks.h"
#include "generator_checks.h"
#include "long_division_reading.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_writing.h"
#include "topics/fractions/long_division_generators.h"
#include "topics/fractions/long_division_steps.h"
#include "topics/fractions/long_division_writing.h"

namespace kalkora::fractions {
namespace {

using test::MarkedParts;
using test::MustRead;
using test::Polynomial;
using test::Unmarked;

std::string U8(TextView text) { return Utf8FromText(text); }

// A quotient term as a sentence names it: without the plus of a later term.
Text WithoutPlus(Text term) {
  if (!term.empty() && term.front() == u'+') term.erase(0, 1);
  return term;
}

// (28·h^3 + 55·h^2 – 3·h – 20) : (7·h + 5) = 4·h^2 + 5·h – 4
TTermDiv KnownDivision() { return WriteTermDiv({{4, 5, -4}, {7, 5}}, u'h'); }

TEST(WorkedDivision, TheStepsOfAKnownDivisionReadAsTheyShould) {
  const TTermDiv division = KnownDivision();
  ASSERT_EQ(WorkedDivisionStepCount(division), 7);
  struct Expected {
    int step;
    const char* task;
    std::vector<std::string> rows;  // every row after the task line, in order
    const char* sentence;
  };
  const std::vector<Expected> cases{
      {1, "(28·h^3 + 55·h^2 – 3·h – 20) : (7·h + 5) = ", {}, ""},
      {2,
       "(#28·h^3# + 55·h^2 – 3·h – 20) : (#7·h# + 5) = _4·h^2_",
       {"_28·h^3 + 20·h^2_"},
       "Prüfe, wie oft #7·h# in #28·h^3# enthalten ist und multipliziere _4·h^2_ mit dem Divisor "
       "7·h + 5"},
      {3,
       "(28·h^3 + 55·h^2 – 3·h – 20) : (7·h + 5) = 4·h^2",
       {"28·h^3 + 20·h^2", "35·h^2 – 3·h"},
       "Subtrahiere den Term _28·h^3 + 20·h^2_ und schreibe den nächsten Teilterm –3·h herab."},
      {4,
       "(28·h^3 + 55·h^2 – 3·h – 20) : (#7·h# + 5) = 4·h^2 _+ 5·h_",
       {"28·h^3 + 20·h^2", "#35·h^2# – 3·h", "_35·h^2 + 25·h_"},
       "Prüfe, wie oft #7·h# in #35·h^2# enthalten ist und multipliziere _5·h_ mit dem Divisor "
       "7·h + 5"},
      {5,
       "(28·h^3 + 55·h^2 – 3·h – 20) : (7·h + 5) = 4·h^2 + 5·h",
       {"28·h^3 + 20·h^2", "35·h^2 – 3·h", "35·h^2 + 25·h", "–28·h – 20"},
       "Subtrahiere den Term _35·h^2 + 25·h_ und schreibe den nächsten Teilterm –20 herab."},
      {6,
       "(28·h^3 + 55·h^2 – 3·h – 20) : (#7·h# + 5) = 4·h^2 + 5·h _– 4_",
       {"28·h^3 + 20·h^2", "35·h^2 – 3·h", "35·h^2 + 25·h", "#–28·h# – 20", "_–28·h – 20_"},
       "Prüfe, wie oft #7·h# in #–28·h# enthalten ist und multipliziere _–4_ mit dem Divisor "
       "7·h + 5"},
      {7,
       "(28·h^3 + 55·h^2 – 3·h – 20) : (7·h + 5) = 4·h^2 + 5·h – 4",
       {"28·h^3 + 20·h^2", "35·h^2 – 3·h", "35·h^2 + 25·h", "–28·h – 20", "–28·h – 20"},
       "Subtrahiert man den Term _–28·h – 20_ , so erhält man Null und die Division ist "
       "beendet."},
  };
  for (const Expected& expected : cases) {
    SCOPED_TRACE(expected.step);
    const WorkedDivisionStep step = WorkedDivisionAt(division, expected.step);
    ASSERT_FALSE(step.lines.empty());
    EXPECT_EQ(U8(step.lines[0].text), expected.task);
    std::vector<std::string> rows;
    for (std::size_t i = 1; i < step.lines.size(); ++i) rows.push_back(U8(step.lines[i].text));
    EXPECT_EQ(rows, expected.rows);
    EXPECT_EQ(U8(step.sentence), expected.sentence);
    EXPECT_EQ(step.sentenceSize, 16);
    EXPECT_FALSE(step.closing);
  }
}

// The step counts of the Part: 7 and 9 without remainder, 8 and 10 with one.
TEST(WorkedDivision, StepCountsFollowTheQuotientAndTheRemainder) {
  struct Case {
    int level;
    int variante;
    int steps;
  };
  const Case cases[] = {{2, 1, 7}, {2, 2, 7}, {2, 3, 9},  {2, 4, 9},
                        {3, 1, 8}, {3, 2, 8}, {3, 3, 10}, {3, 4, 10}};
  SetRandomSeed(11);
  for (const Case& c : cases) {
    TTermDiv division;
    char16_t letter = u'x';
    (c.level == 2 ? TermDivU2 : TermDivU3)(c.variante, letter, division);
    EXPECT_EQ(WorkedDivisionStepCount(division), c.steps) << c.level << " " << c.variante;
  }
  ClearFixedRandomSeed();
}

// Stufe 3 ends with the remainder's row and the result with remainder over the divisor as
// written: ‹7·h^2 – 3·h + 4 + (3·h + 5)/(6·h^2 – 4·h – 5)›.
TEST(WorkedDivision, StufeThreeEndsWithTheResultAndItsRemainder) {
  const TTermDiv division = WriteTermDiv({{7, -3, 4}, {6, -4, -5}, true, 2, 5, 3}, u'h');
  ASSERT_EQ(WorkedDivisionStepCount(division), 8);
  const WorkedDivisionStep rest = WorkedDivisionAt(division, 7);
  EXPECT_EQ(U8(rest.lines.back().text), U8(division.Rest));
  EXPECT_EQ(U8(rest.sentence),
            "Subtrahiert man den Term _" +
                U8(division.Zeilen[5][1] + division.Zeilen[5][2] + division.Zeilen[5][3]) +
                "_ , so erhält man als Rest " + U8(division.Rest) +
                " und die Division ist beendet.");
  EXPECT_EQ(rest.sentenceSize, 15);
  const WorkedDivisionStep last = WorkedDivisionAt(division, 8);
  EXPECT_EQ(U8(last.sentence), "Schreibweise als Ergebnis mit Rest.");
  EXPECT_EQ(last.sentenceSize, 15);
  ASSERT_TRUE(last.closing);
  EXPECT_EQ(U8(last.withRemainder.text), "7·h^2 – 3·h + 4 + ");
  EXPECT_EQ(U8(last.withRemainder.numerator), "3·h + 5");
  EXPECT_EQ(U8(last.withRemainder.denominator), "6·h^2 – 4·h – 5");
  EXPECT_EQ(last.lines.size(), rest.lines.size());
}

// Over many divisions of both levels, every step against the mathematics of the division.
TEST(WorkedDivision, EveryStepOfManyDivisionsShowsWhatItSays) {
  for (const int level : {2, 3}) {
    SetRandomSeed(300 + static_cast<std::uint32_t>(level));
    for (int n = 0; n < 400; ++n) {
      MakeDivisionItem(level, 1);
      const TBruchM& item = Bruch[1];
      const TTermDiv& d = item.TermDiv;
      SCOPED_TRACE(U8(DivisionSteps(d).wholeLine));
      const WrittenDivision written = DivisionSteps(d);
      const int quotientTerms = d.AnzQuotient;
      const int count = WorkedDivisionStepCount(d);
      ASSERT_EQ(count, 2 * quotientTerms + (level == 2 ? 1 : 2));
      Text divisorText;
      for (int j = 1; j <= d.AnzDivisor; ++j) divisorText += d.Divisor[static_cast<std::size_t>(j)];
      const Polynomial divisor = MustRead(divisorText);
      std::vector<WrittenLine> before;
      for (int s = 1; s <= count; ++s) {
        SCOPED_TRACE(testing::Message() << "step " << s);
        const WorkedDivisionStep step = WorkedDivisionAt(d, s);
        EXPECT_EQ(step.columns.wholeLine, written.wholeLine);
        // The task line: the task and the quotient terms found so far.
        Text task = written.task;
        const int found = std::min(quotientTerms, s / 2);
        for (int k = 1; k <= found; ++k) task += d.Quotient[static_cast<std::size_t>(k)];
        EXPECT_EQ(Unmarked(step.lines[0].text), task);
        // Every row of the step before is still there, without colour.
        ASSERT_GE(step.lines.size(), before.size());
        for (std::size_t i = 1; i < before.size(); ++i) {
          EXPECT_EQ(Unmarked(step.lines[i].text), Unmarked(before[i].text));
          EXPECT_EQ(step.lines[i].row, before[i].row);
          EXPECT_EQ(step.lines[i].column, before[i].column);
        }
        for (const WrittenLine& line : step.lines) {
          EXPECT_EQ(line.rule, line.row % 2 == 1) << "a rule under each product";
        }
        const bool finding = s % 2 == 0 && s <= 2 * quotientTerms;
        if (finding) {
          // Rose: the divisor's and the current line's leading terms; olive: the quotient term
          // in the task and its product in the newest row.
          ASSERT_EQ(step.lines.size(), before.size() + 1);
          std::vector<Text> rose = MarkedParts(step.lines[0].text, u'#');
          for (std::size_t i = 1; i < step.lines.size(); ++i) {
            for (const Text& part : MarkedParts(step.lines[i].text, u'#')) rose.push_back(part);
          }
          ASSERT_EQ(rose.size(), 2u);
          const auto olive = MarkedParts(step.lines[0].text, u'_');
          ASSERT_EQ(olive.size(), 1u);
          const Polynomial q = MustRead(Unmarked(olive[0]));
          const Text& leadingDivisor = s == 2 ? rose[1] : rose[0];
          const Text& leadingLine = s == 2 ? rose[0] : rose[1];
          EXPECT_EQ(MustRead(leadingDivisor) * q, MustRead(leadingLine));
          const auto product = MarkedParts(step.lines.back().text, u'_');
          ASSERT_EQ(product.size(), 1u);
          EXPECT_EQ(MustRead(product[0]), q * divisor);
          EXPECT_EQ(step.sentence, Write(u"Prüfe, wie oft #", leadingDivisor, u"# in #",
                                         leadingLine, u"# enthalten ist und multipliziere _",
                                         WithoutPlus(RemoveSpaces(Unmarked(olive[0]))),
                                         u"_ mit dem Divisor ", divisorText));
        } else if (s > 1 && s <= 2 * quotientTerms + 1) {
          // No colour on the page but in the sentence.
          for (const WrittenLine& line : step.lines) EXPECT_EQ(Unmarked(line.text), line.text);
          const auto named = MarkedParts(step.sentence, u'_');
          ASSERT_EQ(named.size(), 1u);
          const int k = std::min(quotientTerms, (s - 1) / 2);
          EXPECT_EQ(named[0], before.back().row == 2 * k - 1
                                  ? Unmarked(before.back().text)
                                  : Unmarked(before[before.size() - 2].text));
        }
        if (s == count - (level == 3 ? 1 : 0)) {
          EXPECT_NE(
              step.sentence.find(level == 2 ? u"so erhält man Null" : u"so erhält man als Rest"),
              Text::npos);
        }
        before = step.lines;
      }
      // The result with remainder is the division: quotient · divisor + remainder = dividend.
      if (level == 3) {
        const WorkedDivisionStep last = WorkedDivisionAt(d, count);
        ASSERT_TRUE(last.closing);
        const Text& text = last.withRemainder.text;
        ASSERT_GE(text.size(), 3u);
        const Polynomial quotient = MustRead(text.substr(0, text.size() - 3));
        Polynomial remainder = MustRead(last.withRemainder.numerator);
        if (text.substr(text.size() - 3) == u" – ") remainder = Polynomial{} - remainder;
        EXPECT_EQ(MustRead(last.withRemainder.denominator), divisor);
        const Text& whole = written.task;
        const Polynomial dividend = MustRead(whole.substr(1, whole.find(u") : (") - 1));
        EXPECT_EQ(quotient * divisor + remainder, dividend);
      }
      if (testing::Test::HasFailure()) break;
    }
    ClearFixedRandomSeed();
  }
}

}  // namespace
}  // namespace kalkora::fractions

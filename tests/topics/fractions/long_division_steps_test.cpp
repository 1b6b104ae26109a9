#include "topics/fractions/long_division_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator_checks.h"
#include "long_division_reading.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/long_division_generators.h"
#include "topics/fractions/long_division_writing.h"

namespace kalkora::fractions {
namespace {

using test::Polynomial;

std::vector<std::string> Answers(const WrittenDivision& division) {
  std::vector<std::string> answers;
  for (const DivisionStep& step : division.steps) answers.push_back(Utf8FromText(step.answer));
  return answers;
}

// The divisions of the exercise's worked cases, written from their numbers.
struct EdgeCase {
  const char* name;
  DivisionNumbers numbers;
  char16_t letter;
  const char* task;                  // the task line with every quotient term
  std::vector<std::string> answers;  // all answers in order; empty: see `someAnswers`
  std::vector<std::pair<int, std::string>> someAnswers;  // (answer number from 1, answer)
};

const EdgeCase kEdgeCases[] = {
    {"Stufe 2, Variante 1",
     {{4, 5, -4}, {7, 5}},
     u'h',
     "(28·h^3 + 55·h^2 – 3·h – 20) : (7·h + 5) = 4·h^2 + 5·h – 4",
     {"4h^2", "28h^3+20h^2", "35h^2–3h", "+5h", "35h^2+25h", "–28h–20", "–4", "–28h–20", "0"},
     {}},
    {"Stufe 2, Variante 3",
     {{3, 3, -6, -5}, {7, -3}},
     u'h',
     "(21·h^4 + 12·h^3 – 51·h^2 – 17·h + 15) : (7·h – 3) = 3·h^3 + 3·h^2 – 6·h – 5",
     {"3h^3", "21h^4–9h^3", "21h^3–51h^2", "+3h^2", "21h^3–9h^2", "–42h^2–17h", "–6h", "–42h^2+18h",
      "–35h+15", "–5", "–35h+15", "0"},
     {}},
    {"Stufe 3, Variante 2, RestArt 1",
     {{7, -3, 4}, {6, -4, -5}, true, 1, 8, 3},
     u'h',
     "(42·h^4 – 46·h^3 + 1·h^2 + 2·h – 20) : (6·h^2 – 4·h – 5) = 7·h^2 – 3·h + 4",
     {},
     {{3, "–18h^3+36h^2+2h"}, {9, "3h"}}},
    {"a quotient coefficient 1 is written",
     {{3, 1, -2}, {4, 1}},
     u'e',
     "(12·e^3 + 7·e^2 – 7·e – 2) : (4·e + 1) = 3·e^2 + 1·e – 2",
     {},
     {{4, "+1e"}, {5, "4e^2+1e"}}},
    {"a remainder with linear coefficient 1",
     {{2, 3, 1}, {3, 1, 2}, true, 2, 5, 1},
     u'h',
     "(6·h^4 + 11·h^3 + 10·h^2 + 8·h + 7) : (3·h^2 + 1·h + 2) = 2·h^2 + 3·h + 1",
     {},
     {{9, "h+5"}}},
    {"a negative leading divisor term (Variante 2, case 3)",
     {{6, 1, -2}, {-5, 2, 3}},
     u'e',
     "(–30·e^4 + 7·e^3 + 30·e^2 – 1·e – 6) : (–5·e^2 + 2·e + 3) = 6·e^2 + 1·e – 2",
     {},
     {{1, "6e^2"}, {2, "–30e^4+12e^3+18e^2"}}},
    {"a blank middle column",
     {{3, 2, -3}, {2, 3, 1}},
     u'x',
     "(6·x^4 + 13·x^3 + 3·x^2 – 7·x – 3) : (2·x^2 + 3·x + 1) = 3·x^2 + 2·x – 3",
     {"3x^2", "6x^4+9x^3+3x^2", "4x^3–7x", "+2x", "4x^3+6x^2+2x", "–6x^2–9x–3", "–3", "–6x^2–9x–3",
      "0"},
     {}},
};

TEST(DivisionSteps, TheWorkedCasesGiveTheirAnswersInOrder) {
  for (const EdgeCase& edge : kEdgeCases) {
    SCOPED_TRACE(edge.name);
    const WrittenDivision division = DivisionSteps(WriteTermDiv(edge.numbers, edge.letter));
    EXPECT_EQ(Utf8FromText(division.wholeLine), edge.task);
    const std::vector<std::string> answers = Answers(division);
    if (!edge.answers.empty()) EXPECT_EQ(answers, edge.answers);
    EXPECT_EQ(answers.size(), edge.numbers.quotient.size() * 3);
    for (const auto& [number, answer] : edge.someAnswers) {
      ASSERT_LE(static_cast<std::size_t>(number), answers.size());
      EXPECT_EQ(answers[static_cast<std::size_t>(number - 1)], answer) << "answer " << number;
    }
  }
}

TEST(DivisionSteps, AnswersAreTypedWithCoefficientOneExceptInTheRemainder) {
  const WrittenDivision withOne = DivisionSteps(WriteTermDiv({{3, 1, -2}, {4, 1}}, u'e'));
  EXPECT_EQ(withOne.steps[3].answer, u"+1e");
  EXPECT_NE(withOne.steps[3].answer, u"+e");
  EXPECT_EQ(withOne.steps[3].text, u" + 1·e");

  const TTermDiv rest = WriteTermDiv({{2, 3, 1}, {3, 1, 2}, true, 2, 5, 1}, u'h');
  EXPECT_EQ(rest.Rest, u"h + 5");
  const WrittenDivision division = DivisionSteps(rest);
  EXPECT_EQ(division.steps.back().text, u"h + 5");
  EXPECT_EQ(division.steps.back().answer, u"h+5");
}

TEST(DivisionSteps, TheFirstPromptNamesTheNegativeLeadingTerms) {
  const WrittenDivision division = DivisionSteps(WriteTermDiv({{6, 1, -2}, {-5, 2, 3}}, u'e'));
  EXPECT_EQ(division.steps[0].prompt, u"$Prüfe, wie oft –5·e^2 in –30·e^4 enthalten ist.$");
  EXPECT_EQ(division.steps[0].text, u"6·e^2");
  EXPECT_EQ(division.steps[1].prompt, u"$Multipliziere 6·e^2 mit dem Divisor.$");
  EXPECT_EQ(division.steps[4].prompt, u"$Multipliziere +1·e mit dem Divisor.$");
}

TEST(DivisionSteps, AZeroDifferenceLeavesItsColumnEmpty) {
  const TTermDiv record = WriteTermDiv({{3, 2, -3}, {2, 3, 1}}, u'x');
  EXPECT_EQ(record.Zeilen[2][1], u"4·x^3");
  EXPECT_EQ(record.Zeilen[2][2], Text(8, u' '));  // where ‹ + 0·x^2› would stand
  EXPECT_EQ(record.Zeilen[2][3], u" – 7·x");
  const WrittenDivision division = DivisionSteps(record);
  const DivisionStep& r1 = division.steps[2];
  EXPECT_EQ(r1.text, u"4·x^3" + Text(9, u' ') + u"– 7·x");
  EXPECT_EQ(r1.answer, u"4x^3–7x");
}

TEST(DivisionSteps, ARemainderOverATwoTermDivisorIsAConstant) {
  // A linear remainder over 7·h + 5 would be of the divisor's degree: only r0 = 3 is kept.
  const TTermDiv record = WriteTermDiv({{4, 5, -4}, {7, 5}, true, 2, 3, 6}, u'h');
  EXPECT_EQ(record.RestArt, 0);
  EXPECT_EQ(record.Rest, u"3");
  EXPECT_EQ(record.Dividend[3], u" – 3·h");
  EXPECT_EQ(record.Dividend[4], u" – 17");
  EXPECT_EQ(Answers(DivisionSteps(record)).back(), "3");
}

TEST(DivisionSteps, RowsFieldsAndColumnsFollowTheWrittenDivision) {
  // Stufe 3, Variante 2, RestArt 1: the remainder ‹3·h› ends in the linear column.
  const WrittenDivision division =
      DivisionSteps(WriteTermDiv({{7, -3, 4}, {6, -4, -5}, true, 1, 8, 3}, u'h'));
  struct Expected {
    DivisionAnswer kind;
    int field;
    int row;
    int column;
  };
  using enum DivisionAnswer;
  const Expected expected[] = {
      {QuotientTerm, 9, 0, 0},  {Product, 1, 1, 3}, {Difference, 2, 2, 4},
      {QuotientTerm, 10, 0, 0}, {Product, 3, 3, 4}, {Difference, 4, 4, 5},
      {QuotientTerm, 11, 0, 0}, {Product, 5, 5, 5}, {FinalDifference, 6, 6, 4}};
  ASSERT_EQ(division.steps.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const DivisionStep& step = division.steps[i];
    SCOPED_TRACE(testing::Message() << "answer " << i + 1);
    EXPECT_EQ(step.kind, expected[i].kind);
    EXPECT_EQ(step.field, expected[i].field);
    EXPECT_EQ(step.row, expected[i].row);
    EXPECT_EQ(step.column, expected[i].column);
    EXPECT_EQ(step.place,
              expected[i].row == 0 ? DivisionPlace::TaskLine : DivisionPlace::ColumnEnd);
    EXPECT_EQ(step.ruleBelow, step.kind == Product);
  }
  EXPECT_EQ(division.steps.back().prompt, u"$Subtrahiere den Term.$");
  EXPECT_EQ(division.steps[2].prompt,
            u"$Subtrahiere den Term und schreibe den nächsten Teilterm herab.$");
  EXPECT_EQ(division.task, u"(42·h^4 – 46·h^3 + 1·h^2 + 2·h – 20) : (6·h^2 – 4·h – 5) = ");
  EXPECT_EQ(division.columnEnds.back(), u"(42·h^4 – 46·h^3 + 1·h^2 + 2·h – 20");
  EXPECT_EQ(division.columnEnds.front(), u"(42·h^4");
  EXPECT_EQ(division.quotientStarts[1], division.task + u"7·h^2");

  // Stufe 2: the 0 stands centred under the last product, its field at the last column.
  const WrittenDivision noRest = DivisionSteps(WriteTermDiv({{4, 5, -4}, {7, 5}}, u'h'));
  EXPECT_EQ(noRest.steps.back().place, DivisionPlace::UnderProduct);
  EXPECT_EQ(noRest.steps.back().row, 6);
  EXPECT_EQ(noRest.steps.back().column, 4);
  EXPECT_EQ(noRest.steps.back().text, u"0");
}

// The steps of many generated divisions against the mathematics of the division: every
// expected answer reads as the polynomial it must be, every text and place matches it.
void CheckSteps(const TBruchM& item) {
  const TTermDiv& d = item.TermDiv;
  const char16_t x = item.Var1;
  const WrittenDivision division = DivisionSteps(d);
  SCOPED_TRACE(Utf8FromText(division.wholeLine) + " Rest " + Utf8FromText(d.Rest));
  const test::DivisionRead read = test::ReadDivision(d, x);
  ASSERT_FALSE(testing::Test::HasFailure());
  const int nq = d.AnzQuotient;
  const int nd = d.AnzDivisor;
  ASSERT_EQ(division.steps.size(), static_cast<std::size_t>(3 * nq));
  const auto must = [](TextView text) {
    const auto p = test::ReadPolynomial(text);
    EXPECT_TRUE(p.has_value()) << Utf8FromText(text);
    return p.value_or(Polynomial{});
  };

  // The task line: ‹(dividend) : (divisor) = › and then the quotient.
  const std::size_t between = division.task.find(u") : (");
  ASSERT_NE(between, Text::npos);
  ASSERT_TRUE(division.task.starts_with(u"(") && division.task.ends_with(u") = "));
  EXPECT_TRUE(must(TextView(division.task).substr(1, between - 1)) == read.dividendPolynomial);
  EXPECT_TRUE(
      must(TextView(division.task).substr(between + 5, division.task.size() - between - 9)) ==
      read.divisorPolynomial);
  ASSERT_TRUE(division.wholeLine.starts_with(division.task));
  EXPECT_TRUE(must(TextView(division.wholeLine).substr(division.task.size())) ==
              read.quotientPolynomial);
  ASSERT_EQ(division.columnEnds.size(), static_cast<std::size_t>(read.columns));
  for (int c = 1; c <= read.columns; ++c) {
    const Text& end = division.columnEnds[static_cast<std::size_t>(c - 1)];
    ASSERT_TRUE(division.task.starts_with(end));
    std::vector<long long> upTo(read.dividend.begin(), read.dividend.begin() + c);
    EXPECT_TRUE(must(TextView(end).substr(1)) ==
                test::FromCoefficients(upTo, x) * test::Term(1, x, read.exponentOf(c)));
  }
  ASSERT_EQ(division.quotientStarts.size(), static_cast<std::size_t>(nq));
  EXPECT_EQ(division.quotientStarts[0], division.task);

  Polynomial current = read.dividendPolynomial;
  Polynomial quotientSoFar;
  Polynomial lastProduct;
  for (std::size_t i = 0; i < division.steps.size(); ++i) {
    const DivisionStep& step = division.steps[i];
    SCOPED_TRACE(testing::Message() << "answer " << i + 1 << ": " << Utf8FromText(step.answer));
    const int k = static_cast<int>(i / 3) + 1;
    EXPECT_EQ(step.term, k);
    EXPECT_EQ(step.answer.find_first_of(u" ·"), Text::npos);
    const Polynomial answer = must(step.answer);
    EXPECT_TRUE(must(step.text) == answer);
    const long long qk = read.quotient[static_cast<std::size_t>(k - 1)];
    const Polynomial qTerm = test::Term(qk, x, nq - k);
    switch (i % 3) {
      case 0: {
        EXPECT_EQ(step.kind, DivisionAnswer::QuotientTerm);
        EXPECT_EQ(step.field, 8 + k);
        EXPECT_EQ(step.place, DivisionPlace::TaskLine);
        EXPECT_TRUE(answer == qTerm);
        EXPECT_TRUE(
            division.quotientStarts[static_cast<std::size_t>(k - 1)].starts_with(division.task));
        EXPECT_TRUE(
            must(TextView(division.quotientStarts[static_cast<std::size_t>(k - 1)] + u" + 0")
                     .substr(division.task.size())) == quotientSoFar);
        quotientSoFar = quotientSoFar + qTerm;
        // "$Prüfe, wie oft D1 in L enthalten ist.$": D1 the divisor's, L the line's leading term.
        const Text prefix = u"$Prüfe, wie oft ";
        const Text suffix = u" enthalten ist.$";
        ASSERT_TRUE(step.prompt.starts_with(prefix) && step.prompt.ends_with(suffix));
        const Text middle =
            step.prompt.substr(prefix.size(), step.prompt.size() - prefix.size() - suffix.size());
        const std::size_t in = middle.find(u" in ");
        ASSERT_NE(in, Text::npos);
        const Text divisorLead = middle.substr(0, in);
        const Text lineLead = middle.substr(in + 4);
        EXPECT_EQ((divisorLead + lineLead).find(u' '), Text::npos);
        EXPECT_TRUE(must(divisorLead) == test::Term(read.divisor[0], x, nd - 1));
        EXPECT_TRUE(must(lineLead) == test::Term(current.coefficient({{x, read.exponentOf(k)}}), x,
                                                 read.exponentOf(k)));
        break;
      }
      case 1: {
        EXPECT_EQ(step.kind, DivisionAnswer::Product);
        EXPECT_EQ(step.field, 2 * k - 1);
        EXPECT_EQ(step.row, 2 * k - 1);
        EXPECT_TRUE(step.ruleBelow);
        lastProduct = qTerm * read.divisorPolynomial;
        EXPECT_TRUE(answer == lastProduct);
        EXPECT_EQ(answer.minExponent(x), read.exponentOf(step.column));
        EXPECT_TRUE(step.prompt.starts_with(u"$Multipliziere ") &&
                    step.prompt.ends_with(u" mit dem Divisor.$"));
        EXPECT_TRUE(must(TextView(step.prompt).substr(15, step.prompt.size() - 15 - 18)) == qTerm);
        current = current - lastProduct;
        break;
      }
      default: {
        EXPECT_EQ(step.field, 2 * k);
        EXPECT_EQ(step.row, 2 * k);
        EXPECT_FALSE(step.ruleBelow);
        if (k < nq) {
          EXPECT_EQ(step.kind, DivisionAnswer::Difference);
          EXPECT_EQ(step.place, DivisionPlace::ColumnEnd);
          Polynomial inColumns;
          for (const auto& [monomial, value] : current.terms) {
            const auto power = monomial.find(x);
            if ((power == monomial.end() ? 0 : power->second) >= read.exponentOf(step.column)) {
              inColumns.terms[monomial] = value;
            }
          }
          EXPECT_TRUE(answer == inColumns);
          EXPECT_EQ(answer.minExponent(x), read.exponentOf(step.column));
        } else {
          EXPECT_EQ(step.kind, DivisionAnswer::FinalDifference);
          EXPECT_EQ(step.prompt, u"$Subtrahiere den Term.$");
          EXPECT_TRUE(answer == current);
          if (d.Rest.empty()) {
            EXPECT_EQ(step.text, u"0");
            EXPECT_EQ(step.place, DivisionPlace::UnderProduct);
            EXPECT_EQ(step.column, read.columns);
          } else {
            EXPECT_EQ(step.text, d.Rest);
            EXPECT_EQ(step.place, DivisionPlace::ColumnEnd);
            EXPECT_EQ(answer.minExponent(x), read.exponentOf(step.column));
          }
        }
        break;
      }
    }
  }
  EXPECT_TRUE(quotientSoFar == read.quotientPolynomial);
}

void MakeStufe2(int index) { MakeDivisionItem(2, index); }
void MakeStufe3(int index) { MakeDivisionItem(3, index); }

TEST(DivisionSteps, EveryGeneratedDivisionAsksForItsOwnAnswers) {
  test::ForManyItems(2, MakeStufe2, CheckSteps);
  test::ForManyItems(3, MakeStufe3, CheckSteps);
}

}  // namespace
}  // namespace kalkora::fractions

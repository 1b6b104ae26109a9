#include "topics/fractions/long_division_steps.h"

#include <cstddef>
#include <utility>

#include "base/shared_functions.h"
#include "topics/fractions/finishing_steps.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

std::size_t At(int index) { return static_cast<std::size_t>(index); }

Text JoinedLine(const OneBasedArray<Text, 3>& terms) { return terms[1] + terms[2] + terms[3]; }

Text QuotientPrompt(const TTermDiv& d, int k) {
  const Text& leading = k == 1 ? d.Dividend[1] : d.Zeilen[At(2 * k - 2)][1];
  return u"$Prüfe, wie oft " + RemoveSpaces(d.Divisor[1]) + u" in " + RemoveSpaces(leading) +
         u" enthalten ist.$";
}

Text ProductPrompt(const TTermDiv& d, int k) {
  return u"$Multipliziere " + RemoveSpaces(d.Quotient[At(k)]) + u" mit dem Divisor.$";
}

DivisionStep RowStep(DivisionAnswer kind, int k, int row, int column, Text prompt, Text text) {
  DivisionStep step;
  step.kind = kind;
  step.term = k;
  step.field = row;
  step.place = DivisionPlace::ColumnEnd;
  step.row = row;
  step.column = column;
  step.ruleBelow = kind == DivisionAnswer::Product;
  step.prompt = std::move(prompt);
  step.answer = InputForm(text);
  step.text = std::move(text);
  return step;
}

}  // namespace

WrittenDivision DivisionSteps(const TTermDiv& d) {
  const int nq = d.AnzQuotient;
  const int nd = d.AnzDivisor;
  const int columns = nq + nd - 1;
  WrittenDivision division;

  division.task = u"(";
  for (int c = 1; c <= columns; ++c) {
    division.task += d.Dividend[At(c)];
    division.columnEnds.push_back(division.task);
  }
  division.task += u") : (";
  for (int j = 1; j <= nd; ++j) division.task += d.Divisor[At(j)];
  division.task += u") = ";
  division.wholeLine = division.task;
  for (int k = 1; k <= nq; ++k) {
    division.quotientStarts.push_back(division.wholeLine);
    division.wholeLine += d.Quotient[At(k)];
  }

  for (int k = 1; k <= nq; ++k) {
    DivisionStep quotient;
    quotient.kind = DivisionAnswer::QuotientTerm;
    quotient.term = k;
    quotient.field = 8 + k;
    quotient.prompt = QuotientPrompt(d, k);
    quotient.text = d.Quotient[At(k)];
    quotient.answer = InputForm(quotient.text);
    division.steps.push_back(std::move(quotient));

    // P_k covers the columns k … k + nd − 1; R_k the next nd columns.
    const int productRow = 2 * k - 1;
    division.steps.push_back(RowStep(DivisionAnswer::Product, k, productRow, k + nd - 1,
                                     ProductPrompt(d, k), JoinedLine(d.Zeilen[At(productRow)])));
    if (k < nq) {
      division.steps.push_back(
          RowStep(DivisionAnswer::Difference, k, productRow + 1, k + nd,
                  u"$Subtrahiere den Term und schreibe den nächsten Teilterm herab.$",
                  JoinedLine(d.Zeilen[At(productRow + 1)])));
    }
  }

  const bool withRest = !d.Rest.empty();
  // A remainder without constant (RestArt 1) ends in the linear column.
  const int restColumn = withRest && d.RestArt == 1 ? columns - 1 : columns;
  DivisionStep last = RowStep(DivisionAnswer::FinalDifference, nq, 2 * nq, restColumn,
                              u"$Subtrahiere den Term.$", withRest ? d.Rest : Text(u"0"));
  if (!withRest) last.place = DivisionPlace::UnderProduct;
  division.steps.push_back(std::move(last));
  return division;
}

}  // namespace kalkora::fractions

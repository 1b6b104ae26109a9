#include "topics/fractions/fraction_step_drawing.h"

#include <algorithm>

#include "drawing/denominator_table.h"
#include "drawing/fraction_expression.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/primitives.h"
#include "frame/palette.h"
#include "topics/fractions/fraction_example_drawing.h"

namespace kalkora {
namespace {

using fractions::WrittenColumns;
using fractions::WrittenLine;

constexpr bool kBold = true;
constexpr int kSmallestSize = 10;
constexpr double kPageLeft = -49.5;
constexpr double kPageRight = 49.5;
constexpr int kRuleWidth = 3;

// The division display.
constexpr int kDivisionSize = 20;
constexpr double kDivisionTaskY = 21.3;
constexpr double kDivisionRowStep = 4;
constexpr double kDivisionRuleDrop = 3.3;
constexpr double kSentenceY = -25;
constexpr int kClosingTextSize = 22;
constexpr int kClosingFractionSize = 18;
constexpr double kClosingY = -18;
constexpr double kClosingFractionY = -18.7;
constexpr double kClosingGap = 0.5;

// The number comparison.
constexpr int kComparisonSize = 22;
constexpr double kComparisonTaskY = 28;
constexpr double kComparisonRowStep = 4;
constexpr double kComparisonRuleDrop = 3.6;
constexpr double kHeadingY = 35;
constexpr int kHeadingSize = 16;
constexpr double kComparisonSentenceY = -26;

double Width(TextView text, int size) { return MarkupTextWidth(text, size, kBold) / 10.0; }

ColourSet Rose() {
  ColourSet rose;
  rose.fill(palette::palRose);
  return rose;
}

// The largest size from `size` down to the smallest at which `width(size)` is at most `room`.
template <typename Width>
int SizeToFit(int size, double room, Width width) {
  while (size > kSmallestSize && width(size) > room) --size;
  return size;
}

WrittenPlaces Measure(const WrittenColumns& columns, double lineStart, int size) {
  WrittenPlaces places;
  places.size = size;
  places.lineStart = lineStart;
  for (const Text& upTo : columns.columnEnds) {
    places.columnEnds.push_back(lineStart + Width(upTo, size));
  }
  places.lineEnd = lineStart + Width(columns.wholeLine, size);
  return places;
}

double RowTop(const WrittenLine& line, double taskY, double step) {
  return taskY - step * line.row;
}

void DrawWrittenLines(QPainter& painter, const std::vector<WrittenLine>& lines,
                      const WrittenPlaces& places, double taskY, double rowStep, double ruleDrop) {
  const ColourSet& colours = palette::MarkupColours;
  for (const WrittenLine& line : lines) {
    const double y = RowTop(line, taskY, rowStep);
    const LineSpan span = WrittenLineSpan(line, places);
    DrawMarkupLeft(painter, span.left, y, line.text, places.size, kBold, colours);
    if (!line.after.empty()) {
      DrawMarkupLeft(painter, span.left + Width(line.text, places.size), y, line.after, places.size,
                     kBold, colours);
    }
    if (line.rule) {
      PageLine(painter, kRuleWidth, QColor(Qt::black), span.left, y - ruleDrop, span.right,
               y - ruleDrop, LineStyle::Solid);
    }
  }
}

// A sentence centred on `centre`, smaller where it would take more than `room`.
void DrawSentence(QPainter& painter, TextView sentence, int size, double centre, double room,
                  double y) {
  if (sentence.empty()) return;
  const int fitted = SizeToFit(size, room, [&](int s) { return Width(sentence, s); });
  DrawMarkup6(painter, centre - Width(sentence, fitted) / 2, y, sentence, fitted, kBold,
              palette::MarkupColours, false);
}

}  // namespace

void DrawUnlikeExample(QPainter& painter, const fractions::UnlikeExamplePage& page) {
  const fractions::TableFrame& t = page.table;
  DrawDenominatorTable(painter, t.left, t.top, t.width, t.rowHeight, t.rows, t.penWidth);
  for (const fractions::ExampleRow& row : page.cells) DrawExampleRow(painter, row);
  for (const fractions::ExampleRow& row : page.lines) DrawExampleRow(painter, row);
}

LineSpan WrittenLineSpan(const WrittenLine& line, const WrittenPlaces& places) {
  const double width = Width(line.text, places.size);
  const double left =
      line.row == 0 || line.column < 1 || line.column > static_cast<int>(places.columnEnds.size())
          ? places.lineStart
          : places.columnEnds[static_cast<std::size_t>(line.column - 1)] - width;
  return {left, left + width + Width(line.after, places.size)};
}

WrittenPlaces WorkedDivisionPlaces(const TTermDiv& division) {
  // The last step holds every line of the division.
  const fractions::WorkedDivisionStep whole =
      fractions::WorkedDivisionAt(division, fractions::WorkedDivisionStepCount(division));
  const auto placesAt = [&](int size) {
    return Measure(whole.columns, -Width(whole.columns.wholeLine, size) / 2, size);
  };
  const int size = SizeToFit(kDivisionSize, kPageRight - kPageLeft, [&](int s) {
    const WrittenPlaces places = placesAt(s);
    double left = places.lineStart;
    double right = places.lineEnd;
    for (const WrittenLine& line : whole.lines) {
      const LineSpan span = WrittenLineSpan(line, places);
      left = std::min(left, span.left);
      right = std::max(right, span.right);
    }
    // The room a line centred on 0 needs for the farther of its two ends.
    return 2 * std::max(-left, right);
  });
  return placesAt(size);
}

void DrawWorkedDivision(QPainter& painter, const TTermDiv& division, int stepNumber) {
  const WrittenPlaces places = WorkedDivisionPlaces(division);
  const fractions::WorkedDivisionStep step = fractions::WorkedDivisionAt(division, stepNumber);
  DrawWrittenLines(painter, step.lines, places, kDivisionTaskY, kDivisionRowStep,
                   kDivisionRuleDrop);
  DrawSentence(painter, step.sentence, step.sentenceSize, 0, kPageRight - kPageLeft, kSentenceY);
  if (!step.closing) return;
  const fractions::DivisionWithRemainder& r = step.withRemainder;
  const double text = Width(r.text, kClosingTextSize);
  const double fraction = FractionWidth(r.numerator, r.denominator, kClosingFractionSize);
  const double left = -(text + kClosingGap + fraction) / 2;
  DrawMarkupLeft(painter, left, kClosingY, r.text, kClosingTextSize, kBold, Rose());
  DrawFraction(painter, left + text + kClosingGap, kClosingFractionY, r.numerator, r.denominator,
               kClosingFractionSize, Rose());
}

WrittenPlaces ComparisonPlaces(const fractions::ComparisonHalf& half) {
  const int size = SizeToFit(kComparisonSize, kPageRight - half.lineStart,
                             [&](int s) { return Width(half.columns.wholeLine, s); });
  return Measure(half.columns, half.lineStart, size);
}

void DrawComparison(QPainter& painter, const fractions::ComparisonPage& page) {
  for (const fractions::ComparisonHalf* half : {&page.numbers, &page.polynomials}) {
    DrawMarkupCentred(painter, half->centre, kHeadingY, half->heading, kHeadingSize, kBold,
                      palette::MarkupColours);
    DrawWrittenLines(painter, half->lines, ComparisonPlaces(*half), kComparisonTaskY,
                     kComparisonRowStep, kComparisonRuleDrop);
    DrawSentence(painter, half->sentence, half->sentenceSize, half->centre, half->room,
                 kComparisonSentenceY);
    for (const fractions::ClosingLine& line : half->closing) {
      const int size = SizeToFit(line.size, kPageRight - line.x,
                                 [&](int s) { return FractionExprWidth(line.text, s) / 10.0; });
      DrawFractionExpr(painter, line.x, line.y, line.text, size,
                       line.rose ? palette::palRose : QColor(Qt::black));
    }
  }
}

}  // namespace kalkora

#include "topics/polynomials/long_division_drawing.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "drawing/markup.h"
#include "drawing/primitives.h"
#include "frame/palette.h"
#include "terms/term_exponents.h"

namespace kalkora::long_division_drawing {
namespace {

using fractions::DivisionPlace;
using fractions::DivisionStep;
using long_division_exercise::DivisionProgress;

constexpr int kTextSize = 18;
constexpr int kSmallSize = 14;         // the prompt and a quotient term typed wrong twice
constexpr double kTypedAboveY = 24.5;  // that typed quotient term, above its term
constexpr double kPromptY = -30;       // the prompt, centred at the foot of the page
constexpr double kRuleBelow = 3;       // a rule this far below the top of its product
constexpr int kRuleWidth = 3;
constexpr double kPageRight = 49.5;

// The task line, then P1, R1, P2, R2, P3, R3 (or the final difference of three quotient
// terms), P4 and the final difference of four.
constexpr std::array<double, 9> kRowY = {22, 18.5, 14.5, 11, 7, 3.5, -0.5, -4, -7.5};

std::size_t At(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

double Width(TextView text) { return MarkupWidth(text, kTextSize, true) / 10.0; }

Text Marked(char16_t marker, TextView text) {
  Text marked(1, marker);
  marked += text;
  marked += marker;
  return marked;
}

void DrawText(QPainter& painter, double x, double y, TextView text, int size = kTextSize) {
  DrawMarkupLeft(painter, x, y, text, size, true, palette::MarkupColours);
}

// The product a step's line stands under: the step before it in the row above.
const DivisionStep* ProductAbove(const DivisionProgress& progress, int number) {
  for (int n = number - 1; n >= 1; --n) {
    if (progress.step(n).row == progress.step(number).row - 1) return &progress.step(n);
  }
  return nullptr;
}

double ColumnEnd(const DivisionLayout& layout, int column) {
  return layout.columnEnds.at(At(column));
}

void DrawQuotientTerm(QPainter& painter, const DivisionProgress& progress, int number,
                      const DivisionLayout& layout) {
  const DivisionStep& step = progress.step(number);
  const double x = layout.quotientStarts.at(At(step.term));
  if (progress.state(number) == DivisionProgress::State::Right) {
    DrawText(painter, x, RowY(0), Marked(u'~', step.text));
    return;
  }
  DrawText(painter, x, RowY(0), step.text);
  DrawText(painter, x, kTypedAboveY, Marked(u'#', SplitExponentDigits(progress.typed(number))),
           kSmallSize);
}

void DrawLine(QPainter& painter, const DivisionProgress& progress, int number,
              const DivisionLayout& layout) {
  const DivisionStep& step = progress.step(number);
  const bool right = progress.state(number) == DivisionProgress::State::Right;
  const double y = RowY(step.row);
  const Text text = right ? Marked(u'~', step.text) : step.text;
  if (step.place == DivisionPlace::UnderProduct) {
    const DivisionStep* product = ProductAbove(progress, number);
    const double rightEnd = ColumnEnd(layout, product ? product->column : step.column);
    const double width = product ? Width(product->text) : 0;
    DrawMarkupCentred(painter, rightEnd - width / 2, y, text, kTextSize, true,
                      palette::MarkupColours);
  } else {
    DrawMarkupRight(painter, ColumnEnd(layout, step.column), y, text, kTextSize, true,
                    palette::MarkupColours);
  }
  if (!right) {
    // The learner's text in the same row, right of the written lines, under the quotient
    // (a long wrong text moves left rather than past the page's edge).
    const Text typed = SplitExponentDigits(progress.typed(number));
    DrawText(painter, std::min(layout.quotientStarts.front(), kPageRight - Width(typed)), y,
             Marked(u'#', typed));
  }
  if (step.ruleBelow) {
    const double end = ColumnEnd(layout, step.column);
    PageLine(painter, kRuleWidth, QColor(Qt::black), end - Width(step.text), y - kRuleBelow, end,
             y - kRuleBelow, LineStyle::Solid);
  }
}

}  // namespace

const Page& DivisionPage() {
  static const Page page = MakePage(-50, 50, -30, 30, 1000, 600);
  return page;
}

void SetDivisionPage() { SetPage(-50, 50, -30, 30, 1000, 600); }

QPoint PagePixelOf(double x, double y) { return PageToPixel(DivisionPage(), x, y); }

DivisionLayout MeasureDivision(const fractions::WrittenDivision& division) {
  DivisionLayout layout;
  layout.lineStart = -Width(division.wholeLine) / 2;
  for (const Text& upTo : division.columnEnds) {
    layout.columnEnds.push_back(layout.lineStart + Width(upTo));
  }
  for (const Text& upTo : division.quotientStarts) {
    layout.quotientStarts.push_back(layout.lineStart + Width(upTo));
  }
  return layout;
}

double RowY(int row) { return kRowY.at(static_cast<std::size_t>(row)); }

FieldAnchor AnchorOf(const DivisionStep& step, const DivisionLayout& layout) {
  if (step.place == DivisionPlace::TaskLine) {
    return {PagePixelOf(layout.quotientStarts.at(At(step.term)), RowY(0)), false};
  }
  return {PagePixelOf(ColumnEnd(layout, step.column), RowY(step.row)), true};
}

void DrawDivision(QPainter& painter, const DivisionProgress& progress,
                  const DivisionLayout& layout) {
  DrawText(painter, layout.lineStart, RowY(0), progress.division().task);
  for (int n = 1; n <= progress.stepCount(); ++n) {
    if (!progress.done(n)) continue;
    if (progress.step(n).place == DivisionPlace::TaskLine) {
      DrawQuotientTerm(painter, progress, n, layout);
    } else {
      DrawLine(painter, progress, n, layout);
    }
  }
  // Only while an answer is asked: none past the last one.
  if (const DivisionStep* step = progress.currentStep()) {
    DrawMarkupCentred(painter, 0, kPromptY, step->prompt, kSmallSize, true, palette::MarkupColours);
  }
}

}  // namespace kalkora::long_division_drawing

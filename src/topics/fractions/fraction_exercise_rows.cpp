#include "topics/fractions/fraction_exercise_rows.h"

#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/primitives.h"
#include "frame/palette.h"
#include "practice/exercise_window.h"
#include "terms/term_exponents.h"
#include "topics/fractions/answer_rules.h"
#include "topics/fractions/domain_values.h"
#include "topics/fractions/fraction_exercise_layout.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

constexpr bool kBold = true;
// Text drawn on the line of a fraction's bar ("=", a minus, a numerator alone) stands this
// far above the fraction's y, as the "=" of the fraction chains.
constexpr double kOnBarY = 0.3;
// The bar of an open fraction answer, between its two fields or above the common
// denominator, and the tops of a numerator and a denominator drawn by hand.
constexpr double kOpenBarBelow = 1;
constexpr double kNumeratorAbove = 2;
// The room between a fraction's minus and its bar.
constexpr double kMinusGap = 0.3;

const QColor& AnswerColour(bool right) { return right ? palette::palViolet : palette::palRose; }

Text TypedField(const std::vector<Text>& typed, std::size_t field) {
  // The learner's exponent digits are raised one by one, as the solutions are written.
  return field < typed.size() ? SplitExponentDigits(typed[field]) : Text();
}

double FieldUnits(const TBruchM& item) { return (item.Feldbreite + 20) / 10.0; }

double DenominatorTop(double y, TextView denominator) {
  return denominator.find(u'^') != TextView::npos ? y - 2 : y - 1.2;
}

int Pixels(TextView text, int size) { return MarkupWidth(text, size, kBold); }

int DomainValuesPixels(TextView text, int size) {
  int pixels = 0;
  bool first = true;
  for (const DomainValue& value : DomainValues(text)) {
    if (!first) pixels += Pixels(u",", size);
    first = false;
    if (!value.isFraction()) {
      pixels += Pixels(value.numerator, size);
      continue;
    }
    if (value.minus) pixels += Pixels(u"–", size) + static_cast<int>(kMinusGap * 10);
    pixels += static_cast<int>(FractionWidth(value.numerator, value.denominator, size) * 10);
  }
  return pixels;
}

// A fraction answer at the fields' place: the solution's numerator alone when its denominator
// is "1", otherwise stacked.
void DrawFractionAnswer(QPainter& painter, double x, double y, TextView numerator,
                        TextView denominator, bool right) {
  const ColourSet colours = OneColour(AnswerColour(right));
  if (right && denominator == u"1") {
    DrawMarkupLeft(painter, x, y + kOnBarY, numerator, kRowSize, kBold, colours);
    return;
  }
  DrawFraction(painter, x, y, numerator, denominator, kRowSize, colours);
}

// The answer part of a numerator and a denominator field: an open bar between the fields,
// or the solution or the learner's two texts.
void DrawFractionFields(QPainter& painter, const TBruchM& item, double y,
                        const std::vector<Text>& typed) {
  const double x = FieldPageX(item);
  if (item.Richtig) {
    const std::size_t bar = item.Loesung.find(u'/');
    const TextView solution(item.Loesung);
    DrawFractionAnswer(painter, x, y, solution.substr(0, bar),
                       bar == Text::npos ? TextView() : solution.substr(bar + 1), true);
  } else if (item.Gezeigt) {
    DrawFractionAnswer(painter, x, y, TypedField(typed, 0), TypedField(typed, 1), false);
  } else {
    PageLine(painter, 3, QColor(Qt::black), x, y - kOpenBarBelow, x + FieldUnits(item),
             y - kOpenBarBelow, LineStyle::Solid);
  }
}

// A one-field answer after the task's text, drawn where the field stood.
void DrawLineAnswer(QPainter& painter, const TBruchM& item, double y,
                    const std::vector<Text>& typed) {
  if (!item.Richtig && !item.Gezeigt) return;
  Text line = u"#";
  line += item.Richtig ? item.Antwort : TypedField(typed, 0);
  line += u'#';
  const double x = FieldPageX(item);
  DrawTwoColour(painter, x, y, line, ExerciseWindow::FinishedRowSize(x, line), kBold,
                QColor(Qt::black), AnswerColour(item.Richtig));
}

void DrawDomainRow(QPainter& painter, const TBruchM& item, double y,
                   const std::vector<Text>& typed) {
  DrawFraction(painter, item.Links, y, item.Text[1], item.Text[4], kRowSize,
               palette::MarkupColours);
  // ‹x ≠›: "~" draws the next character, "¹", as the not-equal sign.
  Text notEqual(1, item.Var1);
  notEqual += u" ~¹";
  DrawSymbolMixed(painter, 5, y, notEqual, kRowSize, kBold, QColor(Qt::black));
  const double x = FieldPageX(item) + 0.5;
  if (item.Richtig) {
    DrawDomainValues(painter, x, y, ExpectedOneFieldText(item.Loesung), palette::palViolet);
  } else if (item.Gezeigt && !typed.empty()) {
    DrawDomainValues(painter, x, y, typed[0], palette::palRose);
  }
}

void DrawCancellingRow(QPainter& painter, const TBruchM& item, double y,
                       const std::vector<Text>& typed) {
  const double width = DrawFraction(painter, item.Links, y, item.Text[1], item.Text[4], kRowSize,
                                    palette::MarkupColours);
  DrawMarkupLeft(painter, item.Links + width, y + kOnBarY, u" = ", kRowSize, kBold,
                 palette::MarkupColours);
  DrawFractionFields(painter, item, y, typed);
}

void DrawLikeDenominatorsRow(QPainter& painter, const TBruchM& item, double y,
                             const std::vector<Text>& typed) {
  constexpr int size = kLikeDenominatorsSize;
  const Text op1(1, item.Op1);
  if (item.Anzahl == 3) {
    DrawThreeFractions(painter, item.Links, y, item.Text[1], item.Text[5], op1, item.Text[2],
                       item.Text[6], Text(1, item.Op2), item.Text[3], item.Text[7], size,
                       palette::BlackColours);
  } else {
    DrawFractionOpFraction(painter, item.Links, y, item.Text[1], item.Text[5], op1, item.Text[2],
                           item.Text[6], size, palette::BlackColours);
  }
  // The common denominator under a bar as long as the field; the numerator above it.
  const double left = FieldPageX(item);
  const double middle = left + FieldUnits(item) / 2;
  PageLine(painter, 3, QColor(Qt::black), left, y - kOpenBarBelow, left + FieldUnits(item),
           y - kOpenBarBelow, LineStyle::Solid);
  DrawMarkupCentred(painter, middle, DenominatorTop(y, item.Text[5]), item.Text[5], size, kBold,
                    palette::MarkupColours);
  if (item.Richtig || item.Gezeigt) {
    const Text numerator = item.Richtig ? item.Antwort : TypedField(typed, 0);
    DrawMarkupCentred(painter, middle, y + kNumeratorAbove, numerator, size, kBold,
                      OneColour(AnswerColour(item.Richtig)));
  }
}

void DrawProductRow(QPainter& painter, ExerciseKind kind, const TBruchM& item, double y,
                    const std::vector<Text>& typed) {
  const SecondFraction second = SecondFactor(kind, item);
  DrawFractionOpFraction(painter, item.Links, y, item.Text[1], item.Text[5], second.op,
                         second.numerator, second.denominator, kRowSize, palette::BlackColours);
  DrawFractionFields(painter, item, y, typed);
}

void DrawTextRow(QPainter& painter, TextView task, const TBruchM& item, double y,
                 const std::vector<Text>& typed) {
  DrawMarkupLeft(painter, item.Links, y, task, kRowSize, kBold, palette::MarkupColours);
  DrawLineAnswer(painter, item, y, typed);
}

}  // namespace

int DomainValuesSize(double x, TextView values) {
  int size = kRowSize;
  while (size > ExerciseWindow::kSmallestRowTextSize &&
         x + DomainValuesPixels(values, size) / 10.0 > ExerciseWindow::kRowTextEndX) {
    --size;
  }
  return size;
}

void DrawDomainValues(QPainter& painter, double x, double y, TextView values,
                      const QColor& colour) {
  const int size = DomainValuesSize(x, values);
  const ColourSet colours = OneColour(colour);
  double next = x;
  bool first = true;
  for (const DomainValue& value : DomainValues(values)) {
    if (!first) {
      DrawMarkupLeft(painter, next, y, u",", size, kBold, colours);
      next += Pixels(u",", size) / 10.0;
    }
    first = false;
    if (!value.isFraction()) {
      DrawMarkupLeft(painter, next, y, value.numerator, size, kBold, colours);
      next += Pixels(value.numerator, size) / 10.0;
      continue;
    }
    if (value.minus) {
      DrawMarkupLeft(painter, next, y + kOnBarY, u"–", size, kBold, colours);
      next += Pixels(u"–", size) / 10.0 + kMinusGap;
    }
    next += DrawFraction(painter, next, y, value.numerator, value.denominator, size, colours);
  }
}

void DrawExerciseRow(QPainter& painter, const FractionExercise& exercise, const TBruchM& item,
                     double y, const std::vector<Text>& typed) {
  switch (exercise.kind) {
    case ExerciseKind::Domain: DrawDomainRow(painter, item, y, typed); return;
    case ExerciseKind::Cancelling: DrawCancellingRow(painter, item, y, typed); return;
    case ExerciseKind::Lcm: DrawTextRow(painter, item.Text[1], item, y, typed); return;
    case ExerciseKind::LikeDenominators: DrawLikeDenominatorsRow(painter, item, y, typed); return;
    case ExerciseKind::Multiply:
    case ExerciseKind::Divide: DrawProductRow(painter, exercise.kind, item, y, typed); return;
    case ExerciseKind::DivideByMonomial:
      DrawTextRow(painter, MonomialDivisionTask(item), item, y, typed);
      return;
  }
}

}  // namespace kalkora::fractions

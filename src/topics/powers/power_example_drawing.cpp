#include "topics/powers/power_example_drawing.h"

#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "frame/palette.h"
#include "topics/powers/power_text.h"

namespace kalkora {
namespace {

using powers::PowerExampleForm;
using powers::PowerExampleLine;
using powers::WithoutChars;

constexpr int kSize = 18;
constexpr double kQuotientPowerX = -8;

// The width (page units) of a markup text as DrawMarkup3 centres it: markers and carets left
// out, exponents counted at full size.
double CentringWidth(TextView markup) {
  return MarkupTextWidth(WithoutChars(markup, u"#_~^"), kSize, true) / 10.0;
}

// The width of the text after a fraction (drawn from its left edge).
double TextWidth(TextView markup) {
  return MarkupWidth(WithoutChars(markup, u"#_~"), kSize, true) / 10.0;
}

Text EqualsThen(TextView result) { return Text(u"= ").append(result); }
Text TimesThen(TextView factor) { return Text(u"·").append(factor); }

double TaskFractionWidth(const PowerExampleLine& line) {
  return PowerFractionWidth(line.numerator, line.denominator, kSize);
}
double ResultFractionWidth(const PowerExampleLine& line) {
  return PowerFractionWidth(line.resultNumerator, line.resultDenominator, kSize);
}

// The offsets of DrawFractionEquals (spacing 1) and DrawFractionEqualsFactor after the task
// fraction, and of the text after a fraction.
constexpr double kResultFractionGap = 3;
constexpr double kFactorGap = 5;
constexpr double kTextGap = 1;

double Width(const PowerExampleLine& line) {
  switch (line.form) {
    case PowerExampleForm::Equation: return CentringWidth(line.equation);
    case PowerExampleForm::FractionThenResult:
      return TaskFractionWidth(line) + kTextGap + TextWidth(EqualsThen(line.result));
    case PowerExampleForm::FractionEquals:
      return TaskFractionWidth(line) + kResultFractionGap + ResultFractionWidth(line);
    case PowerExampleForm::FractionEqualsFactor:
      return TaskFractionWidth(line) + kFactorGap + TextWidth(TimesThen(line.factor));
    case PowerExampleForm::PowerOfFraction: break;
  }
  return 0;
}

}  // namespace

PageSpan PowerExampleLineSpan(const PowerExampleLine& line) {
  if (line.form == PowerExampleForm::PowerOfFraction) {
    // As DrawPowerOfFraction places them: the bracket 1 unit before the task fraction, the
    // result fraction 5 units after it.
    const double task = WideFractionHalfWidth(line.numerator, line.denominator, kSize);
    const double result =
        WideFractionHalfWidth(line.resultNumerator, line.resultDenominator, kSize);
    return {kQuotientPowerX - task - 1, kQuotientPowerX + task + 5 + 2 * result};
  }
  const double width = Width(line);
  return {-width / 2, width / 2};
}

void DrawPowerExampleLine(QPainter& painter, double y, const PowerExampleLine& line) {
  const auto& colours = palette::MarkupColours;
  const double left = PowerExampleLineSpan(line).left;
  switch (line.form) {
    case PowerExampleForm::Equation:
      DrawMarkup3(painter, 0, y, line.equation, kSize, true, colours, /*centred=*/true);
      return;
    case PowerExampleForm::FractionThenResult: {
      const double width =
          DrawPowerFraction(painter, left, y, line.numerator, line.denominator, kSize, colours);
      DrawMarkup3(painter, left + width + kTextGap, y + 0.2, EqualsThen(line.result), kSize, true,
                  colours, /*centred=*/false);
      return;
    }
    case PowerExampleForm::FractionEquals:
      DrawFractionEquals(painter, left, y, line.numerator, line.denominator, line.resultNumerator,
                         line.resultDenominator, kSize, colours, /*spacing=*/1);
      return;
    case PowerExampleForm::FractionEqualsFactor:
      DrawFractionEqualsFactor(painter, left, y, line.numerator, line.denominator,
                               line.resultNumerator, line.resultDenominator, line.factor, kSize,
                               colours);
      return;
    case PowerExampleForm::PowerOfFraction:
      DrawPowerOfFraction(painter, kQuotientPowerX, y, line.numerator, line.denominator,
                          line.exponent, line.resultNumerator, line.resultDenominator, kSize,
                          colours, /*withRight=*/true);
      return;
  }
}

}  // namespace kalkora

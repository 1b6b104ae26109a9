#include "worksheet/formula_drawing.h"

#include <algorithm>

#include "drawing/font_faces.h"
#include "drawing/fonts.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "drawing/primitives.h"

namespace kalkora::worksheet {
namespace {

constexpr bool kBold = true;
// A fraction's page y lies this far above the bar's axis; its numerator's top 20 above that,
// its denominator's top 12 below it (20 when the denominator has an exponent): the places
// DrawFraction gives them.
constexpr double kFractionAboveAxis = 11;
constexpr double kNumeratorTop = 20;
constexpr double kDenominatorTop = 12;
constexpr double kRaisedDenominatorTop = 20;
// Room left and right of a fraction: a centred text with an exponent reaches a little past
// the bar.
constexpr double kFractionMargin = 3;
// The gap of a solution inside a formula: wider than its text, as handwriting is.
constexpr double kGapStretch = 1.3;
constexpr double kNarrowestGap = 60;
constexpr double kLineGap = 8;
constexpr int kRulePen = 2;

const FontFace& RowFace() { return Face(FaceKind::Arial, kFormulaSize, kBold); }
int TextHeight() { return RowFace().height(); }
int Raise() { return ExponentSize(kFormulaSize) / 2; }
bool HasExponent(TextView text) { return text.find(u'^') != TextView::npos; }

TextView WithoutLeadingBlanks(TextView text) {
  const std::size_t first = text.find_first_not_of(u' ');
  return first == TextView::npos ? TextView() : text.substr(first);
}

// What a part draws: a markup part at the start of a line without its leading blanks.
TextView ShownText(const FormulaPart& part, bool startsLine) {
  return startsLine && part.kind == PartKind::Markup ? WithoutLeadingBlanks(part.text)
                                                     : TextView(part.text);
}

struct Extent {
  double width = 0;
  double above = 0;
  double below = 0;
};

double TextTop(double axis) { return axis - TextHeight() / 2; }

Extent TextExtent(double width) {
  const int height = TextHeight();
  return {width, static_cast<double>(height / 2), static_cast<double>(height - height / 2)};
}

Extent MarkupExtent(TextView text) {
  Extent extent = TextExtent(MarkupWidth(text, kFormulaSize, kBold));
  if (HasExponent(text)) extent.above += Raise();
  return extent;
}

double DenominatorTop(const FormulaPart& part) {
  return HasExponent(part.denominator) ? kRaisedDenominatorTop : kDenominatorTop;
}

Extent FractionExtent(const FormulaPart& part) {
  const double bar = FractionWidth(part.text, part.denominator, kFormulaSize) * 10;
  const double numeratorTop = kFractionAboveAxis + kNumeratorTop;
  return {bar + 2 * kFractionMargin, numeratorTop + (HasExponent(part.text) ? Raise() : 0),
          DenominatorTop(part) - kFractionAboveAxis + TextHeight()};
}

// DrawPowerOfFraction around the centre of its fraction: the brackets 1 unit beyond half the
// bar, the exponent 3 units above the fraction's y, " = " 2 units after half the bar.
double PowerHalfBar(const FormulaPart& part) {
  return WideFractionHalfWidth(part.text, part.denominator, kFormulaSize) * 10;
}
constexpr double kBracketReach = 13;  // bracket 10 beyond half the bar, with its pen
constexpr double kEqualsAfterBar = 20;

Extent FractionPowerExtent(const FormulaPart& part) {
  const double half = PowerHalfBar(part);
  const double equals = MarkupWidth(u" = ", kFormulaSize, kBold);
  const double numeratorTop = kFractionAboveAxis + kNumeratorTop;
  const double above = std::max({kFractionAboveAxis + 30, numeratorTop + Raise(),
                                 kFractionAboveAxis + 27});  // exponent, numerator, bracket
  const double below = std::max(kRaisedDenominatorTop - kFractionAboveAxis + TextHeight(),
                                48 - kFractionAboveAxis);  // denominator, bracket
  return {kBracketReach + half + half + kEqualsAfterBar + equals, above, below};
}

Extent PartExtent(const FormulaPart& part, bool startsLine) {
  switch (part.kind) {
    case PartKind::Markup: return MarkupExtent(ShownText(part, startsLine));
    case PartKind::Fraction: return FractionExtent(part);
    case PartKind::FractionPower: return FractionPowerExtent(part);
  }
  return {};
}

// The parts of one line and how each is drawn there.
enum class Drawn {
  Itself,      // the part as it is
  Blank,       // the first part of a solution at the end of the line: a line to write on
  Gap,         // the first part of a solution inside the line: a gap to write in
  Hidden,      // a further part of a blank or gap solution
  Underlined,  // the key: a solution inside the formula, underlined
};

struct PlacedPart {
  std::size_t index = 0;
  Drawn drawn = Drawn::Itself;
  double width = 0;
  Extent extent;
};

// Whether the solution part at `index` is followed by task parts later in the formula.
bool InsideFormula(const Formula& formula, std::size_t index) {
  return std::any_of(formula.begin() + static_cast<std::ptrdiff_t>(index), formula.end(),
                     [](const FormulaPart& part) { return !part.solution; });
}

// A formula with gaps: the key underlines every part of its solution, so that the gaps show.
bool HasGaps(const Formula& formula) {
  for (std::size_t i = 0; i < formula.size(); ++i) {
    if (formula[i].solution && InsideFormula(formula, i)) return true;
  }
  return false;
}

// Places the parts first … end − 1 of a line.
std::vector<PlacedPart> PlaceParts(const Formula& formula, std::size_t first, std::size_t end,
                                   Showing showing) {
  std::vector<PlacedPart> placed;
  for (std::size_t i = first; i < end; ++i) {
    const FormulaPart& part = formula[i];
    PlacedPart p{i, Drawn::Itself, 0, PartExtent(part, i == first)};
    p.width = p.extent.width;
    if (part.solution) {
      const bool inside = InsideFormula(formula, i);
      const bool startsSolution = i == first || !formula[i - 1].solution;
      if (showing == Showing::Key) {
        if (HasGaps(formula)) {
          p.drawn = Drawn::Underlined;
          p.extent.below += kRulePen + 2;
        }
      } else if (!startsSolution) {
        p = PlacedPart{i, Drawn::Hidden, 0, TextExtent(0)};
      } else {
        // The whole solution's room goes to its first part.
        double solutionWidth = 0;
        for (std::size_t k = i; k < formula.size() && formula[k].solution; ++k) {
          solutionWidth += PartExtent(formula[k], k == first).width;
        }
        p.drawn = inside ? Drawn::Gap : Drawn::Blank;
        p.width =
            inside ? std::max(solutionWidth * kGapStretch, kNarrowestGap) : kSolutionBlankWidth;
        p.extent = TextExtent(p.width);
      }
    }
    placed.push_back(p);
  }
  return placed;
}

FormulaLine MeasureLine(const Formula& formula, std::size_t first, std::size_t end,
                        Showing showing) {
  FormulaLine line{first, end, 0, 0, 0};
  for (const PlacedPart& p : PlaceParts(formula, first, end, showing)) {
    line.width += p.width;
    line.above = std::max(line.above, p.extent.above);
    line.below = std::max(line.below, p.extent.below);
  }
  return line;
}

// The parts before which the formula may break, and its end.
std::vector<std::size_t> SegmentStarts(const Formula& formula) {
  std::vector<std::size_t> starts{0};
  for (std::size_t i = 1; i < formula.size(); ++i) {
    if (formula[i].breakBefore) starts.push_back(i);
  }
  starts.push_back(formula.size());
  return starts;
}

}  // namespace

FormulaBlock LayOutFormula(const Formula& formula, Showing showing, double width) {
  FormulaBlock block;
  const std::vector<std::size_t> starts = SegmentStarts(formula);
  std::size_t lineStart = 0;
  std::size_t lineEnd = starts[1];
  std::size_t lastSegmentStart = 0;  // the start of the line's last segment
  for (std::size_t s = 1; s + 1 < starts.size(); ++s) {
    const std::size_t segmentEnd = starts[s + 1];
    if (MeasureLine(formula, lineStart, segmentEnd, showing).width <= width) {
      lastSegmentStart = lineEnd;
      lineEnd = segmentEnd;
      continue;
    }
    // ‹T(–6, –5) =› and ‹Rest:› go to the new line with their solution.
    std::size_t breakAt = lineEnd;
    if (formula[lineEnd].solution && lastSegmentStart > lineStart &&
        !formula[lastSegmentStart].solution &&
        MeasureLine(formula, lastSegmentStart, segmentEnd, showing).width <= width) {
      breakAt = lastSegmentStart;
    }
    block.lines.push_back(MeasureLine(formula, lineStart, breakAt, showing));
    lineStart = breakAt;
    lastSegmentStart = lineEnd;
    lineEnd = segmentEnd;
  }
  if (!formula.empty()) block.lines.push_back(MeasureLine(formula, lineStart, lineEnd, showing));
  for (const FormulaLine& line : block.lines) {
    block.width = std::max(block.width, line.width);
    block.height += line.above + line.below;
    block.fits = block.fits && line.width <= width;
  }
  if (block.lines.size() > 1)
    block.height += kLineGap * static_cast<double>(block.lines.size() - 1);
  return block;
}

double FirstLineTextTop(const FormulaBlock& block, double top) {
  return block.lines.empty() ? top : TextTop(top + block.lines.front().above);
}

void SetWorksheetPage(int widthPixels, int heightPixels) {
  SetPage(0, static_cast<float>(widthPixels) / 10, -static_cast<float>(heightPixels) / 10, 0,
          widthPixels, heightPixels);
}

void DrawFormula(QPainter& painter, const Formula& formula, const FormulaBlock& block,
                 Showing showing, double left, double top, double right) {
  const ColourSet black = OneColour(Qt::black);
  const auto unit = [](double pixels) { return pixels / 10; };
  double lineTop = top;
  for (const FormulaLine& line : block.lines) {
    const double axis = lineTop + line.above;
    const double underline = axis + TextHeight() / 2 - 1;
    double x = left;
    for (const PlacedPart& p : PlaceParts(formula, line.first, line.end, showing)) {
      const FormulaPart& part = formula[p.index];
      const bool startsLine = p.index == line.first;
      switch (p.drawn) {
        case Drawn::Blank:
          PageLine(painter, kRulePen, Qt::black, unit(x), -unit(underline), unit(right),
                   -unit(underline), LineStyle::Solid);
          break;
        case Drawn::Gap:
          PageLine(painter, kRulePen, Qt::black, unit(x + 4), -unit(underline),
                   unit(x + p.width - 4), -unit(underline), LineStyle::Solid);
          break;
        case Drawn::Hidden: break;
        case Drawn::Itself:
        case Drawn::Underlined:
          switch (part.kind) {
            case PartKind::Markup:
              DrawMarkupLeft(painter, unit(x), -unit(TextTop(axis)), ShownText(part, startsLine),
                             kFormulaSize, kBold, black);
              break;
            case PartKind::Fraction:
              DrawFraction(painter, unit(x + kFractionMargin), -unit(axis - kFractionAboveAxis),
                           part.text, part.denominator, kFormulaSize, black);
              break;
            case PartKind::FractionPower:
              DrawPowerOfFraction(painter, unit(x + kBracketReach + PowerHalfBar(part)),
                                  -unit(axis - kFractionAboveAxis), part.text, part.denominator,
                                  part.exponent, TextView(), TextView(), kFormulaSize, black,
                                  false);
              break;
          }
          if (p.drawn == Drawn::Underlined) {
            const double rule = axis + p.extent.below - kRulePen;
            PageLine(painter, kRulePen, Qt::black, unit(x), -unit(rule), unit(x + p.width),
                     -unit(rule), LineStyle::Solid);
          }
          break;
      }
      x += p.width;
    }
    lineTop = axis + line.below + kLineGap;
  }
}

}  // namespace kalkora::worksheet

#include "reference/domain_pictures.h"

#include <algorithm>
#include <array>
#include <span>

#include "base/text.h"
#include "drawing/fraction_expression.h"
#include "drawing/markup.h"
#include "frame/palette.h"
#include "reference/concept_pages.h"

namespace kalkora {

namespace {

constexpr int kSize = 14;
constexpr int kBraceSize = 20;        // the braces stand taller than the text
constexpr double kBraceRaise = 0.4;   // … and centred on it
constexpr int kFractionSize = 11;     // the small stacked fractions
constexpr double kBarBelowTop = 1.1;  // fraction bars at the middle of the text
constexpr bool kBold = true;

// One row: the condition as it stands on the left, the variables of the domain and the
// condition after the bar. In a condition, ‹{3/2}› is a small stacked fraction.
struct DomainRow {
  TextView condition;
  TextView variables;
  TextView domainCondition;
};

constexpr std::array<DomainRow, 3> kDef1Rows{{
    {u"z ≠ 3", u"z", u"z ≠ 3"},
    {u"y ≠ 0", u"y", u"y ≠ 0"},
    {u"a ≠ 1", u"a", u"a ≠ 1"},
}};

constexpr std::array<DomainRow, 7> kDef2Rows{{
    {u"x ≠ 2", u"x", u"x ≠ 2"},
    {u"y ≠ 0", u"y", u"y ≠ 0"},
    {u"s ≠ –2·r", u"r,s", u"s ≠ –2·r"},
    {u"a ≠ {3/2}·b", u"a", u"a ≠ {3/2}·b"},
    {u"c ≠ –{7/5}·d", u"c,d", u"c ≠ –{7/5}·d"},
    {u"x ≠ 0", u"x", u"x ≠ 0"},
    {u"z ≠ 0, z ≠ –3", u"z", u"z ≠ 0, –3"},
}};

// Where the rows of a picture lie on the concept page.
struct Layout {
  std::span<const DomainRow> rows;
  double conditionX;  // left column
  double domainX;     // right column
  double firstTop;    // top of the first row's text
  double rowStep;
};

Layout layoutOf(DomainPicture picture) {
  if (picture == DomainPicture::Def1) return {kDef1Rows, -48.5, -42.5, 12.4, 3.3};
  return {kDef2Rows, -48.5, -36, 7.4, 3.6};
}

// Puts pieces of one row side by side from a page x; the row's text top is at y.
class RowWriter {
 public:
  RowWriter(QPainter& canvas, double x, double y) : canvas_(canvas), x_(x), y_(y) {}

  void words(TextView text, const QColor& colour) {
    DrawTwoColour(canvas_, x_, y_, text, kSize, kBold, colour, colour);
    x_ += MarkupWidth(text, kSize, kBold) / 10.0;
  }

  void brace(TextView brace) {
    const QColor black(0, 0, 0);
    DrawTwoColour(canvas_, x_, y_ + kBraceRaise, brace, kBraceSize, kBold, black, black);
    x_ += MarkupWidth(brace, kBraceSize, kBold) / 10.0;
  }

  // Words with small stacked fractions ‹{num/den}›, all in one colour.
  void condition(TextView text, const QColor& colour) {
    size_t i = 0;
    while (i < text.size()) {
      if (text[i] != u'{') {
        const size_t open = std::min(text.find(u'{', i), text.size());
        words(text.substr(i, open - i), colour);
        i = open;
        continue;
      }
      const size_t close = std::min(text.find(u'}', i), text.size() - 1);
      const TextView fraction = text.substr(i, close - i + 1);
      DrawFractionExpr(canvas_, x_, y_ - kBarBelowTop, fraction, kFractionSize, colour);
      x_ += FractionExprWidth(fraction, kFractionSize) / 10.0;
      i = close + 1;
    }
  }

 private:
  QPainter& canvas_;
  double x_;
  double y_;
};

}  // namespace

QRect DomainPictureArea(DomainPicture picture) {
  // Page (–49, 13) and (–49, 8) on the concept page of 10 pixels a unit.
  return picture == DomainPicture::Def1 ? QRect(10, 220, 256, 99) : QRect(10, 270, 372, 260);
}

void DrawDomainPicture(QPainter& canvas, DomainPicture picture) {
  SetConceptPage();
  const QColor black(0, 0, 0);
  const QColor rose = palette::palRose;
  const Layout layout = layoutOf(picture);
  double top = layout.firstTop;
  for (const DomainRow& row : layout.rows) {
    RowWriter(canvas, layout.conditionX, top).condition(row.condition, rose);

    RowWriter domain(canvas, layout.domainX, top);
    domain.words(u"D = ", black);
    domain.brace(u"{");
    domain.words(row.variables, black);
    domain.words(u" ∈ ℝ │ ", black);
    domain.condition(row.domainCondition, rose);
    domain.brace(u"}");
    top -= layout.rowStep;
  }
}

}  // namespace kalkora

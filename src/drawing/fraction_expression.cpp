#include "drawing/fraction_expression.h"

#include <algorithm>

#include "drawing/font_faces.h"
#include "drawing/fonts.h"
#include "drawing/glyph_painter.h"
#include "drawing/markup.h"
#include "drawing/markup_layout.h"
#include "drawing/page.h"

namespace kalkora {

namespace {

constexpr bool kBold = true;

// The index of the character that closes the group opened at `open`, or text.size() when
// the group is never closed.
size_t closingIndex(TextView text, size_t open, char16_t opening, char16_t closing) {
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    if (text[i] == opening) ++depth;
    if (text[i] == closing && --depth == 0) return i;
  }
  return text.size();
}

Text innerForm(TextView text) {
  Text result(text);
  std::replace(result.begin(), result.end(), u'.', u',');
  std::replace(result.begin(), result.end(), u'*', u'·');
  return result;
}

// Text between the groups and inside the fractions, drawn or measured character by character.
class InnerText {
 public:
  explicit InnerText(int size)
      : size_(RendererSize(size)),
        normal_(Face(FaceKind::Arial, size_, kBold)),
        small_(Face(FaceKind::Arial, RendererSize(ExponentSize(size_)), kBold)),
        raise_(small_.points() / 2) {}

  int height() const { return normal_.height(); }

  // Draws with the left edge at pixel x and the vertical middle at `middle`; returns the
  // advance.
  long long draw(GlyphPainter& glyphs, long long left, double middle, TextView raw,
                 const QColor& colour) const {
    const Text text = innerForm(raw);
    const int top = Nearest(middle - normal_.height() / 2.0);
    long long advance = 0;
    const auto put = [&](const FontFace& face, char16_t c, int cellTop) {
      const auto at = [&](int dx, int dy, char16_t shown) {
        glyphs.draw(face, shown, static_cast<qreal>(left + advance + dx), cellTop + dy, colour);
      };
      switch (c) {
        case u'+':
          at(2, 0, c);
          advance += face.advance(c) + 4;
          break;
        case u'-':
          at(2, -1, u'–');
          advance += face.advance(c) + 8;
          break;
        case u'{':
          at(0, 0, c);
          advance += face.advance(c) + 2;
          break;
        case u'}':
          at(2, 0, c);
          advance += face.advance(c) + 2;
          break;
        default:
          at(0, 0, c);
          advance += face.advance(c);
          break;
      }
    };
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != u'^') {
        put(normal_, text[i], top);
      } else if (i + 1 < text.size() && text[i + 1] == u'{') {
        const size_t close = closingIndex(text, i + 1, u'{', u'}');
        for (size_t k = i + 2; k < close; ++k) put(small_, text[k], top - raise_);
        i = close;
      } else if (i + 1 < text.size()) {
        put(small_, text[++i], top - raise_);
      }
    }
    return advance;
  }

  // The measured width: as drawn, except that "(" and ")" add one pixel each, "#" adds three
  // pixels and ends an exponent, braces add nothing extra and an exponent group is
  // delimited by "(" and ")".
  long long measure(TextView raw) const {
    const Text text = innerForm(raw);
    long long advance = 0;
    const auto count = [&](const FontFace& face, char16_t c) {
      switch (c) {
        case u'+': advance += face.advance(c) + 4; break;
        case u'-': advance += face.advance(c) + 8; break;
        case u'(':
        case u')': advance += face.advance(c) + 1; break;
        case u'#': advance += 3; break;
        default: advance += face.advance(c); break;
      }
    };
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != u'^') {
        count(normal_, text[i]);
      } else if (i + 1 < text.size() && text[i + 1] == u'(') {
        const size_t close = closingIndex(text, i + 1, u'(', u')');
        size_t k = i + 2;
        for (; k < close && text[k] != u'#'; ++k) count(small_, text[k]);
        if (k < close) {  // "#" ended the exponent
          count(normal_, u'#');
          i = k;
        } else {
          i = close;
        }
      } else if (i + 1 < text.size()) {
        const char16_t c = text[++i];
        count(c == u'#' ? normal_ : small_, c);
      }
    }
    return advance;
  }

 private:
  int size_;
  const FontFace& normal_;
  const FontFace& small_;
  int raise_;
};

int barPen(int size) { return size >= 6 && size <= 12 ? 1 : size >= 13 && size <= 20 ? 2 : 3; }

// Draws the expression from pixel (px, py), or only measures it when glyphs is null.
long long layOut(QPainter* canvas, GlyphPainter* glyphs, int px, int py, TextView text, int size,
                 const QColor& colour) {
  const InnerText inner(size);
  long long advance = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != u'{') {
      size_t end = text.find(u'{', i);
      if (end == TextView::npos) end = text.size();
      const TextView plain = text.substr(i, end - i);
      if (glyphs) inner.draw(*glyphs, px + advance, py, plain, colour);
      advance += inner.measure(plain) + 4;
      i = end;
      continue;
    }
    const size_t close = closingIndex(text, i, u'{', u'}');
    const TextView group = text.substr(i + 1, close - i - 1);
    const size_t slash = group.find(u'/');
    if (slash == TextView::npos) {
      const TextView braced = text.substr(i, std::min(close + 1, text.size()) - i);
      if (glyphs) inner.draw(*glyphs, px + advance, py, braced, colour);
      advance += inner.measure(braced);
    } else {
      const TextView num = group.substr(0, slash);
      const TextView den = group.substr(slash + 1);
      const long long wn = inner.measure(num);
      const long long wd = inner.measure(den);
      const long long w = std::max(wn, wd);
      if (glyphs) {
        const long long left = px + advance;
        // Two one-pixel lines at rows py and py + 1 in a pen of this width.
        const int pen = barPen(size);
        const int top = py - pen / 2;
        canvas->fillRect(QRectF(static_cast<qreal>(left), top, static_cast<qreal>(w), pen + 1),
                         colour);
        const double hn = inner.height();
        const double hd = inner.height();
        inner.draw(*glyphs, left + (w - wn) / 2, py - hn / 2, num, colour);
        const double denominatorMiddle =
            den.find(u'^') != TextView::npos ? py + hd - hn / 4 : py + hd - hn / 2;
        inner.draw(*glyphs, left + (w - wd) / 2, denominatorMiddle, den, colour);
      }
      advance += w + 4;
    }
    i = close + 1;
  }
  return advance;
}

}  // namespace

void DrawFractionExpr(QPainter& canvas, double x, double y, TextView text, int size,
                      const QColor& colour) {
  const QPoint p = PageToPixel(x, y);
  {
    GlyphPainter glyphs(canvas);
    layOut(&canvas, &glyphs, p.x(), p.y(), text, size, colour);
  }
  canvas.setFont(Face(FaceKind::Arial, RendererSize(size), kBold).font());
}

int FractionExprWidth(TextView text, int size) {
  const long long advance = layOut(nullptr, nullptr, 0, 0, text, size, QColor());
  return static_cast<int>(std::min<long long>(advance, 1'000'000'000));
}

namespace {

// Where DrawTextWithFraction puts the fraction: page units after x.
double fractionOffset(TextView text, TextView fraction, int size) {
  Text measured(text);
  for (const char16_t removed : {u'~', u'¹'}) {
    if (const size_t at = measured.find(removed); at != Text::npos) measured.erase(at, 1);
  }
  // The width in the font the text was drawn in, as one plain string.
  const FontFace& face = Face(FaceKind::Arial, RendererSize(size), kBold);
  long long width = 0;
  for (const char16_t c : measured) width += face.advance(c);
  const double cx = static_cast<double>(width + 14);
  const double shift = !fraction.empty() && fraction.front() == u'–' ? 1.7 : 0.0;
  return cx / 10 + shift;
}

Text braced(TextView fraction) {
  Text expression = u"{";
  expression += fraction;
  expression += u"}";
  return expression;
}

}  // namespace

void DrawTextWithFraction(QPainter& canvas, double x, double y, TextView text, TextView fraction,
                          int size, const QColor& colour) {
  DrawSymbolMixed(canvas, x, y, text, size, kBold, colour);
  DrawFractionExpr(canvas, x + fractionOffset(text, fraction, size), y - 1.5, braced(fraction),
                   size, colour);
}

double TextWithFractionWidth(TextView text, TextView fraction, int size) {
  return fractionOffset(text, fraction, size) + FractionExprWidth(braced(fraction), size) / 10.0;
}

}  // namespace kalkora
